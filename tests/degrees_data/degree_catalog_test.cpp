// The degrees as the degrees form loads them: kinds from the names, the mark format, the
// degree records (places, lists, related degrees with the technical-engineering line), the
// subject and other-study blocks, and what a missing or short file does.
#include <gtest/gtest.h>

#include "common/text/fixed_text.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"
#include "support/data_folder.h"

namespace rumbelo::degrees {
namespace {

using Folder = testing::DataFolder;

int kindOf(const std::string& name) {
    return degreeKind(padTo(name, 60));
}

// Five records of 200 rows of 101 bytes, written row by row.
class Records {
  public:
    Records() : bytes_(kDegreeRecordSize * kDegreeRecordCount, '\0') {}
    void list(int record, int j, std::size_t at, const std::vector<int>& values) {
        set(record, j, at, static_cast<int>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i)
            set(record, j, at + 1 + i, values[i]);
    }
    void set(int record, int j, std::size_t i, int value) {
        bytes_[static_cast<std::size_t>(record - 1) * kDegreeRecordSize +
               static_cast<std::size_t>(j - 1) * kDegreeRowSize + i] = static_cast<char>(value);
    }
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// Two degrees, then the four closing lines: line 5 stands for any technical engineering.
void writeTwoDegrees(Folder& folder, const std::string& first) {
    folder.dir.writeLines("CARRERA", {first,
                                      "Ingenier\xED"
                                      "a en Organizaci\xF3n (2\xBA ciclo)",
                                      "Cualquier diplomatura", "Primer ciclo",
                                      "Cualquier ingenier\xED"
                                      "a t\xE9"
                                      "cnica",
                                      "Conservatorio"});
    folder.dir.writeLines("OTROS", {"Danza"});
    folder.dir.writeLines("REQUISIT", {"PAU"});
    folder.dir.writeLines("SALIDAS", {"Industria"});
    std::vector<std::string> blocks;
    for (const char* difficulty : {"5", "6"}) {
        blocks.push_back("-- separador");
        blocks.push_back(difficulty);
        blocks.push_back("Matem\xE1ticas");
        for (int i = 3; i <= 30; ++i)
            blocks.push_back("");
    }
    folder.dir.writeLines("asignacar", blocks);
    std::vector<std::string> other{"-- Danza", "Conservatorios de danza."};
    other.resize(51);
    folder.dir.writeLines("asignaot", other);
}

TEST(DegreeKind, MarkersGiveTheKindInTheirOrder) {
    EXPECT_EQ(kindOf("Enfermer\xED"
                     "a (Dipl.)"),
              1);
    EXPECT_EQ(kindOf("Medicina (Lic.)"), 2);
    EXPECT_EQ(kindOf("Bioqu\xEDmica (2\xBA ciclo)"), 3);
    EXPECT_EQ(kindOf("Ingenier\xED"
                     "a Industrial"),
              2);
    EXPECT_EQ(kindOf("I T Industrial: Mec\xE1nica"), 1);
    EXPECT_EQ(kindOf("Engineering"), 2);
    EXPECT_EQ(kindOf("Enxe\xF1"
                     "ar\xED"
                     "a"),
              2);
    EXPECT_EQ(kindOf("Enginyeria E.T. Agr\xED"
                     "cola"),
              2);
    EXPECT_EQ(kindOf("Obres P\xFA"
                     "bliques E T"),
              1);
    EXPECT_EQ(kindOf("Arquitecte"), 2);
    EXPECT_EQ(kindOf("Arkitektoa"), 2);
    EXPECT_EQ(kindOf("Arkitekto Teknikoa"), 1);
    EXPECT_EQ(kindOf("Historia del arte"), 0);
}

TEST(DegreeKind, EarlierRulesWinOverLaterOnes) {
    // "Inge" (rule 4) comes before "I T" (rule 5); "(D" (rule 1) before "Inge".
    EXPECT_EQ(kindOf("I T de Ingenier\xED"
                     "a"),
              2);
    EXPECT_EQ(kindOf("Ingenier\xED"
                     "a (Dipl.)"),
              1);
    EXPECT_EQ(kindOf("Ingenier\xED"
                     "a en Electr\xF3nica (2\xBA ciclo)"),
              3);
}

TEST(DegreeKind, ArchitectureNeedsTwoBlanksOrTheTechnicalWord) {
    EXPECT_EQ(kindOf("Arquitectura"), 2);
    EXPECT_EQ(kindOf("Arquitectura T\xE9"
                     "cnica"),
              1);
    // Cut to exactly "Arquitectura" + one blank, the two-blank rule no longer applies.
    EXPECT_EQ(degreeKind("Arquitectura "), 0);
    EXPECT_EQ(degreeKind("Arquitectura de interiores"), 0);
}

TEST(MarkFormat, TenthsWithACommaAndADashForNoMark) {
    EXPECT_EQ(formatMark(50), " 5,0");
    EXPECT_EQ(formatMark(65), " 6,5");
    EXPECT_EQ(formatMark(100), "10,0");
    EXPECT_EQ(formatMark(kNoMark), "  - ");
    EXPECT_EQ(formatMark(99), " 9,9");
}

TEST(DegreeCatalog, HeadingsAndKindsAfterLoading) {
    Folder folder;
    writeTwoDegrees(folder, "I T Industrial: Mec\xE1nica");
    folder.dir.write("datcar", Records().bytes());
    InterfaceTexts texts;
    texts.set(48, "Carreras");
    texts.set(277, "Requisitos");
    texts.set(278, "Salidas");
    DegreeCatalog catalog;
    ASSERT_TRUE(loadDegreeCatalog(folder.files, texts, catalog));
    EXPECT_EQ(catalog.degreeLines, 6);
    EXPECT_EQ(catalog.degreeCount, 2);
    EXPECT_EQ(catalog.degrees[0], "Carreras");
    EXPECT_EQ(catalog.requirements[0], "Requisitos");
    EXPECT_EQ(catalog.outlets[0], "Salidas");
    EXPECT_EQ(catalog.kind(1), 1);
    EXPECT_EQ(catalog.kind(2), 3);
    EXPECT_EQ(catalog.kind(3), 0);  // a closing line has no kind
    EXPECT_EQ(catalog.difficulty(2), 6);
    EXPECT_EQ(catalog.name(1).size(), 60u);
}

TEST(DegreeCatalog, OneHundredFiftyLinesGiveOneHundredFortySixDegrees) {
    Folder folder;
    std::vector<std::string> lines;
    for (int i = 1; i <= 150; ++i)
        lines.push_back("Carrera " + std::to_string(i) + " (Lic.)");
    folder.dir.writeLines("CARRERA", lines);
    DegreeCatalog catalog;
    loadDegreeLists(folder.files, catalog);
    EXPECT_EQ(catalog.degreeCount, 146);
    EXPECT_EQ(catalog.anyTechnicalEngineeringLine(), 149);
}

TEST(DegreeCatalog, RecordsGivePlacesMarksListsAndGroups) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    Records records;
    records.list(1, 1, 0, {7, 3, 7});
    records.list(3, 1, 0, {85, kNoMark, 90});
    records.list(2, 1, 0, {20, 1});
    records.list(4, 1, 0, {14});
    records.list(5, 1, 0, {1, 2});
    records.list(5, 1, 10, {2, 6});
    folder.dir.write("datcar", records.bytes());
    DegreeCatalog catalog;
    ASSERT_TRUE(loadDegreeCatalog(folder.files, InterfaceTexts{}, catalog));
    const auto places = catalog.places(1);
    ASSERT_EQ(places.size(), 3u);
    EXPECT_EQ(places[0].place, 7);
    EXPECT_EQ(places[0].mark, 85);
    EXPECT_EQ(places[1].mark, kNoMark);
    EXPECT_EQ(places[2].place, 7);  // a place listed twice stays twice
    EXPECT_EQ(catalog.requirementsOf(1), (std::vector<int>{20, 1}));
    EXPECT_EQ(catalog.outletsOf(1), (std::vector<int>{14}));
    EXPECT_EQ(catalog.groupsOf(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(catalog.relatedOf(1), (std::vector<int>{2, 6}));
    EXPECT_TRUE(catalog.places(2).empty());
}

TEST(DegreeCatalog, TechnicalEngineeringMeetsTheDegreesThatNameTheSecondToLastLine) {
    Folder folder;
    writeTwoDegrees(folder, "I T Industrial: Mec\xE1nica");
    Records records;
    records.list(5, 2, 10, {5, 1});  // degree 2 names "any technical engineering", then 1
    folder.dir.write("datcar", records.bytes());
    DegreeCatalog catalog;
    ASSERT_TRUE(loadDegreeCatalog(folder.files, InterfaceTexts{}, catalog));
    ASSERT_EQ(catalog.anyTechnicalEngineeringLine(), 5);
    // Once through line 5 and once naming degree 1 itself: one entry per match.
    EXPECT_EQ(catalog.relatedTo(1), (std::vector<int>{2, 2}));
    EXPECT_TRUE(catalog.relatedTo(2).empty());
}

TEST(DegreeCatalog, OtherNamesDoNotMeetTheTechnicalEngineeringLine) {
    Folder folder;
    // "I T" inside the name but not at its start does not count.
    writeTwoDegrees(folder,
                    "Ingenier\xED"
                    "a Industrial (I T)");
    Records records;
    records.list(5, 2, 10, {5});
    folder.dir.write("datcar", records.bytes());
    DegreeCatalog catalog;
    ASSERT_TRUE(loadDegreeCatalog(folder.files, InterfaceTexts{}, catalog));
    EXPECT_TRUE(catalog.relatedTo(1).empty());
}

TEST(DegreeCatalog, CountsBeyondARowAreHeldToIt) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    Records records;
    records.set(1, 1, 0, 200);   // more places than a row holds
    records.set(5, 1, 0, 40);    // more groups than bytes 1-9
    records.set(5, 1, 10, 120);  // more related degrees than bytes 11-100
    folder.dir.write("datcar", records.bytes());
    DegreeCatalog catalog;
    ASSERT_TRUE(loadDegreeCatalog(folder.files, InterfaceTexts{}, catalog));
    EXPECT_EQ(catalog.places(1).size(), 100u);
    EXPECT_EQ(catalog.groupsOf(1).size(), 9u);
    EXPECT_EQ(catalog.relatedOf(1).size(), 90u);
}

TEST(DegreeCatalog, TheLastCompleteGroupOfRecordsIsKept) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    Records first, second;
    first.list(1, 1, 0, {1});
    second.list(1, 1, 0, {9, 8});
    // Two groups and a stray half record after them.
    folder.dir.write("datcar", first.bytes() + second.bytes() + std::string(500, '\x01'));
    DegreeCatalog catalog;
    ASSERT_TRUE(loadDegreeCatalog(folder.files, InterfaceTexts{}, catalog));
    ASSERT_EQ(catalog.places(1).size(), 2u);
    EXPECT_EQ(catalog.places(1)[0].place, 9);
}

TEST(DegreeCatalog, AShortDegreeRecordFileIsReportedAndAborts) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    folder.dir.write("datcar", std::string(kDegreeRecordSize * 5 - 1, '\0'));
    DegreeCatalog catalog;
    EXPECT_FALSE(loadDegreeCatalog(folder.files, InterfaceTexts{}, catalog));
    EXPECT_TRUE(folder.aborted);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_NE(folder.sink.messages[0].find("datcar"), std::string::npos);
    EXPECT_FALSE(catalog.recordsLoaded());
    EXPECT_TRUE(catalog.places(1).empty());
}

TEST(DegreeCatalog, AMissingDegreeRecordFileIsReportedLikeAMissingTextFile) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    DegreeCatalog catalog;
    EXPECT_FALSE(loadDegreeCatalog(folder.files, InterfaceTexts{}, catalog));
    EXPECT_TRUE(folder.aborted);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_EQ(folder.sink.messages[0], "Faltan ficheros (datcar). Vuelva a instalar el programa");
}

