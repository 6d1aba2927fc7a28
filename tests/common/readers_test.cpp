#include <gtest/gtest.h>

#include <set>
#include "common/data/line_order.h"
#include "common/data/readers.h"

#include "support/data_folder.h"

namespace rumbelo {
namespace {

class ReadersTest : public ::testing::Test, protected testing::DataFolder {};

TEST_F(ReadersTest, LineTablePadsEveryLineToTheWidth) {
    dir.writeLines("COMUNIDA", {std::string(80, 'x'), "0123456789", ""});
    LineTable table;
    EXPECT_EQ(ReadLineTable(files, "COMUNIDA", table, 53), 3);
    EXPECT_EQ(table[0], "COMUNIDA");
    EXPECT_EQ(table[1], std::string(53, 'x'));
    EXPECT_EQ(table[2], "0123456789" + std::string(43, ' '));
    EXPECT_EQ(table[3], std::string(52, ' '));
    EXPECT_EQ(table[4], "");  // beyond the stored lines
    EXPECT_FALSE(aborted);
}

TEST_F(ReadersTest, WideLinesAreCutToTheEntryLength) {
    dir.writeLines("X", {std::string(100, 'y')});
    LineTable table;
    ReadLineTable(files, "X", table, 90);
    EXPECT_EQ(table[1].size(), 60u);
    TextTable texts;
    ReadTextTable(files, "X", texts, 90);
    EXPECT_EQ(texts[1].size(), 75u);
    WideTable wide;
    ReadWideTable(files, "X", wide);
    EXPECT_EQ(wide[1], std::string(90, 'y'));
}

TEST_F(ReadersTest, RawTablesNeitherPadNorTrim) {
    dir.writeLines("familias", {"1Agraria  ", "2"});
    LineTable table;
    EXPECT_EQ(ReadRawTable(files, "familias", table), 2);
    EXPECT_EQ(table[1], "1Agraria  ");
    EXPECT_EQ(table[2], "2");
}

TEST_F(ReadersTest, MissingFileShowsTheMessageAndSetsTheAbortFlag) {
    LineTable table;
    EXPECT_EQ(ReadLineTable(files, "CARRERA", table, 60), 0);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0], "Faltan ficheros (CARRERA). Vuelva a instalar el programa");
    EXPECT_TRUE(aborted);
}

TEST_F(ReadersTest, LanguageFolderPrefixesOnlyLocalizedNames) {
    files.language() = {true, "galego/"};
    EXPECT_EQ(files.localized("CARRERA"), "galego/CARRERA");
    dir.writeLines("galego/CARRERA", {"Dereito"});
    LineTable table;
    EXPECT_EQ(ReadLineTable(files, files.localized("CARRERA"), table, 60), 1);
    EXPECT_EQ(table[0], "galego/CARRERA");
    ReadLineTable(files, files.localized("OTROS"), table, 60);
    EXPECT_EQ(sink.messages.back(),
              "Faltan ficheros (galego/OTROS). Vuelva a instalar el programa");
}

TEST_F(ReadersTest, AFileBeyondItsCapacityIsReportedAndNeverOverrunsTheTable) {
    std::vector<std::string> lines(1001, "linea");
    dir.writeLines("SALIDAS", lines);
    LineTable table;
    EXPECT_EQ(ReadLineTable(files, "SALIDAS", table, 60), 1000);
    EXPECT_EQ(table.count(), 1000);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].find("SALIDAS"), std::string::npos);
    EXPECT_NE(sink.messages[0].find("1000"), std::string::npos);
    EXPECT_TRUE(aborted);
}

TEST_F(ReadersTest, DashIndexListsHeadingsWithTheirLineNumbers) {
    dir.writeLines("FP", {"-Agraria", "Titulo uno", "Titulo dos", "-|Artes", "Titulo tres"});
    LineTable headings;
    std::vector<int> index;
    EXPECT_EQ(ReadDashIndex(files, "FP", headings, index, 60), 2);
    EXPECT_EQ(index, (std::vector<int>{1, 4}));
    EXPECT_EQ(headings[1], "Agraria" + std::string(53, ' '));
    EXPECT_EQ(headings[2].substr(0, 6), "|Artes");
}

