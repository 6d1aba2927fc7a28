// The intermediate-FP questionnaire's steps: which statements an area brings, how the
// codes mark titles, the suggestion rows, going back and forward, and the report.
#include <gtest/gtest.h>

#include "intermediate/medium_fixture.h"
#include "vocational/intermediate/questionnaire/medium_flow.h"
#include "vocational/intermediate/questionnaire/medium_report.h"

namespace rumbelo::intermediate {
namespace {

using testing::familiesOf;
using testing::questionnaireOf;

std::vector<int> statementNumbers(const std::vector<StatementRow>& rows) {
    std::vector<int> numbers;
    for (const auto& row : rows)
        numbers.push_back(row.statement);
    return numbers;
}

std::vector<int> titlesOf(const std::vector<SuggestionRow>& rows) {
    std::vector<int> titles;
    for (const auto& row : rows)
        titles.push_back(row.title);
    return titles;
}

TEST(MediumAreas, AreaTenMatchesFirstDigitZeroOnlyAndSecondDigitZeroMeansNone) {
    const auto q = questionnaireOf(
        {"1T10Uno", "2T03Diez primero", "3T50Cinco solo", "4T0?Raro", "5T?0Ninguna"});
    // Row 10 is area 10, stored as its digit 0.
    EXPECT_EQ(areasOfRows({10}), std::vector<int>{0});
    EXPECT_EQ(statementNumbers(statementsOfAreas(q, {0})), (std::vector<int>{2, 4}));
    EXPECT_EQ(statementNumbers(statementsOfAreas(q, {3})), std::vector<int>{2});
    EXPECT_EQ(rowsOfAreas({5, 0}), (std::vector<int>{5, 10}));
}

TEST(MediumAreas, AStatementOfTwoChosenAreasIsListedOnceInFileOrder) {
    const auto q = questionnaireOf({"1T12Ambas", "2T20Dos", "3T31Tres y uno"});
    const auto rows = statementsOfAreas(q, {2, 1});
    EXPECT_EQ(statementNumbers(rows), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(rows[0].code, "1T");
    EXPECT_EQ(rows[0].text.substr(0, 5), "Ambas");
}

TEST(MediumCodes, ThreeTMarksEveryTitleOfFamilyThreeAndBZTheFirstTwoOfFamilyEleven) {
    const auto fp2 = familiesOf(12, 4);  // family k's header is line 5k-4
    const auto marks = marksOfCodes(fp2, {"3T", "BZ"});
    EXPECT_TRUE(marks.family[3]);
    EXPECT_TRUE(marks.family[11]);
    EXPECT_FALSE(marks.family[10]);
    const auto rows = suggestionRows(fp2, marks, "Familia ");
    EXPECT_EQ(rows[0].text, " - Familia F3");
    EXPECT_EQ(titlesOf(rows), (std::vector<int>{0, 12, 13, 14, 15, 0, 52, 53}));
    EXPECT_EQ(rows[6].text, "T11.1");
}

TEST(MediumCodes, DigitsPickOneTitleAndCodesOutsideTheCatalogueMarkNothing) {
    const auto fp2 = familiesOf(2, 3);
    // "14" names a title the family lacks; "Z" and "V" no family of the file.
    const auto rows = suggestionRows(fp2, marksOfCodes(fp2, {"22", "14", "Z1", "V1", "1"}), "");
    EXPECT_EQ(titlesOf(rows), (std::vector<int>{0, 0, 7}));
    EXPECT_EQ(familyOfCode('A'), 10);
    EXPECT_EQ(familyOfCode('U'), 30);
    EXPECT_EQ(familyOfCode('0'), 0);
}

TEST(MediumFlowSteps, RowElevenLeadsToPlacesAndNothingMarkedStaysPut) {
    const auto fp2 = familiesOf(3, 2);
    const auto q = questionnaireOf({"1T10Uno"});
    MediumFlow flow(q, fp2);
    EXPECT_EQ(flow.forwardFromAreas({1, 11}), StepOutcome::ToPlaces);
    EXPECT_EQ(flow.forwardFromAreas({}), StepOutcome::NothingMarked);
    EXPECT_EQ(flow.step(), 1);
    ASSERT_EQ(flow.forwardFromAreas({1}), StepOutcome::Moved);
    EXPECT_EQ(flow.forwardFromStatements({}, ""), StepOutcome::NothingMarked);
    EXPECT_EQ(flow.step(), 2);
}

TEST(MediumFlowSteps, BackFromStepThreeToOneAndForwardRebuildsStepTwo) {
    const auto fp2 = familiesOf(3, 2);
    const auto q = questionnaireOf({"1T10Uno", "2T20Dos", "3T30Tres"});
    MediumFlow flow(q, fp2);
    flow.forwardFromAreas({1, 3});
    flow.forwardFromStatements({0, 1}, "");
    ASSERT_EQ(flow.step(), 3);
    ASSERT_TRUE(flow.showTitle(1));
    EXPECT_EQ(flow.titleOnViewNumber(), 2);
    EXPECT_FALSE(flow.showTitle(0));  // a family row
    flow.back();
    EXPECT_FALSE(flow.titleOnView());
    EXPECT_EQ(flow.step(), 3);
    flow.back();
    flow.back();
    EXPECT_EQ(flow.step(), 1);
    EXPECT_EQ(flow.markedAreaRows(), (std::vector<int>{1, 3}));
    flow.forwardFromAreas({2});
    EXPECT_EQ(statementNumbers(flow.statements()), std::vector<int>{2});
    // The earlier marks were for statements no longer listed.
    EXPECT_TRUE(flow.markedStatements().empty());
    flow.forwardFromStatements({0}, "");
    EXPECT_EQ(titlesOf(flow.suggestions()), (std::vector<int>{0, 5, 6}));
}

TEST(MediumReportParts, EachPartRewritesWhatFollowsIt) {
    MediumReport report;
    report.writeAreas("AREAS", {"Uno", "Dos"});
    report.writeStatements("FRASES", {"a", "b", "c"});
    report.writeTitle("Titulo", "T1", "Centros", {"C1", "C2", "C3"});
    EXPECT_EQ(report.lastLine(), 17);
    // Fewer statements the second time: the old title and centres go.
    report.writeStatements("FRASES", {"z"});
    EXPECT_EQ(report.lastLine(), 9);
    EXPECT_EQ(report.table()[9], "");
    EXPECT_EQ(report.table()[10], "");
    EXPECT_EQ(report.bold().slot(1), 1);
    EXPECT_EQ(report.bold().slot(2), 6);
    EXPECT_EQ(report.bold().slot(3), 9);
    report.writeTitle("Titulo", "T2", "Centros", {"C9"});
    EXPECT_EQ(report.table()[9], "Titulo: T2");
    EXPECT_EQ(report.table()[11], "Centros:");
    EXPECT_EQ(report.table()[13], "C9");
    EXPECT_EQ(report.lastLine(), 13);
    EXPECT_EQ(report.table()[14], "");
}

}  // namespace
}  // namespace rumbelo::intermediate
