// Reading the professions files by their columns: short lines, blank and odd number fields,
// missing codes, study codes naming lines as the lists stand, and the loader's limits.
#include <gtest/gtest.h>

#include "common/messages.h"
#include "crafted_professions.h"
#include "professions/core/phrase_pages.h"
#include "professions/core/result_lists.h"
#include "support/temp_folder.h"

namespace rumbelo::professions {
namespace {

using namespace testing;

TEST(ProfessionsFiles, AShortProfessionLineEndsItsStudiesAtTheMissingCodes) {
    // Cut after the second study code: the third reads as blanks.
    const Profession p = readProfession(
        professionLine("SANI", "CUID", "Enfermero o enfermera", "  3 12", "C004S011"), 7);
    EXPECT_EQ(p.number, 7);
    EXPECT_EQ(p.first, "SANI");
    EXPECT_EQ(p.second, "CUID");
    EXPECT_EQ(TrimRight(p.name), "Enfermero o enfermera");
    EXPECT_EQ(p.firstPhrase, 3);
    EXPECT_EQ(p.secondPhrase, 12);
    EXPECT_EQ(p.studies[2], "    ");
    EXPECT_EQ(studiesOf(p), (std::vector<std::string>{"C004", "S011"}));
    // A line that stops inside the name still gives fixed-width fields.
    const Profession cut = readProfession("SANI CUID Enfer", 1);
    EXPECT_EQ(cut.name.size(), kProfessionNameWidth);
    EXPECT_EQ(cut.firstPhrase, 0);
    EXPECT_TRUE(studiesOf(cut).empty());
}

TEST(ProfessionsFiles, NumberFieldsReadTheirLeadingDigitsAndBlanksAsZero) {
    EXPECT_EQ(leadingNumber("   "), 0);
    EXPECT_EQ(leadingNumber(" 12"), 12);
    EXPECT_EQ(leadingNumber("7x1"), 7);
    EXPECT_EQ(leadingNumber("x12"), 0);
    const Profession p =
        readProfession(professionLine("SANI", "CUID", "Dentista", "   5ab", "C001"), 1);
    EXPECT_EQ(p.firstPhrase, 0);  // blank: no phrase
    EXPECT_EQ(p.secondPhrase, 5);
}

TEST(ProfessionsFiles, ALongPhraseWithFewerCodesLeavesTheOthersBlank) {
    const LongPhrase phrase = readLongPhrase(longLine("Me gusta arreglar cosas", "MECA VEHI"));
    EXPECT_EQ(TrimRight(phrase.text), "Me gusta arreglar cosas");
    EXPECT_EQ(phrase.codes[0], "MECA");
    EXPECT_EQ(phrase.codes[1], "VEHI");
    EXPECT_TRUE(isNoCode(phrase.codes[2]));
    EXPECT_TRUE(isNoCode(phrase.codes[3]));
    // Only the two real codes are kept for step 2.
    ProfessionsData data;
    data.longPhrases = {phrase};
    EXPECT_EQ(keptCodes(data, {0}), (std::vector<Code>{"MECA", "VEHI"}));
}

TEST(ProfessionsFiles, AStudyCodeNamesItsLineAsTheListStandsHeadersIncluded) {
    ProfessionsLines lines;
    for (int k = 1; k <= 14; ++k)
        lines.studyLists[0].push_back(k == 1 ? "-Ciencias de la salud"
                                             : "Grado " + std::to_string(k));
    lines.studyLists[0][11] = "Medicina (Lic.)";  // line 12
    lines.studyLists[3] = {"Bomberos"};
    const ProfessionsData data = professionsDataFrom(lines);
    EXPECT_EQ(data.studyName("C012"), "Medicina (Lic.)");
    EXPECT_EQ(data.studyName("C001"), "-Ciencias de la salud");
    EXPECT_EQ(data.studyName("O001"), "Bomberos");
    EXPECT_EQ(data.studyName("C099"), "");
    EXPECT_EQ(data.studyName("X012"), "");
}

TEST(ProfessionsFiles, TwoProfessionsOfOneNameStayTwoRecordsAndAreListedOnce) {
    ProfessionsLines lines;
    lines.shortPhrases = {shortLine("SANI", "    ", "Curar a personas")};
    lines.professions = {professionLine("SANI", "CUID", "Auxiliar", "  1  0", "M001"),
                         professionLine("CUID", "SANI", "Auxiliar", "  0  1", "M002"),
                         professionLine("SANI", "    ", "Dentista", "  1  0", "C001")};
    const ProfessionsData data = professionsDataFrom(lines);
    ASSERT_EQ(data.professions.size(), 3u);
    EXPECT_EQ(data.professions[1].studies[0], "M002");
    EXPECT_EQ(professionsOfPhrase(data, 1), (std::vector<int>{0, 2}));
    EXPECT_EQ(professionsOfActivity(data, "SANI"), (std::vector<int>{0, 1, 2}));
}

TEST(ProfessionsFiles, TheLoaderReportsAMissingOrOverlongFileByName) {
    rumbelo::testing::TempFolder folder;
    for (const char* name : {"FRACORTAS", "FRALARGAS", "ACTIVIDA", "FP2", "FP", "CARRERA", "OTROS"})
        folder.writeLines(name, {"x"});
    RecordingSink sink;
    bool aborted = false;
    DataFiles files(folder.path(), sink, aborted);
    ProfessionsData data;
    EXPECT_FALSE(loadProfessionsData(files, data));
    EXPECT_TRUE(aborted);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].find("profesio"), std::string::npos);

    folder.writeLines("profesio", {"SANI CUID Dentista"});
    folder.writeLines("FRALARGAS", std::vector<std::string>(21, "Frase"));
    sink.messages.clear();
    aborted = false;
    EXPECT_FALSE(loadProfessionsData(files, data));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_NE(sink.messages[0].find("FRALARGAS"), std::string::npos);
    EXPECT_NE(sink.messages[0].find("20"), std::string::npos);

    // Ctrl-Z and a last line without its end are read as every reader reads them.
    folder.writeLines("FRALARGAS", {"Frase"});
    folder.write("ACTIVIDA",
                 "SANI Sanidad\r\nCUID Cuidados\x1A"
                 "basura");
    aborted = false;
    ASSERT_TRUE(loadProfessionsData(files, data));
    ASSERT_EQ(data.activities.size(), 2u);
    EXPECT_EQ(TrimRight(data.activities[1].name), "Cuidados");
    EXPECT_EQ(data.studyLists[2].entries[0], "FP2");
}

}  // namespace
}  // namespace rumbelo::professions