TEST_F(ReadersTest, ZoneFileCountsCodesUpToTheFirstBlankPair) {
    const std::string name = "MMadrid           IES Uno" + std::string(20, ' ') + "912345678 ";
    ASSERT_EQ(name.size(), 55u);
    dir.writeLines("LU2", {name + "010203" + "    05", name + "01XY03", name});
    ZoneTable zone;
    EXPECT_EQ(ReadZoneFile(files, "LU2", zone), 3);
    EXPECT_EQ(zone.lines[1], name);
    EXPECT_EQ(zone.codes[1].count, 3);
    EXPECT_EQ(zone.codes[1].codes[2], 3);
    EXPECT_EQ(zone.codes[1].codes[3], 0);  // reading stopped at the blank pair
    EXPECT_EQ(zone.codes[2].count, 3);     // a pair that is no number still counts
    EXPECT_EQ(zone.codes[2].codes[1], 0);
    EXPECT_EQ(zone.codes[3].count, 0);
}

TEST_F(ReadersTest, DoubleDegreesGroupMembersAndReportBadFields) {
    dir.writeLines("dobles", {"   1012013",  // a member before any group
                              "13Universidad Complutense", "   2004007",
                              "   XX04007",  // bad kind and bad A
                              "00Ignored group line", "   1  5 12"});
    DoubleDegrees doubles;
    EXPECT_EQ(ReadDoubleDegrees(files, "dobles", doubles), 1);
    ASSERT_EQ(doubles.groups[0].members.size(), 1u);
    EXPECT_EQ(doubles.groups[0].members[0].a, 12);
    const auto& ucm = doubles.groups[1];
    EXPECT_EQ(ucm.code, 13);
    EXPECT_EQ(ucm.name.substr(0, 26), "Universidad Complutense");
    ASSERT_EQ(ucm.members.size(), 3u);  // the line with code 00 is ignored
    EXPECT_EQ(ucm.members[0].kind, 2);
    EXPECT_EQ(ucm.members[0].a, 4);
    EXPECT_EQ(ucm.members[0].b, 7);
    EXPECT_EQ(ucm.members[1].kind, 0);
    EXPECT_EQ(ucm.members[1].a, 0);
    EXPECT_EQ(ucm.members[2].a, 5);
    EXPECT_EQ(ucm.members[2].b, 12);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"ERROR en fichero de dobles",
                                                       "ERROR en fichero de dobles"}));
}

TEST_F(ReadersTest, DistrictsByCodeThenFurtherDistrictsByLine) {
    std::vector<std::string> lines;
    for (int code = 1; code <= 41; ++code) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "%02d", code);
        lines.push_back(std::string("K") + static_cast<char>('A' + code % 26) + buf + "Comarca " +
                        buf);
    }
    lines.push_back("B1Ciutat Vella");
    lines.push_back("B2Eixample");
    dir.writeLines("comarcas", lines);
    Districts districts;
    EXPECT_EQ(ReadDistricts(files, "comarcas", 20, districts), 43);
    EXPECT_EQ(districts.names[7].substr(0, 10), "Comarca 07");
    EXPECT_EQ(districts.codeOfLine[7], 7);
    EXPECT_EQ(districts.keys[42], "B1");
    EXPECT_EQ(districts.names[43].substr(0, 8), "Eixample");
}

