#pragma once
// What the pupil pointed at and chose on the region maps: the community map "mapa", the
// comarca map of Cataluña "mapac" and the area map of Madrid "mapam". The rules are
// Qt-free; the map component (region_map.h) shows their answers. One selection lives for
// the whole run in each form that has maps.
#include <string>
#include <vector>

#include "common/data/region_grids.h"
#include "common/geography/geography.h"

namespace rumbelo::region_map {

enum class MapKind { Communities, Comarcas, Areas };

// A community shows at most this many universities, campuses or double-degree groups.
constexpr std::size_t kPlaceListCapacity = 28;

struct RegionSelection {
    int hovered = 0;          // the grid value under the pointer at the last move (0 = none)
    int community = 0;        // 1..19, set by a click on the community map
    int comarca = 0;          // 1..41 from the map, 42 and above from listBarcelona
    int area = 0;             // 1..28
    std::vector<int> places;  // the places listed for the current community, in order
    bool comarcaMode = false;
    bool areaMode = false;
};

// What a pointer move over a map shows in the hover panel PanelMapa.
struct Hover {
    int region = 0;      // the grid value, kept as the hovered region
    bool valid = false;  // a community 1..19, comarca 1..41 or area 1..28
    std::string text;    // the panel's text (for the community map also the map's hint)
    int panelX = 0;      // panel position: the pointer, moved down for the finer maps
    int panelY = 0;
    int panelWidth = 0;  // 0: leave the width as it is
    bool handCursor = true;
};

// The pointer at (x, y) pixels from the top-left corner of a map.
Hover hoverAt(MapKind map, const RegionGrids& grids, const GeographyData& geo, int x, int y);

// What a click asks of the form.
enum class ClickAction {
    None,
    Community,        // the section's community action for selection.community
    OpenComarcaList,  // comarca 37: listBarcelona and BotCerrar instead of a listing
    ComarcaListing,   // list the centres of selection.comarca
    AreaListing,      // list the centres of selection.area
};

// A click on a map acts on the region hovered last.
ClickAction clickOnMap(MapKind map, RegionSelection& selection);
// A click on entry i (from 0) of listBarcelona; its fifth entry does nothing.
ClickAction clickOnComarcaList(int entry, RegionSelection& selection);

// The universities and campuses of a community (18 and 19 count as 1), held to the place
// list's capacity.
std::vector<int> universityPlaces(const GeographyData& geo, int community);
// The double-degree groups (universities of "dobles") of a community, 18 and 19 counting
// as 1, in file order, held to the place list's capacity.
std::vector<int> doubleDegreeGroups(const DoubleDegrees& doubles, int community);

}  // namespace rumbelo::region_map
