#include "data/geography/raster.h"

#include <algorithm>
#include <cmath>

namespace rumbelo::data {

void RegionRaster::fill(const std::vector<Ring>& rings, int value) {
    std::vector<double> crossings;
    for (int y = 0; y < height_; ++y) {
        const double cy = y + 0.5;
        crossings.clear();
        for (const auto& ring : rings) {
            for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
                const Point& a = ring[i];
                const Point& b = ring[j];
                if ((a.y > cy) != (b.y > cy))
                    crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
            const int from = static_cast<int>(std::ceil(crossings[k] - 0.5));
            const int to = static_cast<int>(std::floor(crossings[k + 1] - 0.5));
            for (int x = std::max(from, 0); x <= std::min(to, width_ - 1); ++x)
                cells_[y * width_ + x] = value;
        }
    }
}

void RegionRaster::disc(double cx, double cy, double radius, int value) {
    for (int y = static_cast<int>(cy - radius) - 1; y <= static_cast<int>(cy + radius) + 1; ++y)
        for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius) set(x, y, value);
}

std::string bmpFile(int width, int height, const std::vector<Rgb>& pixels) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const int dataSize = rowBytes * height;
    std::string bytes(54 + static_cast<std::size_t>(dataSize), '\0');
    const auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 54);  // pixel data offset
    put32(14, 40);  // BITMAPINFOHEADER
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    bytes[26] = 1;   // planes
    bytes[28] = 24;  // bits per pixel
    put32(34, static_cast<std::uint32_t>(dataSize));
    put32(38, 2835);  // 72 dpi
    put32(42, 2835);
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 54 + static_cast<std::size_t>((height - 1 - y) * rowBytes);
        for (int x = 0; x < width; ++x) {
            const Rgb& c = pixels[static_cast<std::size_t>(y * width + x)];
            bytes[row + static_cast<std::size_t>(x) * 3] = static_cast<char>(c[2]);
            bytes[row + static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>(c[1]);
            bytes[row + static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>(c[0]);
        }
    }
    return bytes;
}

}  // namespace rumbelo::data