TEST_F(ReadersTest, ABadDistrictCodeStopsReadingAndKeepsTheCount) {
    std::vector<std::string> lines;
    for (int line = 1; line <= 10; ++line)
        lines.push_back(line == 7 ? "K7XXBad"
                                  : "K" + std::to_string(line % 10) + " " + std::to_string(line) +
                                        "Name");
    dir.writeLines("comarcas", lines);
    Districts districts;
    districts.count = 5;
    EXPECT_EQ(ReadDistricts(files, "comarcas", 20, districts), 5);
    EXPECT_EQ(sink.messages, (std::vector<std::string>{"mal 7"}));
    EXPECT_EQ(districts.codeOfLine[6], 6);
    EXPECT_EQ(districts.codeOfLine[8], 0);
}

TEST_F(ReadersTest, DistrictGroupsKeepAtMostThreeLinesPerCode) {
    dir.writeLines("comarcasm", {"M101Madrid centro", "M202Alcobendas", "M202San Sebastián",
                                 "M202Tres Cantos", "M202Colmenar", "M303Getafe"});
    DistrictGroups groups;
    EXPECT_EQ(ReadDistrictGroups(files, "comarcasm", 25, groups), 6);
    EXPECT_EQ(groups.linesOfGroup[2], (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(groups.keys[1], "M1");
    EXPECT_EQ(groups.names[6].substr(0, 6), "Getafe");
}

TEST_F(ReadersTest, TextsFileTrimsAndCutsAndKeepsTheNameAsOpened) {
    files.language() = {true, "euskera/"};
    dir.writeLines("euskera/textos", {"Kaixo   ", std::string(80, 'z')});
    TextTable table;
    ReadTextsFile(files, files.localized("textos"), table);
    EXPECT_EQ(table[0], "euskera/textos");
    EXPECT_EQ(table[1], "Kaixo");
    EXPECT_EQ(table[2], std::string(75, 'z'));
}

TEST(SortLineTable, ByteOrderPutsAccentedCapitalsLastAndUpperBeforeLower) {
    FixedTable table(60, 1000);
    // Windows-1252 bytes: Óptica, medicina, Medicina, Zoología, Derecho, ..., Álgebra.
    std::vector<std::string> bytes = {"\xD3ptica",
                                      "medicina",
                                      "Medicina",
                                      "Zoolog\xED"
                                      "a",
                                      "Derecho",
                                      "Derecho y ADE",
                                      "\xC1lgebra"};
    for (int k = 1; k <= 7; ++k)
        table.set(k, bytes[static_cast<std::size_t>(k - 1)]);
    std::vector<int> index;
    SortLineTable(table, index, 7);
    EXPECT_EQ(table[1], "Derecho");
    EXPECT_EQ(table[2], "Derecho y ADE");
    EXPECT_EQ(table[3], "Medicina");
    EXPECT_EQ(table[4],
              "Zoolog\xED"
              "a");
    EXPECT_EQ(table[5], "medicina");
    EXPECT_EQ(table[6], "\xC1lgebra");
    EXPECT_EQ(table[7], "\xD3ptica");
    EXPECT_EQ(index, (std::vector<int>{5, 6, 3, 4, 2, 7, 1}));
}

TEST(SortLineTable, EqualEntriesKeepTheirOrder) {
    FixedTable table(60, 1000);
    table.set(1, "b");
    table.set(2, "a");
    table.set(3, "a");
    std::vector<int> index;
    SortLineTable(table, index, 3);
    EXPECT_EQ(index, (std::vector<int>{2, 3, 1}));
}

TEST(PlaceKeys, SixtyFourDistinctKeysInTheirFixedOrder) {
    const PlaceKeys keys = FillPlaceKeys();
    EXPECT_EQ(keys.front(), "37");
    EXPECT_EQ(keys[33], "45");  // Cataluña starts zone 4
    EXPECT_EQ(keys.back(), "32");
    std::set<std::string> unique(keys.begin(), keys.end());
    EXPECT_EQ(unique.size(), 64u);
    for (const auto& key : keys)
        EXPECT_TRUE(key[0] >= '1' && key[0] <= '4') << key;
}

}  // namespace
}  // namespace rumbelo
