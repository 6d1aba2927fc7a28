// Answering the questionnaire: the labels and marks by answer format, the cycling rule, the
// rows each entry presents and the answers kept from the first block to the second.
#include <gtest/gtest.h>

#include "crafted_questionnaire.h"
#include "secondary/questionnaire/eso_questionnaire.h"

using namespace rumbelo;
using namespace rumbelo::secondary;
using namespace rumbelo::secondary::testing;

namespace {

struct Answering : ::testing::Test {
    void SetUp() override { fillStatements(table, 40, 4, 4); }
    InterfaceTexts texts = numberedTexts();
    LineTable table;
};

}  // namespace

TEST_F(Answering, AYesNoStatementCyclesWithItsMarks) {
    table.set(1, statementLine(2, 2, "Me gusta leer"));
    EsoQuestionnaire q(table, texts);
    q.begin(false);
    q.present();
    EXPECT_EQ(q.statement(1).text.substr(0, 13), "Me gusta leer");
    auto shown = q.advance(1);
    EXPECT_EQ(shown.label, "t141");
    EXPECT_EQ(shown.mark, "***");
    shown = q.advance(1);
    EXPECT_EQ(q.statement(1).answer, 1);
    EXPECT_EQ(shown.label, "t140");
    EXPECT_EQ(shown.mark, "");
}

TEST_F(Answering, FormatsWithoutACycleKeepAnswerOne) {
    table.set(1, statementLine(4, 5, "cinco"));
    table.set(2, statementLine(4, 6, "seis"));
    table.set(3, statementLine(4, 7, "siete"));
    EsoQuestionnaire q(table, texts);
    q.begin(false);
    q.present();
    for (int k = 0; k < 4; ++k)
        q.advance(1);
    EXPECT_EQ(q.advance(1).mark, "");  // back at 1 after five
    q.advance(1);
    EXPECT_EQ(q.advance(1).mark, "*");  // answer 3 of five
    // F = 6 shows the five-answer labels and stays at 1.
    auto shown = q.advance(2);
    EXPECT_EQ(q.statement(2).answer, 1);
    EXPECT_EQ(shown.label, "t127");
    // F = 7 keeps answer 1 and the labels loaded last (F = 6's).
    shown = q.advance(3);
    EXPECT_EQ(q.statement(3).answer, 1);
    EXPECT_EQ(shown.label, "t127");
}

TEST_F(Answering, TheFirstBlockAloneShows35RowsAndContinuingKeepsItsAnswers) {
    EsoQuestionnaire q(table, texts);
    q.begin(true);
    auto p = q.present();
    EXPECT_EQ(q.shownCount, 35);
    EXPECT_EQ(p.rowsToWrite.size(), 35u);
    EXPECT_EQ(p.help, kAnsweringHelp);
    q.advance(7);
    q.continueAllowed = true;  // as a good short verdict leaves it
    q.continueToSecondBlock();
    p = q.present();
    EXPECT_EQ(q.shownCount, 40);
    EXPECT_EQ(p.firstShownRow, 36);
    EXPECT_EQ(p.rowsToWrite, (std::vector<int>{36, 37, 38, 39, 40}));
    EXPECT_EQ(p.help, kSecondBlockHelp);
    EXPECT_EQ(q.statement(7).answer, 2);
}

TEST_F(Answering, NoToStartingAgainAfterTheFirstBlockReadsTheOtherRowsFresh) {
    EsoQuestionnaire q(table, texts);
    // A full run leaves answers on rows 36-40...
    q.begin(false);
    q.present();
    q.advance(38);
    q.end();
    // ...then a fresh first-block run...
    q.begin(true);
    ASSERT_TRUE(q.needsRestartQuestion());
    q.answerRestart(true);
    q.present();
    q.advance(2);
    q.end();
    // ...and "No": all rows, the first block's answers kept, rows 36-40 read again.
    q.begin(false);
    ASSERT_TRUE(q.needsRestartQuestion());
    q.answerRestart(false);
    const auto p = q.present();
    EXPECT_EQ(q.shownCount, 40);
    EXPECT_EQ(p.rowsToWrite, (std::vector<int>{36, 37, 38, 39, 40}));
    EXPECT_EQ(q.statement(2).answer, 2);
    EXPECT_EQ(q.statement(38).answer, 1);
    EXPECT_EQ(q.statement(38).weight, 4);
}
