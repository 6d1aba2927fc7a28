// Loading the secondary form's files: the order's missing-file reports, the result texts of
// "ITINERAR", the area lists of "datitine" and the widths the files are read with.
#include <gtest/gtest.h>

#include "secondary/data/line_fields.h"
#include "secondary/data/secondary_data.h"
#include "support/counted_rows.h"
#include "support/data_folder.h"

namespace rumbelo::secondary {
namespace {

using Folder = testing::DataFolder;

const char* const kTextFiles[] = {"MATERIAS", "TITULOS", "CARRERAS", "INFORMA", "FPS",
                                  "CUESTION", "CUESGM",  "ITINERAR", "FP2",     "asignagm"};
// An offer table of four zones in which no centre teaches anything.
const std::string kEmptyOffer(4 * kOfferRows * kOfferRowWords * 2, '\0');

std::string missingMessage(const std::string& name) {
    return "Faltan ficheros (" + name + "). Vuelva a instalar el programa";
}

// ITINERAR lines 1..n, each naming its own number.
std::vector<std::string> itineraryLines(int n) {
    std::vector<std::string> lines;
    for (int k = 1; k <= n; ++k)
        lines.push_back("Linea " + std::to_string(k) + " con un texto algo largo para cortar");
    return lines;
}

// Every text file with one line, so that only what a test changes is reported.
void writeEveryTextFile(const Folder& folder) {
    for (const std::string name : kTextFiles)
        folder.dir.writeLines(name, {"11Una linea"});
}

std::string areaFile(const std::vector<int>& rowA1, const std::vector<int>& rowB1) {
    std::string bytes(2 * kAreaRecordSize, '\0');
    testing::putCountedRow(bytes, 0, rowA1);
    testing::putCountedRow(bytes, kAreaRecordSize, rowB1);
    return bytes;
}

TEST(SecondaryLoadingTest, EachMissingTextFileIsReportedAndTheOthersAreStillRead) {
    for (const std::string missing : kTextFiles) {
        Folder folder;
        for (const std::string name : kTextFiles)
            if (name != missing) folder.dir.writeLines(name, {"11Una linea"});
        SecondaryData data;
        loadSecondaryTexts(folder.files, data);
        // FP2 is read twice (whole, then its headers), so it may be told twice.
        ASSERT_FALSE(folder.sink.messages.empty()) << missing;
        for (const auto& message : folder.sink.messages)
            EXPECT_EQ(message, missingMessage(missing));
        EXPECT_TRUE(folder.aborted);
        EXPECT_EQ(data.statements.count(), missing == "CUESTION" ? 0 : 1) << missing;
        EXPECT_EQ(data.subjects.count(), missing == "MATERIAS" ? 0 : 1) << missing;
    }
}

TEST(SecondaryLoadingTest, TextFilesComeFromTheLanguageFolderAndDatitineNever) {
    Folder folder;
    for (const std::string name : kTextFiles)
        folder.dir.writeLines("galego/" + name, {"11Unha li\xF1"
                                                 "a"});
    folder.dir.write("datitine", areaFile({1, 2}, {3}));
    folder.dir.write("datFPL2", kEmptyOffer);
    folder.files.language() = {true, "galego/"};
    SecondaryData data;
    loadSecondaryTexts(folder.files, data);
    loadSecondaryTables(folder.files, data);
    EXPECT_TRUE(folder.sink.messages.empty());
    EXPECT_EQ(data.subjects[0], "galego/MATERIAS");
    EXPECT_EQ(data.areas.statementsOf(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(data.fp2.titles[0], "galego/FP2");
}

TEST(ItineraryTest, AShortFileLeavesTheMissingResultTextsEmptyAndCountsTwentyAreas) {
    Folder folder;
    folder.dir.writeLines("ITINERAR", itineraryLines(40));
    SecondaryData data;
    loadSecondaryTexts(folder.files, data);
    EXPECT_EQ(data.itinerary.count(), kAreaCount);
    EXPECT_EQ(
        data.results.heading,
        std::string("Linea 21 con un texto algo largo para cortar").substr(0, kShortTextLength));
    EXPECT_EQ(data.results.recommendation[6].substr(0, 8), "Linea 27");
    EXPECT_EQ(data.results.resultLine(30).substr(0, 8), "Linea 30");
    EXPECT_EQ(data.results.resultLine(40).size(), static_cast<std::size_t>(kItineraryWidth));
    for (int n = 41; n <= 52; ++n)
        EXPECT_EQ(data.results.resultLine(n), "") << n;
}

TEST(ItineraryTest, AFileShorterThanTheAreasStillCountsTwenty) {
    Folder folder;
    folder.dir.writeLines("ITINERAR", itineraryLines(13));
    SecondaryData data;
    loadSecondaryTexts(folder.files, data);
    EXPECT_EQ(data.itinerary.count(), kAreaCount);
    EXPECT_EQ(data.itinerary[20], "");
    EXPECT_EQ(data.results.heading, "");
    EXPECT_EQ(data.results.resultLine(30), "");
}

TEST(ItineraryTest, MoreThanFiftyNineLinesAreReportedAndNeverStored) {
    Folder folder;
    writeEveryTextFile(folder);
    folder.dir.writeLines("ITINERAR", itineraryLines(61));
    SecondaryData data;
    loadSecondaryTexts(folder.files, data);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_NE(folder.sink.messages.back().find("ITINERAR"), std::string::npos);
    EXPECT_NE(folder.sink.messages.back().find("59"), std::string::npos);
    EXPECT_EQ(data.results.resultLine(59).substr(0, 8), "Linea 59");
    EXPECT_EQ(data.results.resultLine(60), "");
}

TEST(WidthTest, CarrerasNamesEndAtColumnFiftyAndFpsIsReadFiftyWide) {
    Folder folder;
    const std::string name45 = "Licenciatura con un nombre de cuarenta y cinc";
    folder.dir.writeLines("CARRERAS", {"1 3  " + name45 + "0123456789"});
    folder.dir.writeLines("FPS", {"1  4   Un ciclo superior cuyo nombre pasa de 43 y sigue"});
    SecondaryData data;
    loadSecondaryTexts(folder.files, data);
    EXPECT_EQ(data.degrees[1].size(), 60u);
    EXPECT_EQ(degreeName(data.degrees[1]), name45);
    EXPECT_TRUE(openFromColumn(data.degrees[1], 1));
    EXPECT_FALSE(openFromColumn(data.degrees[1], 2));
    EXPECT_TRUE(openFromColumn(data.degrees[1], 3));
    EXPECT_EQ(data.fpTitles[1].size(), 50u);
    EXPECT_EQ(fpTitleName(data.fpTitles[1]), "Un ciclo superior cuyo nombre pasa de 43 y ");
    EXPECT_TRUE(openFromColumn(data.fpTitles[1], 4));
}

TEST(AreaListTest, RecordsAAndBGiveTheStatementsAndTitlesOfEachArea) {
    Folder folder;
    folder.dir.write("datitine", areaFile({36, 40, 41}, {1, 89, 90}));
    AreaLists areas;
    loadAreaLists(folder.files, areas);
    EXPECT_TRUE(folder.sink.messages.empty());
    EXPECT_EQ(areas.statementsOf(1), (std::vector<int>{36, 40, 41}));
    EXPECT_EQ(areas.titlesOf(1), (std::vector<int>{1, 89, 90}));
    EXPECT_TRUE(areas.statementsOf(2).empty());
    EXPECT_TRUE(areas.titlesOf(31).empty());
}

TEST(AreaListTest, AMissingOrShortDatitineIsReportedAndSetsTheAbortFlag) {
    {
        Folder folder;
        AreaLists areas;
        loadAreaLists(folder.files, areas);
        ASSERT_EQ(folder.sink.messages.size(), 1u);
        EXPECT_EQ(folder.sink.messages[0], missingMessage("datitine"));
        EXPECT_TRUE(folder.aborted);
    }
    {
        Folder folder;
        folder.dir.write("datitine", areaFile({1}, {1}).substr(0, kAreaRecordSize + 100));
        AreaLists areas;
        loadAreaLists(folder.files, areas);
        ASSERT_EQ(folder.sink.messages.size(), 1u);
        EXPECT_NE(folder.sink.messages[0].find("datitine"), std::string::npos);
        EXPECT_TRUE(folder.aborted);
        EXPECT_TRUE(areas.statementsOf(1).empty());
    }
}

TEST(AreaListTest, ARowCountingMoreThanAHundredIsReportedAndKeepsAHundred) {
    Folder folder;
    std::string bytes = areaFile({}, {});
    bytes[kAreaRowBytes] = static_cast<char>(150);  // row 2 of record A
    for (std::size_t i = 1; i < kAreaRowBytes; ++i)
        bytes[kAreaRowBytes + i] = 7;
    bytes[2 * kAreaRowBytes] = 3;  // the next row must stay untouched
    folder.dir.write("datitine", bytes);
    AreaLists areas;
    loadAreaLists(folder.files, areas);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_NE(folder.sink.messages[0].find("100"), std::string::npos);
    EXPECT_EQ(areas.statementsOf(2).size(), 100u);
    EXPECT_EQ(areas.statementsOf(3), (std::vector<int>{0, 0, 0}));
}

}  // namespace
}  // namespace rumbelo::secondary
