// The program's geography loader: re-keying of the centre files, the provinces of a
// community, the places of a community, the centres of a comarca or area and the hints.
#include <gtest/gtest.h>

#include "common/geography/geography.h"
#include "common/messages.h"
#include "common/text/fixed_text.h"
#include "geography/geography_fixture.h"

namespace rumbelo {
namespace {

// A centre line with the given letter and the character of column 45.
std::string centre(char letter, char column45) {
    std::string line = std::string(1, letter) + padTo("Pueblo", 17) + "IES Uno";
    line = padTo(line, 44) + column45 + "912345678";
    return line;
}

ZoneTable zoneOf(const std::vector<std::string>& lines) {
    ZoneTable zone;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        zone.lines.set(static_cast<int>(k) + 1, lines[k]);
        zone.codes.push_back({});
    }
    return zone;
}

TEST(CentreKeys, MadridLinesAreKeyedFromTheFirstEightUpToTheFirstD) {
    ZoneTable zone = zoneOf(
        {centre('7', 'x'), centre('H', 'a'), centre('8', 'b'), centre('D', 'c'), centre('8', 'd')});
    std::vector<std::string> keys;
    keyAreaCentres(zone, keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"", "", "8a", "8b", "", ""}));
    EXPECT_EQ(zone.lines[2][0], '8');  // H lines are found under 8 afterwards
    EXPECT_EQ(zone.lines[2][44], ' ');
    EXPECT_EQ(cols(zone.lines[2], 46, 54), "912345678");  // the telephone stays
    EXPECT_EQ(zone.lines[1][44], 'x');                    // lines outside the run keep column 45
    EXPECT_EQ(zone.lines[5][44], 'd');
}

TEST(CentreKeys, WithoutADLineTheMadridRunGoesToTheEnd) {
    ZoneTable zone = zoneOf({centre('8', 'a'), centre('9', 'b')});
    std::vector<std::string> keys;
    keyAreaCentres(zone, keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"", "8a", "9b"}));
}

TEST(CentreKeys, CataloniaLinesAreKeyedFromTheFirstFiveToTheEnd) {
    ZoneTable zone = zoneOf({centre('2', 'x'), centre('A', 'q'), centre('6', 'b')});
    std::vector<std::string> keys;
    keyComarcaCentres(zone, keys);
    EXPECT_EQ(keys, (std::vector<std::string>{"", "", "5q", "6b"}));
    EXPECT_EQ(zone.lines[2][0], '5');
}

TEST(AreaHints, OneLineEndsWithTheSeparatorAndThreeLinesShowAll) {
    GeographyData geo;
    geo.areas.names = {"", "Getafe", "Parla", "Pinto", "Sur"};
    geo.areas.keys = {"", "8a", "8b", "8b", "8b"};
    geo.areas.linesOfGroup[1] = {1};
    geo.areas.linesOfGroup[2] = {2, 3, 4};
    EXPECT_EQ(areaHint(geo, 1), "Getafe - ");
    EXPECT_EQ(areaHint(geo, 2), "Parla - Pinto - Sur");
    EXPECT_EQ(areaHint(geo, 3), "");
}

class LoadedGeography : public ::testing::Test {
  protected:
    LoadedGeography() : files(testing::compiledGeography().folder, sink, aborted) {
        loadPlaceFiles(files, geo);
        loadDistrictFiles(files, geo);
    }
    RecordingSink sink;
    bool aborted = false;
    DataFiles files;
    GeographyData geo;
};

TEST_F(LoadedGeography, LoadsWithoutMessages) {
    EXPECT_FALSE(aborted);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LoadedGeography, MadridHasItsProvinceAndItsCapitalInZoneTwo) {
    const auto provinces = provincesOf(geo, kAreaMapCommunity);
    ASSERT_EQ(provinces.size(), 2u);
    EXPECT_EQ(provinces[0].placeKey, "28");
    EXPECT_EQ(provinces[1].placeKey, "2H");
    EXPECT_FALSE(provinces[0].longLocalities);
    EXPECT_TRUE(provinces[1].longLocalities);
    EXPECT_EQ(communityHint(geo, 13), "Comunidad de Madrid");
    // After keying, no centre is left under the capital's own letter.
    for (int k = 1; k <= geo.zones[2].count(); ++k)
        EXPECT_NE(geo.zones[2].lines[k][0], 'H');
}

TEST_F(LoadedGeography, EveryPlaceKeyBelongsToOneProvince) {
    std::vector<std::string> keys;
    for (int c = 1; c <= kCommunityCount; ++c)
        for (const auto& province : provincesOf(geo, c))
            keys.push_back(province.placeKey);
    std::vector<std::string> expected(geo.placeKeys.begin(), geo.placeKeys.end());
    std::sort(keys.begin(), keys.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(keys, expected);
}

TEST_F(LoadedGeography, CeutaAndMelillaListTheUniversitiesOfAndalucia) {
    const auto andalucia = placesOf(geo, 1);
    EXPECT_FALSE(andalucia.empty());
    EXPECT_EQ(placesOf(geo, 18), andalucia);
    EXPECT_EQ(placesOf(geo, 19), andalucia);
    for (int c = 1; c <= 17; ++c)
        EXPECT_LE(placesOf(geo, c).size(), 28u) << c;
}

TEST_F(LoadedGeography, ComarcasAndAreasListTheirCentres) {
    for (int k = 1; k <= 41; ++k)
        EXPECT_EQ(centresOfComarca(geo, k).empty(), k == kComarcaWithList) << k;
    ASSERT_GT(geo.listBarcelona.size(), static_cast<std::size_t>(kInertListEntry));
    EXPECT_TRUE(centresOfComarca(geo, kFirstListedComarca + kInertListEntry).empty());
    for (int k = 1; k <= 28; ++k)
        EXPECT_FALSE(centresOfArea(geo, k).empty()) << k;
    // A centre of an area is a Madrid line of LU2.
    for (const int line : centresOfArea(geo, 14))
        EXPECT_EQ(geo.zones[2].lines[line][0], '8');
    EXPECT_EQ(comarcaName(geo, kComarcaWithList), "Barcelon\xE8s");
}

}  // namespace
}  // namespace rumbelo