TEST(DegreeCatalog, MissingTextFilesAreAllNamedAndStopBeforeTheRecords) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    std::filesystem::remove(folder.dir.path() / "REQUISIT");
    std::filesystem::remove(folder.dir.path() / "asignaot");
    InterfaceTexts texts;
    texts.set(48, "Carreras");
    DegreeCatalog catalog;
    EXPECT_FALSE(loadDegreeCatalog(folder.files, texts, catalog));
    ASSERT_EQ(folder.sink.messages.size(), 2u);
    EXPECT_NE(folder.sink.messages[0].find("(REQUISIT)"), std::string::npos);
    EXPECT_NE(folder.sink.messages[1].find("(asignaot)"), std::string::npos);
    EXPECT_EQ(catalog.degrees[0], "CARRERA");  // no headings, no records after a failure
    EXPECT_FALSE(catalog.recordsLoaded());
}

TEST(DegreeCatalog, TranslatedListsComeFromTheLanguageFolder) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    folder.dir.writeLines("galego/CARRERA", {"Medicina (Lic.)", "a", "b", "c", "d"});
    for (const char* name : {"galego/OTROS", "galego/REQUISIT", "galego/SALIDAS"})
        folder.dir.writeLines(name, {"x"});
    folder.files.language() = {true, "galego/"};
    DegreeCatalog catalog;
    loadDegreeLists(folder.files, catalog);
    EXPECT_TRUE(folder.sink.messages.empty());
    EXPECT_EQ(catalog.degreeCount, 1);
    EXPECT_EQ(catalog.degrees[0], "galego/CARRERA");
}

