// The region maps' rules: what the pointer shows over each map, what a click chooses,
// listBarcelona, and the places and double-degree groups of a community.
#include <gtest/gtest.h>

#include "common/region_map/region_selection.h"

using namespace rumbelo;
using namespace rumbelo::region_map;

namespace {

// A puntos3 record with chosen values at chosen pixels; every other pixel is 0.
class CraftedGrids {
  public:
    CraftedGrids() : bytes_(RegionGrids::kFileSize, '\0') {}
    // Integer `index` (from 1) of row x.
    void put(int x, int index, int value) {
        const std::size_t at =
            (static_cast<std::size_t>(x - 1) * RegionGrids::kIntsPerRow + index - 1) * 4;
        bytes_[at] = static_cast<char>(value);
    }
    void community(int x, int y, int value) { put(x, y, value); }
    void comarca(int x, int y, int value) { put(x, 220 + y, value); }
    void area(int x, int y, int value) { put(x, 440 + y, value); }
    RegionGrids grids() const { return *RegionGrids::fromBytes(bytes_); }

  private:
    std::string bytes_;
};

GeographyData craftedGeography() {
    GeographyData geo;
    for (int c = 1; c <= kCommunityCount; ++c)
        geo.communities.set(c, "01Comunidad " + std::to_string(c) + "   ");
    geo.communities.set(13, "40Madrid             ");
    geo.communityLines = kCommunityCount;
    geo.comarcas.names[5] = "Garrotxa";
    geo.comarcas.names[37] = "Barcelon\xE8s";
    geo.areas.names = {"", "Alcal\xE1 de Henares", "Getafe", "Legan\xE9s", "Fuenlabrada"};
    geo.areas.linesOfGroup[3] = {1};
    geo.areas.linesOfGroup[7] = {2, 3, 4};
    return geo;
}

TEST(RegionHoverTest, CommunityMapNamesTheCommunityAtThePointer) {
    CraftedGrids crafted;
    crafted.community(100, 120, 13);
    const auto grids = crafted.grids();
    const auto geo = craftedGeography();
    const Hover hover = hoverAt(MapKind::Communities, grids, geo, 100, 120);
    EXPECT_EQ(hover.region, 13);
    EXPECT_TRUE(hover.valid);
    EXPECT_EQ(hover.text, "Madrid");
    EXPECT_EQ(hover.panelX, 100);
    EXPECT_EQ(hover.panelY, 120);
    EXPECT_EQ(hover.panelWidth, 115);
    EXPECT_TRUE(hover.handCursor);
}

TEST(RegionHoverTest, ValuesOutsideTheCommunitiesShowNothing) {
    CraftedGrids crafted;
    crafted.community(10, 30, 20);
    const auto grids = crafted.grids();
    const auto geo = craftedGeography();
    const Hover sea = hoverAt(MapKind::Communities, grids, geo, 10, 30);
    EXPECT_EQ(sea.region, 20);
    EXPECT_FALSE(sea.valid);
    EXPECT_EQ(sea.text, "");
    RegionSelection selection;
    selection.hovered = sea.region;
    EXPECT_EQ(clickOnMap(MapKind::Communities, selection), ClickAction::None);
    EXPECT_EQ(selection.community, 0);
}

TEST(RegionHoverTest, TheLeftAndTopEdgesAreNoRegion) {
    CraftedGrids crafted;
    for (int y = 1; y <= 196; ++y)
        crafted.community(1, y, 4);
    const auto grids = crafted.grids();
    const auto geo = craftedGeography();
    EXPECT_EQ(hoverAt(MapKind::Communities, grids, geo, 0, 50).region, 0);
    EXPECT_EQ(hoverAt(MapKind::Communities, grids, geo, 1, 0).region, 0);
    EXPECT_EQ(hoverAt(MapKind::Communities, grids, geo, 1, 1).region, 4);
}

TEST(RegionHoverTest, ComarcaMapShowsThePanelBelowWithTheComarcasName) {
    CraftedGrids crafted;
    crafted.comarca(50, 60, 5);
    const auto grids = crafted.grids();
    const auto geo = craftedGeography();
    const Hover hover = hoverAt(MapKind::Comarcas, grids, geo, 50, 60);
    EXPECT_EQ(hover.text, "Garrotxa");
    EXPECT_EQ(hover.panelY, 120);
    EXPECT_EQ(hover.panelWidth, 115);
    EXPECT_TRUE(hover.handCursor);
    const Hover outside = hoverAt(MapKind::Comarcas, grids, geo, 51, 60);
    EXPECT_EQ(outside.text, "");
    EXPECT_FALSE(outside.handCursor);
}

TEST(RegionHoverTest, AreaHintWithOneAndWithThreeNames) {
    CraftedGrids crafted;
    crafted.area(30, 40, 3);
    crafted.area(31, 40, 7);
    const auto grids = crafted.grids();
    const auto geo = craftedGeography();
    const Hover one = hoverAt(MapKind::Areas, grids, geo, 30, 40);
    EXPECT_EQ(one.text, "Alcal\xE1 de Henares - ");
    EXPECT_EQ(one.panelWidth, 250);
    EXPECT_EQ(one.panelY, 100);
    const Hover three = hoverAt(MapKind::Areas, grids, geo, 31, 40);
    EXPECT_EQ(three.text, "Getafe - Legan\xE9s - Fuenlabrada");
    const Hover none = hoverAt(MapKind::Areas, grids, geo, 32, 40);
    EXPECT_EQ(none.text, "");
    EXPECT_EQ(none.panelWidth, 0);  // the panel keeps its width
    EXPECT_FALSE(none.handCursor);
}

TEST(RegionClickTest, ACommunityClickChoosesTheHoveredCommunity) {
    RegionSelection selection;
    selection.hovered = 13;
    EXPECT_EQ(clickOnMap(MapKind::Communities, selection), ClickAction::Community);
    EXPECT_EQ(selection.community, 13);
}

TEST(RegionClickTest, Comarca37OpensTheFinerListInsteadOfListing) {
    RegionSelection selection;
    selection.hovered = 37;
    EXPECT_EQ(clickOnMap(MapKind::Comarcas, selection), ClickAction::OpenComarcaList);
    EXPECT_EQ(selection.comarca, 37);
    selection.hovered = 5;
    EXPECT_EQ(clickOnMap(MapKind::Comarcas, selection), ClickAction::ComarcaListing);
    EXPECT_EQ(selection.comarca, 5);
    selection.hovered = 42;  // no comarca of the map
    EXPECT_EQ(clickOnMap(MapKind::Comarcas, selection), ClickAction::None);
    EXPECT_EQ(selection.comarca, 5);
}

TEST(RegionClickTest, TheFifthEntryOfListBarcelonaIsInert) {
    RegionSelection selection;
    EXPECT_EQ(clickOnComarcaList(0, selection), ClickAction::ComarcaListing);
    EXPECT_EQ(selection.comarca, 42);
    EXPECT_EQ(clickOnComarcaList(4, selection), ClickAction::None);
    EXPECT_EQ(selection.comarca, 42);
    EXPECT_EQ(clickOnComarcaList(5, selection), ClickAction::ComarcaListing);
    EXPECT_EQ(selection.comarca, 47);
}

TEST(RegionClickTest, AnAreaClickChoosesTheHoveredArea) {
    RegionSelection selection;
    selection.hovered = 28;
    EXPECT_EQ(clickOnMap(MapKind::Areas, selection), ClickAction::AreaListing);
    EXPECT_EQ(selection.area, 28);
    selection.hovered = 29;
    EXPECT_EQ(clickOnMap(MapKind::Areas, selection), ClickAction::None);
}

TEST(CommunityPlacesTest, CeutaAndMelillaCountAsTheFirstCommunity) {
    GeographyData geo;
    for (const int code : {1, 13, 1, 18, 19, 13})
        geo.places.codes.push_back(code);
    for (int k = 1; k <= 6; ++k)
        geo.places.names.set(k, "U" + std::to_string(k));
    EXPECT_EQ(universityPlaces(geo, 1), (std::vector<int>{1, 3}));
    EXPECT_EQ(universityPlaces(geo, 18), (std::vector<int>{1, 3}));
    EXPECT_EQ(universityPlaces(geo, 19), (std::vector<int>{1, 3}));
    EXPECT_EQ(universityPlaces(geo, 13), (std::vector<int>{2, 6}));
    EXPECT_TRUE(universityPlaces(geo, 5).empty());
}

TEST(CommunityPlacesTest, DoubleDegreeGroupsOfACommunity) {
    DoubleDegrees doubles;
    doubles.groups.push_back({13, "Carlos III", {}});
    doubles.groups.push_back({1, "Granada", {}});
    doubles.groups.push_back({13, "Complutense", {}});
    EXPECT_EQ(doubleDegreeGroups(doubles, 13), (std::vector<int>{1, 3}));
    EXPECT_EQ(doubleDegreeGroups(doubles, 19), (std::vector<int>{2}));
    EXPECT_TRUE(doubleDegreeGroups(doubles, 7).empty());
}

TEST(CommunityPlacesTest, ThePlaceListHoldsAtMost28) {
    GeographyData geo;
    for (int k = 1; k <= 30; ++k) {
        geo.places.codes.push_back(9);
        geo.places.names.set(k, "U");
    }
    EXPECT_EQ(universityPlaces(geo, 9).size(), kPlaceListCapacity);
}

}  // namespace
