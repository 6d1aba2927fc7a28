// The printed report's lines and bold lines, and the rules the bundled data must keep: codes
// that name activities, reachable activities and professions, study codes on title lines,
// every choice within the pages.
#include <gtest/gtest.h>

#include "crafted_professions.h"
#include "professions/core/data_rules.h"
#include "professions/core/professions_report.h"

namespace rumbelo::professions {
namespace {

using namespace testing;

ProfessionsData smallData() {
    ProfessionsLines lines;
    lines.activities = {activityLine("SANI", "Sanidad"), activityLine("CUID", "Cuidados")};
    lines.longPhrases = {longLine("Me gusta cuidar", "SANI CUID")};
    lines.shortPhrases = {shortLine("SANI", "CUID", "Curar a personas")};
    lines.professions = {
        professionLine("SANI", "CUID", "Enfermero o enfermera", "  1  0", "C002M003O001"),
        professionLine("CUID", "SANI", "Gerocultor", "  1  0", "M003")};
    lines.studyLists[0] = {"Medicina (Lic.)", "Enfermería (Dipl.)", "a", "b", "c", "d"};
    lines.studyLists[2] = {"-Sanidad", "Farmacia", "Cuidados Auxiliares de Enfermeria"};
    lines.studyLists[3] = {
        "Oposiciones a las administraciones públicas del Estado y de las comunidades"};
    return professionsDataFrom(lines);
}

InterfaceTexts reportTexts() {
    InterfaceTexts texts;
    texts.set(124, "Estos son tus resultados:");
    texts.set(642, "Tus campos profesionales");
    texts.set(624, "Profesiones del campo");
    texts.set(113, "FP Grado Medio");
    texts.set(628, "Otros t\xEDtulos");
    return texts;
}

TEST(ProfessionsReport, ListsEachProfessionWithItsStudiesThenTheActivities) {
    const ProfessionsData data = smallData();
    ReportInput input;
    input.studentName = "Lucía";
    input.title = "Resultado";
    input.professionsHeading = "Profesiones de tu frase";
    input.professions = {0};
    input.activityRows = {"         Campos", "1\xBA Sanidad", "2\xBA Cuidados"};
    input.bestActivity = 0;
    const ProfessionsReport report = professionsReport(data, reportTexts(), input);
    const ReportTable& t = report.table;
    EXPECT_EQ(t[0], "Lucía");
    EXPECT_EQ(t[1], "Resultado");
    EXPECT_EQ(t[2], "");
    EXPECT_EQ(t[3], "Estos son tus resultados:");
    EXPECT_EQ(t[4], "Profesiones de tu frase");
    EXPECT_EQ(t[6], "\x95 Enfermero o enfermera");
    EXPECT_EQ(t[7], "    Enfermería (Dipl.) (T\xEDt. Univers.)");
    EXPECT_EQ(t[8], "    Cuidados Auxiliares de Enfermeria (T\xEDt. FP Grado Medio)");
    // Long study names are cut at the report's 60 characters.
    EXPECT_EQ(t[9].size(), ReportTable::kWidth);
    EXPECT_EQ(t[11], "Tus campos profesionales");
    EXPECT_EQ(t[13], "1\xBA Sanidad");
    EXPECT_EQ(t[16], "     Profesiones del campo 1\xBA:");
    EXPECT_EQ(t[17], "  \x95 Enfermero o enfermera");
    EXPECT_EQ(t[18], "  \x95 Gerocultor");
    EXPECT_EQ(report.lastLine, 18);
    EXPECT_EQ(report.bold.count(), 4);
    for (int line : {1, 4, 6, 11})
        EXPECT_TRUE(report.bold.contains(line)) << line;
    EXPECT_EQ(studyTypeNote(reportTexts(), 'O'), " (Otros t\xEDtulos.)");
    EXPECT_EQ(studyTypeNote(reportTexts(), 'S'), " (T\xEDt. F.P. Sup.)");
}

TEST(ProfessionsReport, WithoutAFavouriteThereAreNoProfessionLines) {
    ReportInput input;
    input.activityRows = {"         Campos"};
    const ProfessionsReport report = professionsReport(smallData(), reportTexts(), input);
    EXPECT_EQ(report.table[6], "");
    EXPECT_EQ(report.table[7], "Tus campos profesionales");
    EXPECT_EQ(report.lastLine, 10);
}

bool hasProblem(const std::vector<DataProblem>& problems, const std::string& file, int line,
                const std::string& text) {
    for (const auto& p : problems)
        if (p.file == file && p.line == line && p.text.find(text) != std::string::npos) return true;
    return false;
}

TEST(DataRules, FindCodesAndReferencesTheQuestionnaireCannotUse) {
    ProfessionsData data = smallData();
    EXPECT_TRUE(professionsDataProblems(data).empty());
    data.activities.push_back(readActivity("EDUC Enseñanza", 3));
    data.shortPhrases.push_back(readShortPhrase("SANO     Sin nadie", 2));
    data.professions.push_back(
        readProfession(professionLine("SANI", "CUID", "Médico", "  0  0", "C005M001"), 3));
    data.professions.push_back(
        readProfession(professionLine("SANI", "CUID", "Dentista", "  1  0", "C001    C002"), 4));
    const auto problems = professionsDataProblems(data);
    EXPECT_TRUE(hasProblem(problems, "ACTIVIDA", 3, "no long phrase leads to"));
    EXPECT_TRUE(hasProblem(problems, "FRACORTAS", 2, "\"SANO\" is not in ACTIVIDA"));
    EXPECT_TRUE(hasProblem(problems, "FRACORTAS", 2, "no profession uses"));
    EXPECT_TRUE(hasProblem(problems, "profesio", 3, "no short phrase leads to"));
    // Line 5 of six is one of the closing lines of "CARRERA"; line 1 of "FP2" a heading.
    EXPECT_TRUE(hasProblem(problems, "profesio", 3, "\"C005\" names no line of CARRERA"));
    EXPECT_TRUE(hasProblem(problems, "profesio", 3, "\"M001\" names a family heading"));
    EXPECT_TRUE(hasProblem(problems, "profesio", 4, "after the end of the list"));
}

TEST(DataRules, AChoiceOfThreeLongPhrasesMustFitThePages) {
    ProfessionsLines lines;
    lines.activities = {activityLine("AAAA", "A"), activityLine("BBBB", "B"),
                        activityLine("CCCC", "C")};
    lines.longPhrases = {longLine("Uno", "AAAA"), longLine("Dos", "BBBB"),
                         longLine("Tres", "CCCC")};
    for (int k = 1; k <= 46; ++k) {
        const std::string code = k <= 16 ? "AAAA" : k <= 32 ? "BBBB" : "CCCC";
        lines.shortPhrases.push_back(shortLine(code, "    ", "Frase " + std::to_string(k)));
        lines.professions.push_back(professionLine(code, "    ", "P" + std::to_string(k),
                                                   rightAligned(k, 3) + "  0", "C001"));
    }
    lines.studyLists[0] = {"Medicina", "a", "b", "c", "d"};
    const ProfessionsData data = professionsDataFrom(lines);
    const WorstChoice worst = worstChoice(data);
    EXPECT_EQ(worst.suggested, 46);
    EXPECT_EQ(worst.rows, (std::vector<int>{0, 1, 2}));
    EXPECT_TRUE(hasProblem(professionsDataProblems(data), "FRALARGAS", 0, "the pages hold 44"));
}

}  // namespace
}  // namespace rumbelo::professions
