#include "data/geography/map_painter.h"

#include <map>
#include <set>

namespace rumbelo::data {
namespace {

// Greedy colouring of the regions in number order: each takes the first fill that none of
// its already coloured neighbours has.
std::map<int, std::size_t> colourRegions(const RegionRaster& raster, std::size_t colours) {
    std::map<int, std::set<int>> touching;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            const int v = raster.at(x, y);
            if (!v) continue;
            touching[v];
            // Neighbours within two pixels count, so that regions across a thin border or a
            // narrow strait still get different colours.
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx) {
                    const int w = raster.at(x + dx, y + dy);
                    if (w && w != v) touching[v].insert(w);
                }
        }
    std::map<int, std::size_t> colour;
    for (const auto& [region, near] : touching) {
        std::size_t chosen = 0;
        for (std::size_t c = 0; c < colours; ++c) {
            bool used = false;
            for (const int n : near)
                used = used || (colour.count(n) && colour[n] == c);
            if (!used) {
                chosen = c;
                break;
            }
        }
        colour[region] = chosen;
    }
    return colour;
}

}  // namespace

std::vector<Rgb> paintMap(const RegionRaster& raster, const MapStyle& style,
                          const std::vector<Point>& frameLines) {
    const auto colour = colourRegions(raster, style.fills.size());
    std::vector<Rgb> pixels(static_cast<std::size_t>(raster.width() * raster.height()), style.sea);
    for (const auto& p : frameLines) {
        const int x = static_cast<int>(p.x);
        const int y = static_cast<int>(p.y);
        // The frame stops short of any land, so that it never touches a coast.
        bool nearLand = false;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                nearLand = nearLand || raster.at(x + dx, y + dy);
        if (x >= 0 && y >= 0 && x < raster.width() && y < raster.height() && !nearLand)
            pixels[static_cast<std::size_t>(y * raster.width() + x)] = style.frame;
    }
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            const int v = raster.at(x, y);
            if (!v) continue;
            Rgb c = style.fills[colour.at(v)];
            const bool coast = !raster.at(x - 1, y) || !raster.at(x + 1, y) ||
                               !raster.at(x, y - 1) || !raster.at(x, y + 1);
            const int right = raster.at(x + 1, y);
            const int below = raster.at(x, y + 1);
            if (coast)
                c = style.coast;
            else if ((right && right != v) || (below && below != v))
                c = style.border;
            pixels[static_cast<std::size_t>(y * raster.width() + x)] = c;
        }
    return pixels;
}

}  // namespace rumbelo::data
