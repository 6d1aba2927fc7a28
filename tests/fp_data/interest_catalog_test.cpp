// The questionnaire's statements, groups and group item lists as the degrees form loads them.
#include <gtest/gtest.h>

#include "common/texts/interface_texts.h"
#include "degrees/data/interest_catalog.h"
#include "support/counted_rows.h"
#include "support/data_folder.h"

namespace rumbelo::degrees {
namespace {

using Folder = testing::DataFolder;

// One record of datgru with the given rows (row g = group g).
std::string groupRecord(const std::vector<std::vector<int>>& rows) {
    std::string record(kGroupItemsRecordSize, '\0');
    for (std::size_t g = 0; g < rows.size(); ++g)
        testing::putCountedRow(record, g * kGroupItemRowBytes, rows[g]);
    return record;
}

TEST(GroupItems, RecordOneIsForQualitiesAndTwoForInterests) {
    Folder folder;
    folder.dir.write("datgru", groupRecord({{1, 2, 2}, {5}}) + groupRecord({{9}, {3, 4}}));
    InterestCatalog interest;
    loadGroupItems(folder.files, interest);
    EXPECT_FALSE(folder.aborted);
    EXPECT_EQ(interest.groupItems(Questionnaire::Qualities, 1), (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(interest.groupItems(Questionnaire::Qualities, 2), (std::vector<int>{5}));
    EXPECT_EQ(interest.groupItems(Questionnaire::Interests, 2), (std::vector<int>{3, 4}));
    EXPECT_TRUE(interest.groupItems(Questionnaire::Interests, 3).empty());
    EXPECT_TRUE(interest.groupItems(Questionnaire::Interests, 0).empty());
    EXPECT_TRUE(interest.groupItems(Questionnaire::Interests, 201).empty());
}

TEST(GroupItems, TheLastCompletePairOfRecordsCounts) {
    Folder folder;
    folder.dir.write("datgru", groupRecord({{1}}) + groupRecord({{2}}) + groupRecord({{7}}) +
                                   groupRecord({{8}}) + std::string(300, '\x05'));
    InterestCatalog interest;
    loadGroupItems(folder.files, interest);
    EXPECT_EQ(interest.groupItems(Questionnaire::Qualities, 1), (std::vector<int>{7}));
    EXPECT_EQ(interest.groupItems(Questionnaire::Interests, 1), (std::vector<int>{8}));
}

TEST(GroupItems, ACountBeyondTheRowStopsAtItsEnd) {
    std::string record = groupRecord({});
    record[0] = static_cast<char>(250);
    const auto rows = decodeGroupItemsRecord(record);
    EXPECT_EQ(rows[1].size(), static_cast<std::size_t>(kGroupItemRowBytes - 1));
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(kGroupItemRows + 1));
}

TEST(GroupItems, AMissingOrIncompleteFileIsReported) {
    Folder missing;
    InterestCatalog interest;
    loadGroupItems(missing.files, interest);
    EXPECT_TRUE(missing.aborted);
    EXPECT_EQ(missing.sink.messages.at(0),
              "Faltan ficheros (datgru). Vuelva a instalar el programa");

    Folder oneRecord;
    oneRecord.dir.write("datgru", groupRecord({{1}}));
    loadGroupItems(oneRecord.files, interest);
    EXPECT_TRUE(oneRecord.aborted);
    EXPECT_TRUE(interest.groupItems(Questionnaire::Qualities, 1).empty());
}

TEST(InterestTexts, ReadThroughTheLanguageFolderWithTheirHeadings) {
    Folder folder;
    folder.dir.writeLines("catVal/CUALIDAD", {"Soc pacient", "Treballe en equip"});
    folder.dir.writeLines("catVal/INTERES", {"La m\xFAsica"});
    folder.dir.writeLines("catVal/GRUPOS", {"Salut", "Ci\xE8ncies"});
    folder.files.language() = {true, "catVal/"};
    InterestCatalog interest;
    loadInterestTexts(folder.files, interest);
    EXPECT_FALSE(folder.aborted);
    EXPECT_EQ(interest.qualities.count(), 2);
    EXPECT_EQ(interest.groupCount(), 2);
    EXPECT_EQ(interest.statements(Questionnaire::Interests)[1].substr(0, 9), "La m\xFAsica");
    InterfaceTexts texts;
    texts.set(279, "Cualidades");
    texts.set(280, "Intereses");
    texts.set(281, "Grupos");
    finishInterestTexts(interest, texts);
    EXPECT_EQ(interest.qualities[0], "Cualidades");
    EXPECT_EQ(interest.interests[0], "Intereses");
    EXPECT_EQ(interest.groups[0], "Grupos");
}

}  // namespace
}  // namespace rumbelo::degrees
