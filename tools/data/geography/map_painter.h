#pragma once
// Turns a region raster into a picture: soft fill colours (neighbours never share one),
// thin borders between regions, a darker coastline, and the sea.
#include <vector>

#include "data/geography/raster.h"

namespace rumbelo::data {

struct MapStyle {
    Rgb sea{214, 233, 245};
    Rgb coast{86, 104, 122};
    Rgb border{150, 132, 112};
    Rgb frame{150, 170, 186};
    std::vector<Rgb> fills{{246, 220, 170}, {203, 227, 176}, {243, 199, 184},
                           {214, 206, 234}, {247, 235, 160}, {188, 224, 214}};
};

// The picture of the raster. Regions get fill colours so that no two regions that touch
// share one; `frameLines` are extra sea pixels to draw in the frame colour.
std::vector<Rgb> paintMap(const RegionRaster& raster, const MapStyle& style,
                          const std::vector<Point>& frameLines = {});

}  // namespace rumbelo::data