TEST(SubjectRows, CapitalisedLinesGetABulletAndTwoBlankStartsEndTheList) {
    Folder folder;
    writeTwoDegrees(folder, "Medicina (Lic.)");
    std::vector<std::string> block{"-- Medicina",
                                   "7",
                                   " Seis cursos:",
                                   "Anatom\xED"
                                   "a",
                                   "\xC1lgebra",
                                   "y m\xE1s",
                                   "",
                                   "Fisiolog\xED"
                                   "a"};
    for (int i = 8; i <= 9; ++i)
        block.push_back("F" + std::to_string(i));
    block.push_back("    nota");  // line 10 of the block
    block.push_back("    otra");  // line 11: with line 10, the end
    block.push_back("Oculta");
    block.resize(31);
    folder.dir.writeLines("asignacar", block);
    DegreeCatalog catalog;
    loadSubjectBlocks(folder.files, catalog);
    const auto rows = catalog.subjectRows(1);
    ASSERT_EQ(rows.size(), 8u);  // block lines 2 to 9
    EXPECT_EQ(TrimRight(rows[0]), " Seis cursos:");
    EXPECT_EQ(TrimRight(rows[1]),
              "\x95  Anatom\xED"
              "a");
    EXPECT_EQ(TrimRight(rows[2]), "\xC1lgebra");  // an accented capital gets no bullet
    EXPECT_EQ(TrimRight(rows[3]), "y m\xE1s");
    EXPECT_EQ(TrimRight(rows[4]), "");  // a single blank line does not end the list
    EXPECT_EQ(TrimRight(rows[7]), "\x95  F9");
    EXPECT_EQ(catalog.difficulty(1), 7);
}

TEST(SubjectRows, ABlockWithoutADigitHasNoDifficulty) {
    Folder folder;
    std::vector<std::string> block{"--", "Medicina"};
    block.resize(31);
    folder.dir.writeLines("asignacar", block);
    DegreeCatalog catalog;
    loadSubjectBlocks(folder.files, catalog);
    EXPECT_EQ(catalog.difficulty(1), 0);
    EXPECT_EQ(catalog.difficulty(2), 0);
}

TEST(OtherStudyRows, TheTextEndsAtTwoLinesThatBeginWithSixteenBlanks) {
    Folder folder;
    std::vector<std::string> block{"-- Danza", "Conservatorios.",    "", std::string(15, ' ') + "x",
                                   "Sigue.",   std::string(20, ' '), "", "Oculto."};
    block.resize(51);
    folder.dir.writeLines("asignaot", block);
    DegreeCatalog catalog;
    loadOtherStudyBlocks(folder.files, catalog);
    const auto rows = catalog.otherStudyRows(1);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(TrimRight(rows[3]), "Sigue.");
}

}  // namespace
}  // namespace rumbelo::degrees
