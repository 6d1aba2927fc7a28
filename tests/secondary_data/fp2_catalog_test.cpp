// The intermediate-FP titles as the secondary form loads them: family index with its
// sentinel, first-group size, module blocks and the offer table.
#include <gtest/gtest.h>

#include "secondary/data/fp2_catalog.h"
#include "support/data_folder.h"

namespace rumbelo::secondary {
namespace {

using Folder = testing::DataFolder;

const std::vector<std::string> kWithoutMarkedFamilies = {
    "-Administraci\xF3n",
    "Gesti\xF3n Administrativa",
    "-Sanidad",
    "Farmacia",
    "Cuidados Auxiliares de Enfermer\xED"
    "a",
};

TEST(Fp2Catalog, WithoutMarkedFamiliesTheFirstGroupIsEmptyAndTheLastFamilyRunsToTheEnd) {
    Folder folder;
    folder.dir.writeLines("FP2", kWithoutMarkedFamilies);
    folder.dir.writeLines("asignagm", {});
    Fp2Catalog fp2;
    loadFp2Texts(folder.files, fp2);
    EXPECT_FALSE(folder.aborted);
    ASSERT_EQ(fp2.families.count(), 2);
    EXPECT_EQ(fp2.firstGroupSize, 0);
    EXPECT_EQ(fp2.families.headerLine(3), 6);  // the sentinel: lines + 1
    EXPECT_EQ(fp2.familyTitles(1), (std::vector<int>{2}));
    EXPECT_EQ(fp2.familyTitles(2), (std::vector<int>{4, 5}));
    EXPECT_EQ(fp2.familyOf(5), 2);
    EXPECT_TRUE(fp2.isFamilyHeader(3));
    EXPECT_FALSE(fp2.isFamilyHeader(4));
}

TEST(Fp2Catalog, TheFirstMarkedFamilyClosesTheFirstGroup) {
    Folder folder;
    auto lines = kWithoutMarkedFamilies;
    lines.insert(lines.end(), {"-|Ense\xF1"
                               "anzas Deportivas",
                               "T\xE9"
                               "cnico Deportivo en F\xFAtbol"});
    folder.dir.writeLines("FP2", lines);
    folder.dir.writeLines("asignagm", {});
    Fp2Catalog fp2;
    loadFp2Texts(folder.files, fp2);
    EXPECT_EQ(fp2.firstGroupSize, 2);
    EXPECT_EQ(fp2.familyTitles(3), (std::vector<int>{7}));
}

TEST(Fp2Catalog, AnFp2LongerThanTheOfferTableIsReportedAndCut) {
    Folder folder;
    std::vector<std::string> lines;
    for (int family = 0; family < 14; ++family) {
        lines.push_back("-Familia " + std::to_string(family));
        for (int t = 0; t < 9; ++t)
            lines.push_back("T\xEDtulo " + std::to_string(t));
    }
    folder.dir.writeLines("FP2", lines);  // 140 lines, a header at line 131
    folder.dir.writeLines("asignagm", {});
    Fp2Catalog fp2;
    loadFp2Texts(folder.files, fp2);
    EXPECT_TRUE(folder.aborted);
    ASSERT_FALSE(folder.sink.messages.empty());
    EXPECT_NE(folder.sink.messages.front().find("FP2"), std::string::npos);
    EXPECT_NE(folder.sink.messages.front().find("130"), std::string::npos);
    EXPECT_EQ(fp2.titleCount(), 130);
    EXPECT_EQ(fp2.families.count(), 13);
    EXPECT_EQ(fp2.families.headerLine(14), 131);
}

TEST(Fp2Catalog, BlocksSkipTheirSeparatorAndTheOfferReadsEachZone) {
    Folder folder;
    folder.dir.writeLines("FP2", kWithoutMarkedFamilies);
    std::vector<std::string> blocks;
    for (int b = 1; b <= 2; ++b) {
        blocks.push_back("[separador]");
        for (int i = 1; i <= 25; ++i)
            blocks.push_back("b" + std::to_string(b) + " l" + std::to_string(i) +
                             std::string(60, 'x'));
    }
    folder.dir.writeLines("asignagm", blocks);
    std::string offer(4 * 84760, '\0');
    // Zone 3, FP2 line 4: centres 7 and 300.
    const std::size_t row = 2 * 84760 + 3 * 652;
    offer[row] = 2;
    offer[row + 2] = 7;
    offer[row + 4] = static_cast<char>(300 & 0xFF);
    offer[row + 5] = static_cast<char>(300 >> 8);
    folder.dir.write("datFPL2", offer);
    Fp2Catalog fp2;
    loadFp2Texts(folder.files, fp2);
    loadFp2Offer(folder.files, fp2);
    EXPECT_FALSE(folder.aborted);
    EXPECT_EQ(fp2.blocks.count(), 2);
    EXPECT_EQ(fp2.blockLine(2, 1).substr(0, 6), "b2 l1x");
    EXPECT_EQ(fp2.blockLine(2, 25).size(), 50u);  // kept 50 wide
    EXPECT_EQ(fp2.centres(4, 3), (std::vector<int>{7, 300}));
    EXPECT_TRUE(fp2.centres(4, 2).empty());
    EXPECT_TRUE(fp2.centres(4, 5).empty());
}

TEST(Fp2Catalog, AMissingOrShortOfferFileIsReported) {
    Folder folder;
    Fp2Catalog fp2;
    loadFp2Offer(folder.files, fp2);
    EXPECT_TRUE(folder.aborted);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_NE(folder.sink.messages[0].find("datFPL2"), std::string::npos);

    Folder shortFolder;
    shortFolder.dir.write("datFPL2", std::string(3 * 84760, '\0'));
    loadFp2Offer(shortFolder.files, fp2);
    EXPECT_TRUE(shortFolder.aborted);
}

}  // namespace
}  // namespace rumbelo::secondary
