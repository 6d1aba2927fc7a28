#include <gtest/gtest.h>

#include "common/data/readers.h"
#include "support/data_folder.h"

namespace rumbelo {
namespace {

class GroupedTest : public ::testing::Test, protected testing::DataFolder {
  protected:
    // `blocks` blocks of g lines, each preceded by a separator line.
    void writeBlocks(const std::string& name, int blocks, int g) {
        std::vector<std::string> lines;
        for (int b = 1; b <= blocks; ++b) {
            lines.push_back("=== separador " + std::to_string(b));
            for (int i = 1; i <= g; ++i)
                lines.push_back(i == 1 ? std::to_string(b % 7 + 1) + " dificultad"
                                       : "Bloque " + std::to_string(b) + " linea " +
                                             std::to_string(i));
        }
        dir.writeLines(name, lines);
    }
};

TEST_F(GroupedTest, SeparatorsOpenGroupsAndAreNotStored) {
    writeBlocks("asignacar", 3, 30);
    GroupedTable table;
    EXPECT_EQ(ReadGroupedTable(files, "asignacar", kSubjectBlocks, table), 3);
    EXPECT_EQ(table.line(2, 2).substr(0, 17), "Bloque 2 linea 2 ");
    EXPECT_EQ(table.line(2, 2).size(), 50u);  // padded to 60, cut to 50
    EXPECT_EQ(table.kind(1), 2);
    EXPECT_EQ(table.kind(3), 4);
    EXPECT_EQ(table.line(4, 1), "");
}

TEST_F(GroupedTest, AGroupWithoutADigitHasKindZero) {
    dir.writeLines("asignacar", {"sep", "Sin dificultad"});
    GroupedTable table;
    ReadGroupedTable(files, "asignacar", kSubjectBlocks, table);
    EXPECT_EQ(table.kind(1), 0);
}

TEST_F(GroupedTest, SubjectBlocksStopAtTheReaderLineLimit) {
    writeBlocks("asignacar", 161, 30);  // 161 x 31 = 4991 lines: fits
    GroupedTable table;
    EXPECT_EQ(ReadGroupedTable(files, "asignacar", kSubjectBlocks, table), 161);
    EXPECT_FALSE(aborted);
    writeBlocks("asignacar", 162, 30);  // 5022 lines: beyond what the reader takes
    EXPECT_EQ(ReadGroupedTable(files, "asignacar", kSubjectBlocks, table), 162);
    EXPECT_TRUE(aborted);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].find("5000"), std::string::npos);
}

TEST_F(GroupedTest, MoreBlocksThanTheTableHoldsAreReported) {
    writeBlocks("asignaot", 49, 50);
    GroupedTable table;
    EXPECT_EQ(ReadGroupedTable(files, "asignaot", kOtherBlocks, table), 49);
    EXPECT_FALSE(aborted);
    writeBlocks("asignafp", 131, 25);
    EXPECT_EQ(ReadGroupedTable(files, "asignafp", kTitleBlocks, table), 130);
    EXPECT_TRUE(aborted);
    EXPECT_NE(sink.messages.back().find("asignafp"), std::string::npos);
}

TEST_F(GroupedTest, PlaceListSplitsCodeNameAndWebAddress) {
    const std::string name = "Universidad de Sevilla             ";
    ASSERT_EQ(name.size(), 35u);
    dir.writeLines("LUGAR", {" 1" + name + "us.es    ", "13Universidad Complutense"});
    PlaceList places;
    EXPECT_EQ(ReadPlaceList(files, "LUGAR", places), 2);
    EXPECT_EQ(places.names[0], "LUGAR");
    EXPECT_EQ(places.code(1), 1);
    EXPECT_EQ(places.names[1], name);
    EXPECT_EQ(places.descriptions[1], "us.es");
    EXPECT_EQ(places.code(2), 13);
    EXPECT_EQ(places.descriptions[2], "");
}

TEST_F(GroupedTest, CommunityInfoSkipsTheFirstFourteenColumns) {
    dir.writeLines("COMUINT", {"Andalucia     juntadeandalucia.es/educacion   "});
    LineTable info;
    EXPECT_EQ(ReadCommunityInfo(files, "COMUINT", info), 1);
    EXPECT_EQ(info[1], "juntadeandalucia.es/educacion");
}

TEST_F(GroupedTest, MissingGeographyFilesAreReportedLikeAnyOther) {
    PlaceList places;
    ReadPlaceList(files, "LUGAR", places);
    EXPECT_TRUE(aborted);
    EXPECT_EQ(sink.messages.back(), "Faltan ficheros (LUGAR). Vuelva a instalar el programa");
}

TEST_F(GroupedTest, RecordsNeedTheirWholeLength) {
    dir.write("datFPL2", std::string(4 * kOfferRecordSize, '\x01'));
    const auto records = ReadRecords(files, "datFPL2");
    ASSERT_TRUE(records);
    EXPECT_EQ(records->size(), 4u);
    EXPECT_EQ((*records)[3].size(), kOfferRecordSize);
    dir.write("datFPL2", std::string(4 * kOfferRecordSize - 1, '\x01'));
    EXPECT_FALSE(ReadRecords(files, "datFPL2"));
    EXPECT_TRUE(aborted);
}

TEST_F(GroupedTest, OnlyTheLastWholeGroupOfRecordsIsKept) {
    // Two groups of three 4-byte records, then half a group more.
    dir.write("datgru", std::string(12, 'a') + "xxxxyyyyzzzz" + std::string(6, 'b'));
    const auto records = ReadLastRecordGroup(files, "datgru", 4, 3);
    ASSERT_TRUE(records);
    EXPECT_EQ(*records, (std::vector<std::string>{"xxxx", "yyyy", "zzzz"}));
    EXPECT_FALSE(aborted);
}

TEST_F(GroupedTest, AGroupOfRecordsCutShortIsReported) {
    dir.write("datgru", std::string(11, 'a'));
    EXPECT_FALSE(ReadLastRecordGroup(files, "datgru", 4, 3));
    EXPECT_TRUE(aborted);
}

TEST_F(GroupedTest, AMissingFileOfRecordGroupsIsReported) {
    EXPECT_FALSE(ReadLastRecordGroup(files, "datcar", 4, 3));
    EXPECT_TRUE(aborted);
    EXPECT_EQ(sink.messages.back(), "Faltan ficheros (datcar). Vuelva a instalar el programa");
}

}  // namespace
}  // namespace rumbelo
