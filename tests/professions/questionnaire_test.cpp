// The questionnaire's steps: yes and no in step 1, the suggested phrases and their pages,
// the marks of a page, the scores with their weights and the stable ranking, the studies.
#include <gtest/gtest.h>

#include <numeric>

#include "crafted_professions.h"
#include "professions/core/activity_scores.h"
#include "professions/core/phrase_pages.h"
#include "professions/core/phrase_step.h"
#include "professions/core/result_lists.h"

namespace rumbelo::professions {
namespace {

using namespace testing;

TEST(PhraseStep, YesMarksThePhraseJustAnsweredAndNoNeverUnmarks) {
    PhraseStep step(3);
    step.restart();
    const BoxView intro = step.press(true);
    EXPECT_TRUE(intro.introduction);
    EXPECT_EQ(intro.markRow, -1);  // the introduction's yes marks nothing
    std::vector<bool> marks(3, false);
    const auto press = [&](bool yes) {
        const BoxView view = step.press(yes);
        if (view.markRow >= 0) marks[static_cast<std::size_t>(view.markRow)] = true;
        return view;
    };
    EXPECT_EQ(press(true).phrase, 0);   // yes to the introduction
    EXPECT_EQ(press(true).phrase, 1);   // yes to phrase 0
    EXPECT_EQ(press(false).phrase, 2);  // no to phrase 1
    const BoxView end = press(true);    // yes to phrase 2
    EXPECT_TRUE(end.endMessage);
    EXPECT_EQ(marks, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(press(false).hidden);
    // Next with a wrong count brings the end message back without touching the marks.
    const BoxView again = step.backToEndMessage();
    EXPECT_TRUE(again.endMessage);
    EXPECT_EQ(again.markRow, -1);
}

TEST(PhraseStep, AFourthLongPhraseIsRefusedWithItsOwnMessage) {
    EXPECT_FALSE(markCountAllowsNext(0));
    EXPECT_TRUE(markCountAllowsNext(3));
    EXPECT_FALSE(markCountAllowsNext(4));
    EXPECT_EQ(endMessageTexts(3), (std::vector<int>{637, 636}));
    EXPECT_EQ(endMessageTexts(0), (std::vector<int>{637, 636}));
    EXPECT_EQ(endMessageTexts(4), (std::vector<int>{634, 635, 636}));
}

TEST(PhraseStep, TheBoxOpensToItsFullSizeAndStops) {
    // The box grows from its middle; a size reached exactly must stop the 1 ms timer.
    BoxGeometry box = collapsedBox(170, 210);
    EXPECT_EQ(box.top, 275);
    EXPECT_EQ(box.height, 10);
    int ticks = 0;
    while (growBox(box, 170, 210) && ticks < 1000)
        ++ticks;
    EXPECT_LT(ticks, 1000);
    EXPECT_EQ(box.top, 170);
    EXPECT_EQ(box.height, 210);
}

std::vector<int> oneTo(int n) {
    std::vector<int> v(static_cast<std::size_t>(n));
    std::iota(v.begin(), v.end(), 1);
    return v;
}

TEST(PhrasePages, PhrasesAreDealtInTurnOverAtMostFourPages) {
    const Pages ten = dealPages(oneTo(10));
    EXPECT_EQ(ten.count, 3);
    EXPECT_EQ(ten.page(1), (std::vector<int>{1, 4, 7, 10}));
    EXPECT_EQ(ten.page(2), (std::vector<int>{2, 5, 8}));
    EXPECT_EQ(ten.page(3), (std::vector<int>{3, 6, 9}));
    const Pages seventeen = dealPages(oneTo(17));
    EXPECT_EQ(seventeen.count, 4);
    EXPECT_EQ(seventeen.perPage, 5);
    EXPECT_EQ(seventeen.page(1), (std::vector<int>{1, 5, 9, 13, 17}));
    EXPECT_EQ(seventeen.page(4), (std::vector<int>{4, 8, 12, 16}));
    EXPECT_EQ(dealPages({}).count, 0);
    // Beyond 44 the pages are full: nothing is written past a page's eleven slots.
    const Pages many = dealPages(oneTo(50));
    EXPECT_EQ(many.page(1).size(), 11u);
    EXPECT_EQ(many.page(1).back(), 41);
}

TEST(PhrasePages, ThreeMarksOnOnePageKeepTheFirstTwoInRowOrder) {
    EXPECT_EQ(limitPageMarks({false, true, false, true, true}),
              (std::vector<bool>{false, true, false, true, false}));
    EXPECT_EQ(limitPageMarks({true, true, false}), (std::vector<bool>{true, true, false}));
    const Pages pages = dealPages(oneTo(10));
    EXPECT_EQ(finalList(pages, {{0, 3}, {}, {2}}), (std::vector<int>{1, 10, 9}));
}

ProfessionsData suggestionData() {
    ProfessionsLines lines;
    lines.longPhrases = {longLine("Uno", "BBBB AAAA"), longLine("Dos", "AAAA CCCC")};
    for (int k = 1; k <= 8; ++k)
        lines.shortPhrases.push_back(shortLine("AAAA", "    ", "Frase " + std::to_string(k)));
    lines.professions = {professionLine("AAAA", "CCCC", "P1", "  1  2", "C001"),
                         professionLine("CCCC", "BBBB", "P2", "  3  4", "C001"),
                         professionLine("BBBB", "AAAA", "P3", "  5  1", "C001"),
                         professionLine("DDDD", "AAAA", "P4", "  6  0", "C001")};
    return professionsDataFrom(lines);
}

TEST(PhrasePages, SuggestionsFollowTheFourPassesOverProfessionsAndKeptCodes) {
    const ProfessionsData data = suggestionData();
    const std::vector<Code> kept = keptCodes(data, {0, 1});
    EXPECT_EQ(kept, (std::vector<Code>{"BBBB", "AAAA", "CCCC"}));
    // Pass 1 (first activity, first phrase): P1 1, P2 3, P3 5; pass 2: P1 2, P2 4, (P3 1);
    // pass 3 (second activity, first phrase): P4 6; pass 4 gives nothing new.
    EXPECT_EQ(suggestedPhrases(data, kept), (std::vector<int>{1, 3, 5, 2, 4, 6}));
    EXPECT_EQ(suggestedPhrases(data, {"DDDD"}), (std::vector<int>{6}));
    EXPECT_TRUE(suggestedPhrases(data, {"ZZZZ"}).empty());
}

ProfessionsData scoringData() {
    ProfessionsLines lines;
    lines.activities = {activityLine("AAAA", "Primera"), activityLine("BBBB", "Segunda"),
                        activityLine("CCCC", "Tercera")};
    lines.shortPhrases = {shortLine("BBBB", "    ", "B sola"), shortLine("AAAA", "    ", "A sola"),
                          shortLine("CCCC", "AAAA", "C y luego A")};
    return professionsDataFrom(lines);
}

TEST(ActivityScores, EqualScoresKeepTheOrderOfTheActivities) {
    const ProfessionsData data = scoringData();
    const auto scores = scoreActivities(data, {1, 2}, -1);  // B 1, A 1, C 0
    EXPECT_EQ(scores, (std::vector<double>{1.0, 1.0, 0.0}));
    EXPECT_EQ(rankActivities(scores), (std::vector<int>{0, 1}));
    EXPECT_EQ(rankActivities({0.5, 2.0, 0.5, 2.0}), (std::vector<int>{1, 3, 0, 2}));
}

TEST(ActivityScores, AFavouriteSecondActivityPhraseGivesOnePointTwoFive) {
    const ProfessionsData data = scoringData();
    // Row 1 is "C y luego A", the favourite: C 1 + 1.5, A 0.5 + 0.75; row 0 gives B 1.
    const auto scores = scoreActivities(data, {1, 3}, 1);
    EXPECT_DOUBLE_EQ(scores[0], 1.25);
    EXPECT_DOUBLE_EQ(scores[1], 1.0);
    EXPECT_DOUBLE_EQ(scores[2], 2.5);
    EXPECT_EQ(rankActivities(scores), (std::vector<int>{2, 0, 1}));
    // Without the favourite the same phrase gives the second activity half a point.
    EXPECT_DOUBLE_EQ(scoreActivities(data, {3}, -1)[0], 0.5);
}

TEST(ResultLists, StudiesStopAtTheFirstCodeOfAnotherTypeAndHeadEachTypeOnce) {
    ProfessionsLines lines;
    lines.studyLists[0] = {"Medicina (Lic.)", "Enfermería (Dipl.)"};
    lines.studyLists[2] = {"-Sanidad", "Cuidados Auxiliares de Enfermería"};
    lines.studyLists[3] = {"Bomberos"};
    lines.professions = {
        professionLine("SANI", "CUID", "Enfermero", "  1  0", "C001M002C002X001O001")};
    const ProfessionsData data = professionsDataFrom(lines);
    EXPECT_EQ(studiesOf(data.professions[0]), (std::vector<std::string>{"C001", "M002", "C002"}));
    InterfaceTexts texts;
    texts.set(627, "Carreras");
    texts.set(113, "FP Grado Medio");
    const auto rows = studyRows(data, texts, data.professions[0]);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(rows[0].heading);
    EXPECT_EQ(rows[0].text, "      Carreras:");
    EXPECT_EQ(rows[1].text, "Medicina (Lic.)");
    EXPECT_EQ(rows[2].text, "      FP Grado Medio:");
    EXPECT_EQ(rows[3].text, "Cuidados Auxiliares de Enfermería");
    EXPECT_FALSE(rows[4].heading);  // the second degree comes under the heading already shown
    EXPECT_EQ(rows[4].text, "Enfermería (Dipl.)");
}

}  // namespace
}  // namespace rumbelo::professions
