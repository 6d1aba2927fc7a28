#pragma once
// Filling projected polygons into a grid of region numbers, and writing 24-bit BMP files.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rumbelo::data {

struct Point {
    double x = 0;
    double y = 0;
};
using Ring = std::vector<Point>;

// Pixels of a picture, each holding a region number (0 = none).
class RegionRaster {
  public:
    RegionRaster(int width, int height) : width_(width), height_(height), cells_(width * height) {}
    int width() const { return width_; }
    int height() const { return height_; }
    int at(int x, int y) const {
        return x < 0 || y < 0 || x >= width_ || y >= height_ ? 0 : cells_[y * width_ + x];
    }
    void set(int x, int y, int value) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) cells_[y * width_ + x] = value;
    }
    // Sets every pixel whose centre lies inside the rings (even-odd rule) to `value`.
    void fill(const std::vector<Ring>& rings, int value);
    // A filled disc of the given radius around (cx, cy).
    void disc(double cx, double cy, double radius, int value);

  private:
    int width_;
    int height_;
    std::vector<int> cells_;
};

using Rgb = std::array<std::uint8_t, 3>;

// A picture of width x height pixels as a 24-bit bottom-up BMP file.
std::string bmpFile(int width, int height, const std::vector<Rgb>& pixels);

}  // namespace rumbelo::data
