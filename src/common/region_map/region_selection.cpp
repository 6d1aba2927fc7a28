#include "common/region_map/region_selection.h"

#include "common/text/fixed_text.h"

namespace rumbelo::region_map {
namespace {

constexpr int kPanelWidth = 115;
constexpr int kAreaPanelWidth = 250;
constexpr int kFinerMapPanelDrop = 60;  // the finer maps show the panel below the pointer
constexpr int kLastComarcaOnMap = 41;
constexpr int kLastArea = 28;

bool inRange(int value, int last) {
    return value >= 1 && value <= last;
}

std::vector<int> heldToCapacity(std::vector<int> list) {
    if (list.size() > kPlaceListCapacity) list.resize(kPlaceListCapacity);
    return list;
}

}  // namespace

Hover hoverAt(MapKind map, const RegionGrids& grids, const GeographyData& geo, int x, int y) {
    Hover hover;
    hover.panelX = x;
    hover.panelY = y;
    switch (map) {
        case MapKind::Communities:
            hover.region = grids.community(x, y);
            hover.valid = inRange(hover.region, kCommunityCount);
            hover.panelWidth = kPanelWidth;
            if (hover.valid) hover.text = communityHint(geo, hover.region);
            hover.handCursor = true;  // the community map always shows the hand
            break;
        case MapKind::Comarcas:
            hover.region = grids.comarca(x, y);
            hover.valid = inRange(hover.region, kLastComarcaOnMap);
            hover.panelY = y + kFinerMapPanelDrop;
            hover.panelWidth = kPanelWidth;
            if (hover.valid) hover.text = TrimRight(comarcaName(geo, hover.region));
            hover.handCursor = hover.valid;
            break;
        case MapKind::Areas:
            hover.region = grids.area(x, y);
            hover.valid = inRange(hover.region, kLastArea);
            hover.panelY = y + kFinerMapPanelDrop;
            if (hover.valid) {
                hover.panelWidth = kAreaPanelWidth;
                hover.text = areaHint(geo, hover.region);
            }
            hover.handCursor = hover.valid;
            break;
    }
    return hover;
}

ClickAction clickOnMap(MapKind map, RegionSelection& selection) {
    const int region = selection.hovered;
    switch (map) {
        case MapKind::Communities:
            if (!inRange(region, kCommunityCount)) return ClickAction::None;
            selection.community = region;
            return ClickAction::Community;
        case MapKind::Comarcas:
            if (!inRange(region, kLastComarcaOnMap)) return ClickAction::None;
            selection.comarca = region;
            return region == kComarcaWithList ? ClickAction::OpenComarcaList
                                              : ClickAction::ComarcaListing;
        case MapKind::Areas:
            if (!inRange(region, kLastArea)) return ClickAction::None;
            selection.area = region;
            return ClickAction::AreaListing;
    }
    return ClickAction::None;
}

ClickAction clickOnComarcaList(int entry, RegionSelection& selection) {
    if (entry < 0 || entry == kInertListEntry) return ClickAction::None;
    selection.comarca = kFirstListedComarca + entry;
    return ClickAction::ComarcaListing;
}

std::vector<int> universityPlaces(const GeographyData& geo, int community) {
    return heldToCapacity(placesOf(geo, community));
}

std::vector<int> doubleDegreeGroups(const DoubleDegrees& doubles, int community) {
    const int code = universityCommunity(community);
    std::vector<int> groups;
    for (int g = 1; g <= doubles.count(); ++g)
        if (doubles.groups[static_cast<std::size_t>(g)].code == code) groups.push_back(g);
    return heldToCapacity(groups);
}

}  // namespace rumbelo::region_map
