#include "common/region_map/rectangle_map.h"

namespace rumbelo::region_map {
namespace {

constexpr int kShiftX = 5, kShiftY = 90;
constexpr int kPanelDropY = 50;
constexpr int kPanelWidth = 115;

}  // namespace

const std::vector<MapRectangle>& communityRectangles() {
    static const std::vector<MapRectangle> table{
        {69, 218, 131, 236},  {153, 139, 164, 170}, {71, 122, 99, 132},   {204, 177, 233, 202},
        {167, 233, 236, 258}, {106, 125, 120, 136}, {106, 185, 144, 202}, {80, 137, 110, 164},
        {179, 134, 202, 165}, {63, 180, 86, 208},   {41, 120, 67, 149},   {125, 142, 142, 155},
        {106, 168, 122, 180}, {139, 209, 157, 226}, {143, 130, 149, 151}, {158, 180, 174, 212},
        {126, 126, 134, 140}, {78, 251, 91, 260},   {130, 251, 144, 262},
    };
    return table;
}

int rectangleCommunityAt(const std::vector<MapRectangle>& table, int x, int y) {
    const int px = x + kShiftX, py = y + kShiftY;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const MapRectangle& r = table[i];
        // The rows just above the top belong to the rectangle too.
        if (px >= r.left && px < r.right && py >= r.top - 1 && py < r.bottom)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

Hover rectangleHoverAt(const GeographyData& geo, int x, int y) {
    Hover hover;
    hover.region = rectangleCommunityAt(x, y);
    hover.valid = hover.region != 0;
    hover.panelX = x + kShiftX;
    hover.panelY = y + kPanelDropY;
    hover.panelWidth = kPanelWidth;
    if (hover.valid) hover.text = communityHint(geo, hover.region);
    hover.handCursor = true;
    return hover;
}

}  // namespace rumbelo::region_map
