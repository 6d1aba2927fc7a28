// The higher-FP catalogue as the degrees form loads it: family index, marked families,
// route test, the binary link and offer tables.
#include <gtest/gtest.h>

#include "common/texts/interface_texts.h"
#include "degrees/data/fp_catalog.h"
#include "support/counted_rows.h"
#include "support/data_folder.h"

namespace rumbelo::degrees {
namespace {

using Folder = testing::DataFolder;

// "FP" with three families; the last two start at lines 4 and 7, and the file ends at 9.
const std::vector<std::string> kThreeFamilies = {
    "-Administraci\xF3n",
    "Administraci\xF3n y Finanzas",
    "Secretariado",
    "-Inform\xE1tica",
    "Desarrollo de Aplicaciones",
    "Sistemas",
    "-|Artes Pl\xE1sticas",
    "Gr\xE1"
    "fica Publicitaria",
    "Ilustraci\xF3n",
};

TEST(RouteTest, RouteZeroAcceptsEveryTitleEvenWithoutRequirements) {
    EXPECT_TRUE(qualifiesForRoute({}, 0));
    EXPECT_TRUE(qualifiesForRoute({2, 13}, 0));
}

TEST(RouteTest, EachRouteAcceptsItsOwnLineOnly) {
    for (int route = 1; route <= 4; ++route) {
        EXPECT_TRUE(qualifiesForRoute({2, 7 + route}, route)) << route;
        for (int other = 1; other <= 4; ++other)
            if (other != route) {
                EXPECT_FALSE(qualifiesForRoute({7 + route}, other)) << route;
            }
    }
}

TEST(RouteTest, LineTwelveOpensEveryRoute) {
    for (int route = 1; route <= 4; ++route)
        EXPECT_TRUE(qualifiesForRoute({2, 12}, route)) << route;
}

TEST(RouteTest, LineThirtyOneOpensRouteThreeOnly) {
    EXPECT_TRUE(qualifiesForRoute({31}, 3));
    EXPECT_FALSE(qualifiesForRoute({31}, 1));
    EXPECT_FALSE(qualifiesForRoute({31}, 2));
    EXPECT_FALSE(qualifiesForRoute({31}, 4));
}

TEST(RouteTest, AnEmptyRowQualifiesForNoNumberedRoute) {
    for (int route = 1; route <= 4; ++route)
        EXPECT_FALSE(qualifiesForRoute({}, route)) << route;
    EXPECT_FALSE(qualifiesForRoute({8, 9, 10, 11, 12}, 5));
}

TEST(FamilyIndex, HeadersKeepTheirLinesAndASentinelClosesTheLastFamily) {
    Folder folder;
    folder.dir.writeLines("FP", kThreeFamilies);
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    ASSERT_EQ(fp.families.count(), 3);
    EXPECT_EQ(fp.families.headerLines, (std::vector<int>{1, 4, 7, 10}));
    EXPECT_EQ(fp.families.headerLine(4), 10);
    EXPECT_EQ(fp.families.headerLine(5), 0);
    EXPECT_EQ(fp.familyName(2).substr(0, 11), "Inform\xE1tica");
    EXPECT_EQ(fp.familyTitles(1), (std::vector<int>{2, 3}));
    EXPECT_EQ(fp.familyTitles(3), (std::vector<int>{8, 9}));
    EXPECT_EQ(fp.familyOf(5), 2);
    EXPECT_EQ(fp.familyOf(9), 3);
    EXPECT_TRUE(fp.isFamilyHeader(4));
    EXPECT_FALSE(fp.isFamilyHeader(5));
}

TEST(FamilyIndex, AFamilyWithoutTitlesBeforeTheEndHasNone) {
    Folder folder;
    folder.dir.writeLines("FP", {"-Uno", "-Dos", "Un t\xEDtulo"});
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    EXPECT_TRUE(fp.familyTitles(1).empty());
    EXPECT_EQ(fp.familyTitles(2), (std::vector<int>{3}));
}

TEST(MarkedFamilies, CountsTheHeadersBeforeTheFirstBarFamily) {
    Folder folder;
    folder.dir.writeLines("FP", kThreeFamilies);
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    EXPECT_EQ(markedFamilyCount(fp.families), 2);
}

TEST(MarkedFamilies, IsZeroWithoutABarFamily) {
    Folder folder;
    folder.dir.writeLines("FP", {"-Uno", "T\xEDtulo", "-Dos", "Otro"});
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    EXPECT_EQ(markedFamilyCount(fp.families), 0);
}

TEST(MarkedFamilies, IsZeroWhenTheFirstFamilyIsMarked) {
    Folder folder;
    folder.dir.writeLines("FP", {"-|Uno", "T\xEDtulo", "-Dos", "Otro"});
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    EXPECT_EQ(markedFamilyCount(fp.families), 0);
}

TEST(FpTexts, Step3SetsTheCountAndTheHeadings) {
    Folder folder;
    folder.dir.writeLines("FP", kThreeFamilies);
    folder.dir.writeLines("carreFP", {"Arquitectura T\xE9"
                                      "cnica"});
    folder.dir.writeLines("REQFP", {"Centros"});
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    EXPECT_EQ(fp.titles[0], "FP");
    InterfaceTexts texts;
    texts.set(294, "Familias profesionales");
    texts.set(48, "Carreras");
    texts.set(277, "Requisitos");
    finishFpTexts(fp, texts);
    EXPECT_EQ(fp.markedFamilies, 2);
    EXPECT_EQ(fp.titles[0], "Familias profesionales");
    EXPECT_EQ(fp.reachableDegrees[0], "Carreras");
    EXPECT_EQ(fp.requirements[0], "Requisitos");
    EXPECT_EQ(fp.titleName(2).size(), 60u);  // padded like every line of the form
}

TEST(FpTexts, TheLanguageFolderIsUsedForEveryTextFile) {
    Folder folder;
    folder.dir.writeLines("galego/FP", {"-Fam\xEDlia", "T\xEDtulo"});
    folder.dir.writeLines("galego/carreFP", {"Grao"});
    folder.dir.writeLines("galego/REQFP", {"Centros"});
    folder.files.language() = {true, "galego/"};
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    EXPECT_FALSE(folder.aborted);
    EXPECT_EQ(fp.titleCount(), 2);
    EXPECT_EQ(fp.titles[0], "galego/FP");
}

TEST(FpTexts, AMissingFileIsReportedAndSetsTheAbortFlag) {
    Folder folder;
    folder.dir.writeLines("FP", kThreeFamilies);
    folder.dir.writeLines("REQFP", {"Centros"});
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    EXPECT_TRUE(folder.aborted);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_EQ(folder.sink.messages[0], "Faltan ficheros (carreFP). Vuelva a instalar el programa");
    EXPECT_EQ(fp.requirements.count(), 1);  // loading goes on, as the readers do
}

std::string linksRecord() {
    std::string record(kFpLinksRecordSize, '\0');
    // Title 2: requirements 2, 10, 31; degrees 5, 5; groups 7.
    testing::putCountedRow(record, 1 * kRequirementRowBytes, {2, 10, 31});
    testing::putCountedRow(record, kDegreeTableOffset + 1 * kDegreeRowBytes, {5, 5});
    testing::putCountedRow(record, kGroupTableOffset + 1 * kGroupRowBytes, {7});
    // Title 130: a count larger than its row holds.
    record[kGroupTableOffset + 129 * kGroupRowBytes] = static_cast<char>(200);
    return record;
}

TEST(FpLinks, RowsAreReadFromTheirThreeTables) {
    Folder folder;
    folder.dir.write("datFPR", linksRecord());
    FpCatalog fp;
    loadFpLinks(folder.files, fp);
    EXPECT_EQ(fp.accessRequirements(2), (std::vector<int>{2, 10, 31}));
    EXPECT_EQ(fp.degreesReached(2), (std::vector<int>{5, 5}));
    EXPECT_EQ(fp.groups(2), (std::vector<int>{7}));
    EXPECT_TRUE(fp.accessRequirements(1).empty());
    EXPECT_TRUE(fp.qualifies(2, 3));
    EXPECT_FALSE(fp.qualifies(2, 1));
    EXPECT_TRUE(fp.qualifies(1, 0));
    EXPECT_FALSE(fp.qualifies(1, 3));
    EXPECT_TRUE(fp.accessRequirements(131).empty());
}

TEST(FpLinks, ACountBeyondItsRowStopsAtTheRowEnd) {
    Folder folder;
    folder.dir.write("datFPR", linksRecord());
    FpCatalog fp;
    loadFpLinks(folder.files, fp);
    EXPECT_EQ(fp.groups(130).size(), static_cast<std::size_t>(kGroupRowBytes - 1));
}

TEST(FpLinks, TitlesOfAGroupFollowFpOrderOncePerListing) {
    Folder folder;
    std::string record = linksRecord();
    testing::putCountedRow(record, kGroupTableOffset + 4 * kGroupRowBytes, {7, 7});  // title 5
    folder.dir.write("datFPR", record);
    folder.dir.writeLines("FP", {"-A", "a", "b", "c", "d"});
    FpCatalog fp;
    loadFpTexts(folder.files, fp);
    loadFpLinks(folder.files, fp);
    EXPECT_EQ(fp.titlesOfGroup(7), (std::vector<int>{2, 5, 5}));
}

TEST(FpLinks, AMissingOrShortFileIsReported) {
    Folder missing;
    FpCatalog fp;
    loadFpLinks(missing.files, fp);
    EXPECT_TRUE(missing.aborted);
    EXPECT_EQ(missing.sink.messages.at(0),
              "Faltan ficheros (datFPR). Vuelva a instalar el programa");

    Folder shortFile;
    shortFile.dir.write("datFPR", std::string(100, '\0'));
    loadFpLinks(shortFile.files, fp);
    EXPECT_TRUE(shortFile.aborted);
    EXPECT_TRUE(fp.links.empty());
}

TEST(FpOffer, EachZoneRecordListsTheCentresOfEachTitle) {
    std::string bytes(kFpOfferRecordSize * kFpZones, '\0');
    auto put = [&](int zone, int title, int word, int value) {
        const std::size_t at = static_cast<std::size_t>(zone - 1) * kFpOfferRecordSize +
                               static_cast<std::size_t>(title - 1) * kOfferRowWords * 2 +
                               static_cast<std::size_t>(word) * 2;
        bytes[at] = static_cast<char>(value & 0xFF);
        bytes[at + 1] = static_cast<char>(value >> 8);
    };
    put(3, 2, 0, 2);
    put(3, 2, 1, 300);  // needs both bytes
    put(3, 2, 2, 7);
    put(4, 130, 0, 1);
    put(4, 130, 1, 1);
    Folder folder;
    folder.dir.write("datFPL", bytes);
    FpCatalog fp;
    loadFpOffer(folder.files, fp);
    EXPECT_EQ(fp.centres(2, 3), (std::vector<int>{300, 7}));
    EXPECT_TRUE(fp.centres(2, 1).empty());
    EXPECT_EQ(fp.centres(130, 4), (std::vector<int>{1}));
    EXPECT_TRUE(fp.centres(2, 5).empty());
}

TEST(FpOffer, AShortFileIsReportedLikeAMissingOne) {
    Folder folder;
    folder.dir.write("datFPL", std::string(kFpOfferRecordSize * 3, '\0'));
    FpCatalog fp;
    loadFpOffer(folder.files, fp);
    EXPECT_TRUE(folder.aborted);
    EXPECT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_TRUE(fp.centres(1, 1).empty());
}

TEST(FpBlocks, BlockKBelongsToLineKOfFp) {
    Folder folder;
    std::vector<std::string> lines;
    for (int block = 1; block <= 2; ++block) {
        lines.push_back("[separador]");
        for (int i = 1; i <= 25; ++i)
            lines.push_back("bloque " + std::to_string(block) + " l\xEDnea " + std::to_string(i));
    }
    folder.dir.writeLines("asignafp", lines);
    FpCatalog fp;
    loadFpBlocks(folder.files, fp);
    EXPECT_EQ(fp.blocks.count(), 2);
    EXPECT_EQ(fp.blockLine(2, 25).substr(0, 17), "bloque 2 l\xEDnea 25");
    EXPECT_EQ(fp.blockLine(1, 1).size(), 50u);
}

}  // namespace
}  // namespace rumbelo::degrees
