// Scoring and ranking of the interest groups: the formula with its 0.01, items listed twice,
// ties, the 4-character score, the implied ticks, the average of one questionnaire alone.
#include "degrees/questionnaire/group_scores.h"

#include <gtest/gtest.h>

#include "crafted_interest.h"
#include "degrees/questionnaire/questionnaire_session.h"
#include "support/numbered_texts.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using rumbelo::testing::interestOf;

namespace {

constexpr auto Q = Questionnaire::Qualities;
constexpr auto I = Questionnaire::Interests;

std::vector<int> groupsOnRows(const GroupRanking& r) {
    return r.order;
}

}  // namespace

TEST(GroupScores, NothingTickedScoresATenthOverTheListLengthAndTiesKeepTheGroupsOrder) {
    const auto catalog = interestOf({{"Salud", {1, 2, 3, 4}, {1}},
                                     {"Arte", {5}, {1}},
                                     {"Letras", {6}, {1}},
                                     {"Mar", {1, 2}, {1}}});
    const GroupScores scores = scoreGroups(catalog, Q, {});
    ASSERT_EQ(scores.size(), 4u);
    EXPECT_DOUBLE_EQ(scores[0], 0.1 / 4);
    EXPECT_DOUBLE_EQ(scores[1], 0.1);
    EXPECT_DOUBLE_EQ(scores[3], 0.1 / 2);
    const GroupRanking ranking = rankGroups(catalog.groups, scores);
    // Arte and Letras tie at the top in their file order; a swap on "<=" would turn them.
    EXPECT_EQ(groupsOnRows(ranking), (std::vector<int>{2, 3, 4, 1}));
    EXPECT_EQ(ranking.lines[0], "Arte" + std::string(36, ' ') + " 0.1");
    EXPECT_EQ(ranking.lines[3].substr(40), " 0.0");
}

TEST(GroupScores, EveryListingOfATickedItemCountsAndUntickedListingsDoNot) {
    const auto catalog = interestOf({{"Salud", {4, 4, 7}, {1}}, {"Arte", {9, 3}, {1}}});
    const GroupScores scores = scoreGroups(catalog, Q, {4, 9});
    EXPECT_DOUBLE_EQ(scores[0], 10 * 2.01 / 3);  // 4 listed twice: two hits
    EXPECT_EQ(formatScore(scores[0]), " 6.7");
    EXPECT_DOUBLE_EQ(scores[1], 10 * 1.01 / 2);
    // The interests are scored against their own lists.
    EXPECT_DOUBLE_EQ(scoreGroups(catalog, I, {1})[1], 10 * 1.01);
}

TEST(GroupScores, TheScoreFieldIsFourCharactersWithAPointWhateverTheLocale) {
    EXPECT_EQ(formatScore(3.3), " 3.3");
    EXPECT_EQ(formatScore(10 * 3.01 / 3), "10.0");
    EXPECT_EQ(formatScore(0.0), " 0.0");
    EXPECT_EQ(formatScore(123.45), "123.");  // longer text is cut, never widens the line
    const std::string line = groupLine(std::string(55, 'x'), 5.0);
    EXPECT_EQ(line, std::string(40, 'x') + " 5.0");
}

TEST(GroupScores, AGroupWithoutItemsScoresNothingInsteadOfDividingByZero) {
    const auto catalog = interestOf({{"Salud", {}, {1}}, {"Arte", {2}, {1}}});
    const GroupScores scores = scoreGroups(catalog, Q, {1, 2});
    EXPECT_EQ(scores[0], 0.0);
    EXPECT_EQ(formatScore(scores[0]), " 0.0");
    EXPECT_EQ(rankGroups(catalog.groups, scores).order, (std::vector<int>{2, 1}));
}

TEST(GroupScores, OnlyTheFirstTwelveGroupsAreScored) {
    std::vector<rumbelo::testing::CraftedGroup> groups(14, {"G", {1}, {1}});
    EXPECT_EQ(scoreGroups(interestOf(groups), Q, {1}).size(), 12u);
}

TEST(GroupScores, TheTwoGradedScalesImplyTheirEarlierSteps) {
    EXPECT_EQ(impliedTicks(3), (std::vector<int>{1, 2}));
    EXPECT_EQ(impliedTicks(2), (std::vector<int>{1}));
    EXPECT_EQ(impliedTicks(6), (std::vector<int>{4, 5}));
    EXPECT_EQ(impliedTicks(5), (std::vector<int>{4}));
    for (int item : {1, 4, 7, 8})
        EXPECT_TRUE(impliedTicks(item).empty()) << item;
    EXPECT_EQ(tickedItems({true, false, false, true}), (std::vector<int>{1, 4}));
}

TEST(QuestionnaireSession, TheAverageCountsAQuestionnaireNeverComputedAsZero) {
    const auto catalog = interestOf({{"Salud", {1}, {1}}, {"Arte", {2}, {2}}});
    const InterfaceTexts texts = rumbelo::testing::numberedTexts();
    QuestionnaireSession session(catalog);
    session.markBuilt(Q);
    EXPECT_FALSE(session.canAverage());
    session.markBuilt(I);  // opened, never scored
    ASSERT_TRUE(session.canAverage());
    const ResultView& q = session.showResults(Q, {false, true}, texts);
    EXPECT_EQ(q.heading, "t286    t279");
    EXPECT_EQ(q.ranking.order, (std::vector<int>{2, 1}));
    const GroupScores qualities = session.scores(Q);
    const ResultView& mean = session.showAverages(texts);
    EXPECT_EQ(mean.heading, "t288");
    EXPECT_EQ(mean.ranking.lines[0].substr(40), formatScore(qualities[1] / 2));
    EXPECT_EQ(mean.ranking.lines[1].substr(40), formatScore(qualities[0] / 2));
    // Rows open the groups of the averages' ranking; a row beyond it opens nothing.
    EXPECT_EQ(session.groupOnRow(0), 2);
    EXPECT_EQ(session.groupOnRow(2), 0);
    session.startAgain();
    EXPECT_FALSE(session.isBuilt(Q));
    EXPECT_FALSE(session.isBuilt(I));
}
