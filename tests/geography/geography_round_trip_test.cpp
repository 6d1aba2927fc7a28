// Every compiled geography file, read back by the program's shared readers, gives the
// values written in the sources.
#include <gtest/gtest.h>

#include "common/data/readers.h"
#include "common/messages.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/geography/centres.h"
#include "data/geography/districts.h"
#include "data/geography/places.h"
#include "data/source.h"
#include "geography/geography_fixture.h"

namespace rumbelo::data {
namespace {

const std::filesystem::path kSources = std::filesystem::path(RUMBELO_SOURCE_DIR) / "data";

class GeographyRoundTrip : public ::testing::Test {
  protected:
    GeographyRoundTrip()
        : files(testing::compiledGeography().folder, sink, aborted),
          places(*readPlaces(kSources, diag)),
          districts(readDistricts(kSources, places, diag)) {}
    RecordingSink sink;
    bool aborted = false;
    DataFiles files;
    Diagnostics diag;
    PlacesSource places;
    DistrictsSource districts;
};

TEST_F(GeographyRoundTrip, CommunitiesAndProvinces) {
    LineTable table;
    const int count = ReadLineTable(files, "COMUNIDA", table, 53);
    ASSERT_EQ(count, 19 + 64);
    for (const auto& community : places.communities) {
        const std::string& line = table[community.number];
        EXPECT_EQ(parseNumber(cols(line, 1, 2)), community.basePosition);
        EXPECT_EQ(TrimRight(colsFrom(line, 3)), community.name);
    }
    for (std::size_t i = 0; i < places.provinces.size(); ++i) {
        const std::string& line = table[20 + static_cast<int>(i)];
        EXPECT_EQ(parseNumber(cols(line, 1, 2)), places.provinces[i].community);
        EXPECT_EQ(TrimRight(colsFrom(line, 3)), places.provinces[i].name);
    }
    LineTable web;
    ASSERT_EQ(ReadCommunityInfo(files, "COMUINT", web), 19);
    for (const auto& community : places.communities)
        EXPECT_EQ(web[community.number], community.fpWeb);
}

TEST_F(GeographyRoundTrip, UniversitiesKeepCommunityNameAndDomain) {
    PlaceList list;
    const int count = ReadPlaceList(files, "LUGAR", list);
    const auto source = readSource(kSources, "geography/universidades.tsv", diag);
    ASSERT_TRUE(source);
    ASSERT_EQ(count, static_cast<int>(source->lines.size()));
    int k = 0;
    for (const auto& line : source->lines) {
        ++k;
        EXPECT_EQ(list.code(k), parseNumber(line.field(1)));
        EXPECT_EQ(TrimRight(list.names[k]), utf8ToCp1252(line.field(2)));
        EXPECT_EQ(list.descriptions[k], line.field(3));
    }
}

TEST_F(GeographyRoundTrip, CentresKeepLetterLocalityNameAndTelephone) {
    CompileContext ctx(kSources, testing::compiledGeography().folder);
    const auto centres = readCentres(ctx);
    ASSERT_GT(centres.size(), 1000u);
    ZoneTable zones[5];
    for (int z = 1; z <= 4; ++z)
        ReadZoneFile(files, "LU" + std::to_string(z), zones[z]);
    for (const auto& centre : centres) {
        const ZoneTable& zone = zones[centre.zone];
        ASSERT_LE(centre.line, zone.count()) << centre.key;
        const std::string& line = zone.lines[centre.line];
        EXPECT_EQ(line[0], centre.letter) << centre.key;
        EXPECT_EQ(TrimRight(cols(line, 2, 18)), centre.locality) << centre.key;
        EXPECT_EQ(TrimRight(cols(line, 19, centre.district.empty() ? 45 : 44)), centre.name)
            << centre.key;
        EXPECT_EQ(cols(line, 46, 54), centre.phone) << centre.key;
        // A centre listed by comarca or area carries its district's key in column 45.
        if (const DistrictSource* district = districts.find(centre.district)) {
            EXPECT_EQ(line[44], district->programKey[1]) << centre.key;
        }
        // The programmes a centre's source line names come first; the initial programmes
        // drawn for it follow, ten at most in all.
        const CentreCodes& codes = zone.codes[static_cast<std::size_t>(centre.line)];
        ASSERT_GE(codes.count, centre.programmes.size()) << centre.key;
        EXPECT_LE(codes.count, 10) << centre.key;
        for (std::size_t i = 0; i < centre.programmes.size(); ++i)
            EXPECT_EQ(codes.codes[i], centre.programmes[i]) << centre.key;
    }
}

TEST_F(GeographyRoundTrip, ComarcasAndTheFinerList) {
    Districts read;
    ASSERT_EQ(ReadDistricts(files, "comarcas", 20, read), 41 + 15);
    for (const auto& comarca : districts.comarcas) {
        EXPECT_EQ(read.keys[static_cast<std::size_t>(comarca.code)], comarca.programKey);
        EXPECT_EQ(TrimRight(read.names[static_cast<std::size_t>(comarca.code)]), comarca.names[0]);
    }
    for (std::size_t i = 0; i < districts.finer.size(); ++i) {
        const auto& entry = districts.finer[i];
        EXPECT_EQ(read.names[42 + i], entry.names[0]);
        EXPECT_EQ(read.keys[42 + i], entry.heading ? "  " : entry.programKey);
    }
}

TEST_F(GeographyRoundTrip, AreasKeepTheirLinesInOrder) {
    DistrictGroups read;
    ReadDistrictGroups(files, "comarcasm", 25, read);
    for (const auto& area : districts.areas) {
        const auto& lines = read.linesOfGroup[static_cast<std::size_t>(area.code)];
        ASSERT_EQ(lines.size(), area.names.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(read.names[static_cast<std::size_t>(lines[i])], area.names[i]);
            EXPECT_EQ(read.keys[static_cast<std::size_t>(lines[i])], area.programKey);
        }
    }
}

}  // namespace
}  // namespace rumbelo::data
