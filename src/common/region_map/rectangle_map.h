#pragma once
// The community map read through a table of rectangles instead of the pixel grid, as the
// initial-programmes section reads it: one rectangle per community, tested in order, so
// that a point covered by two rectangles belongs to the lower-numbered community. Qt-free.
#include <vector>

#include "common/geography/geography.h"
#include "common/region_map/region_selection.h"

namespace rumbelo::region_map {

// Community k's rectangle is entry k-1, in the coordinates of the picture the table was
// drawn on (the map's own point plus (5, 90)). A point is inside when left <= x < right
// and top - 1 <= y < bottom.
struct MapRectangle {
    int left, top, right, bottom;
};
const std::vector<MapRectangle>& communityRectangles();

// The community (1..) whose rectangle in `table` first holds the pointer at (x, y) pixels
// from the map's top-left corner, 0 for none.
int rectangleCommunityAt(const std::vector<MapRectangle>& table, int x, int y);
inline int rectangleCommunityAt(int x, int y) {
    return rectangleCommunityAt(communityRectangles(), x, y);
}

// What a pointer move over the map shows: the community's name, and the panel a little
// right of and below the pointer.
Hover rectangleHoverAt(const GeographyData& geo, int x, int y);

}  // namespace rumbelo::region_map
