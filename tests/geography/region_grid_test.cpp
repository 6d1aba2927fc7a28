// "puntos3" read through the program's grids: every community, comarca and area can be
// hit, known places hit the right region, and the community grid agrees with the fixed
// rectangles of the initial-programmes map.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "common/data/region_grids.h"
#include "data/geography/map_layout.h"
#include "geography/geography_fixture.h"

namespace rumbelo::data {
namespace {

class RegionGridTest : public ::testing::Test {
  protected:
    RegionGridTest()
        : grids(*RegionGrids::fromBytes(
              testing::readFile(testing::compiledGeography().folder / "puntos3"))) {}
    // The region under a place (longitude, latitude) on a map.
    static std::pair<int, int> pixel(const Projection& p, double lon, double lat) {
        const Point at = p({lon, lat});
        return {static_cast<int>(std::floor(at.x)), static_cast<int>(std::floor(at.y))};
    }
    int community(const Projection& p, double lon, double lat) const {
        const auto [x, y] = pixel(p, lon, lat);
        return grids.communityAt(x, y);
    }
    RegionGrids grids;
};

TEST_F(RegionGridTest, TheFileHasTheExactSize) {
    EXPECT_EQ(testing::readFile(testing::compiledGeography().folder / "puntos3").size(), 714864u);
}

TEST_F(RegionGridTest, EveryRegionIsHitBySomePixel) {
    std::set<int> communities, comarcas, areas;
    for (int x = 1; x <= RegionGrids::kColumns; ++x)
        for (int y = 1; y <= RegionGrids::kDistrictRows; ++y) {
            if (y <= RegionGrids::kCommunityRows && grids.communityAt(x, y))
                communities.insert(grids.communityAt(x, y));
            if (grids.comarcaAt(x, y)) comarcas.insert(grids.comarcaAt(x, y));
            if (grids.areaAt(x, y)) areas.insert(grids.areaAt(x, y));
        }
    EXPECT_EQ(communities.size(), 19u);
    EXPECT_EQ(comarcas.size(), 41u);
    EXPECT_EQ(areas.size(), 28u);
}

TEST_F(RegionGridTest, TheBottomRowsOfTheAreaMapHitNothing) {
    // Rows 197-220 of the area grid are rows 1-24 of the next column of the community grid.
    for (int x = 1; x <= RegionGrids::kColumns; ++x)
        for (int y = 197; y <= 220; ++y)
            ASSERT_EQ(grids.areaAt(x, y), 0) << x << "," << y;
}

TEST_F(RegionGridTest, KnownPlacesHitTheirCommunity) {
    EXPECT_EQ(community(kMainland, -3.7038, 40.4168), 13);  // Madrid
    EXPECT_EQ(community(kMainland, 2.1300, 41.3870),
              9);  // Barcelona (Les Corts: the old town is a coast pixel)
    EXPECT_EQ(community(kMainland, -5.9845, 37.3891), 1);    // Sevilla
    EXPECT_EQ(community(kMainland, -0.3763, 39.4699), 16);   // Valencia
    EXPECT_EQ(community(kCanariasInset, -15.44, 28.09), 5);  // Las Palmas, in the inset
    EXPECT_EQ(grids.communityAt(static_cast<int>(kCeutaMarker.x), static_cast<int>(kCeutaMarker.y)),
              18);
    EXPECT_EQ(
        grids.communityAt(static_cast<int>(kMelillaMarker.x), static_cast<int>(kMelillaMarker.y)),
        19);
    EXPECT_EQ(grids.communityAt(5, 5), 0);  // the open sea
}

TEST_F(RegionGridTest, TheRectangleOfEveryCommunityIsCentredOnIt) {
    // The initial-programmes map's rectangles, as inclusive pixel ranges of mapa.
    struct Rectangle {
        int community, x0, x1, y0, y1;
    };
    const Rectangle rectangles[] = {
        {1, 64, 125, 127, 145},  {2, 148, 158, 48, 79},    {3, 66, 93, 31, 41},
        {4, 199, 227, 86, 111},  {5, 162, 230, 142, 167},  {6, 101, 114, 34, 45},
        {7, 101, 138, 94, 111},  {8, 75, 104, 46, 73},     {9, 174, 196, 43, 74},
        {10, 58, 80, 89, 117},   {11, 36, 61, 29, 58},     {12, 120, 136, 51, 64},
        {13, 101, 116, 77, 89},  {14, 134, 151, 118, 135}, {15, 138, 143, 39, 60},
        {16, 153, 168, 89, 121}, {17, 121, 128, 35, 49},   {18, 73, 85, 160, 169},
        {19, 125, 138, 160, 171}};
    for (const auto& r : rectangles)
        EXPECT_EQ(grids.communityAt((r.x0 + r.x1) / 2, (r.y0 + r.y1) / 2), r.community)
            << "rectangle " << r.community;
}

TEST_F(RegionGridTest, KnownPlacesHitTheirComarcaAndArea) {
    CompileContext ctx(std::filesystem::path(RUMBELO_SOURCE_DIR) / "data",
                       testing::compiledGeography().folder);
    const auto comarcas = readPolygons(ctx, "comarcas.poly");
    const auto areas = readPolygons(ctx, "madrid.poly");
    ASSERT_TRUE(comarcas && areas);
    const Projection c = comarcaProjection(*comarcas);
    const auto comarca = [&](double lon, double lat) {
        const auto [x, y] = pixel(c, lon, lat);
        return grids.comarcaAt(x, y);
    };
    EXPECT_EQ(comarca(2.1734, 41.3851), 37);  // Barcelona: Barcelonès opens the finer list
    EXPECT_EQ(comarca(2.8214, 41.9794), 20);  // Girona: Gironès
    EXPECT_EQ(comarca(0.6200, 41.6176), 33);  // Lleida: Segrià
    EXPECT_EQ(comarca(1.2200, 41.1300), 36);  // Tarragona: Tarragonès
    const Projection a = areaProjection(*areas);
    const auto area = [&](double lon, double lat) {
        const auto [x, y] = pixel(a, lon, lat);
        return grids.areaAt(x, y);
    };
    EXPECT_EQ(area(-3.7038, 40.4168), 1);   // Puerta del Sol: Centro
    EXPECT_EQ(area(-3.3640, 40.4820), 14);  // Alcalá de Henares
    EXPECT_EQ(area(-3.6020, 40.0330), 22);  // Aranjuez
}

}  // namespace
}  // namespace rumbelo::data
