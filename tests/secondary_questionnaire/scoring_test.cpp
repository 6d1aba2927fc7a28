// The scores behind the results: points by weight and format, the readiness rating, area
// ratings with their start values, the stable ranking and the advice areas.
#include <gtest/gtest.h>

#include "crafted_questionnaire.h"
#include "secondary/questionnaire/scoring.h"

using namespace rumbelo;
using namespace rumbelo::secondary;
using namespace rumbelo::secondary::testing;

namespace {

std::vector<Statement> statementsOf(const std::vector<std::array<int, 3>>& wfa) {
    std::vector<Statement> out(1);
    for (const auto& [w, f, a] : wfa) {
        Statement s;
        s.weight = w;
        s.format = f;
        s.answer = a;
        s.loaded = true;
        out.push_back(s);
    }
    return out;
}

}  // namespace

TEST(EsoScoring, PointsFollowWeightAndFormatAndTheMaximumOnlyTheWeight) {
    EXPECT_EQ(answerPoints(2, 2, 2), 3);
    EXPECT_EQ(answerPoints(9, 2, 1), 0);
    EXPECT_EQ(answerPoints(5, 4, 3), 7);
    // Answer 5 counts only for weights 8 and 9; five-answer statements of weight 2 top at 4.
    EXPECT_EQ(answerPoints(2, 5, 5), 0);
    EXPECT_EQ(answerPoints(8, 5, 5), 20);
    EXPECT_EQ(answerPoints(9, 3, 4), 23);
    EXPECT_EQ(answerPoints(9, 3, 6), 0);
    // An unknown weight scores nothing yet still weighs 7.
    EXPECT_EQ(answerPoints(7, 4, 4), 0);
    EXPECT_EQ(statementMaximum(7), 7);
    EXPECT_EQ(statementMaximum(9), 30);
    EXPECT_EQ(statementMaximum(3), 5);
}

TEST(EsoScoring, AllFirstAnswersRateZeroAndFullAnswersJustUnderTen) {
    std::vector<std::array<int, 3>> rows(kFirstBlock, {4, 4, 1});
    auto statements = statementsOf(rows);
    auto points = statementPoints(statements, kFirstBlock);
    Readiness r = readinessOf(statements, points);
    EXPECT_EQ(r.score, 0);
    EXPECT_EQ(ratingText(r.rating), " 0.0");
    for (int i = 1; i <= kFirstBlock; ++i)
        statements[static_cast<std::size_t>(i)].answer = 4;
    points = statementPoints(statements, kFirstBlock);
    r = readinessOf(statements, points);
    EXPECT_DOUBLE_EQ(r.maximum, 0.01 + 35 * 7);
    EXPECT_LT(r.rating, 10);
    EXPECT_EQ(ratingText(r.rating), "10.0");
}

TEST(EsoScoring, AreaRatingsStartAtTheirOffsetsAndInterestCountsOnlyTheSecondBlock) {
    std::vector<std::array<int, 3>> rows(40, {2, 2, 1});
    rows[0] = {2, 2, 2};   // statement 1: 3 of 3
    rows[36] = {2, 2, 2};  // statement 37: 3 of 3
    const auto statements = statementsOf(rows);
    const auto points = statementPoints(statements, 40);
    AreaLists areas;
    areas.statements[0] = {1, 2, 37, 38};
    const AreaRatings ratings = fullRunRatings(areas, statements, points);
    EXPECT_DOUBLE_EQ(ratings.overall[1], 6 * 10 / (0.05 + 12));
    EXPECT_DOUBLE_EQ(ratings.interest[1], 3 * 10 / (0.05 + 6));
    // An empty area rates 0 rather than dividing by its start value alone.
    EXPECT_EQ(ratings.overall[2], 0);
}

TEST(EsoScoring, EqualRatingsKeepAreaOrderInTheRanking) {
    std::array<double, kAreaCount + 1> ratings{};
    for (int h = 1; h <= kAreaCount; ++h)
        ratings[static_cast<std::size_t>(h)] = 2;
    ratings[9] = 5;
    ratings[4] = 5;
    ratings[12] = 7;
    ratings[15] = 9;  // advice areas are never ranked
    const auto order = rankAreas(ratings);
    const std::array<int, kRankedAreas + 1> expected{0, 12, 4, 9, 1, 2, 3, 5, 6, 7, 8, 10, 11, 13};
    EXPECT_EQ(order, expected);
}

TEST(EsoScoring, AdviceAreasOfTheShortRunRateOnlyWhatWasShown) {
    std::vector<std::array<int, 3>> rows(kFirstBlock, {2, 2, 2});
    rows[4] = {2, 2, 1};
    const auto statements = statementsOf(rows);
    const auto points = statementPoints(statements, kFirstBlock);
    AreaLists areas;
    // Area 14 asks about statements past the first block only: nothing rates it, so it
    // gives no advice instead of dividing by zero.
    areas.statements[13] = {40, 41};
    areas.statements[14] = {1, 2};
    EXPECT_FALSE(anyWeakAdviceArea(areas, statements, points));
    areas.statements[15] = {5, 6};  // 3 of 6: 5.0
    EXPECT_TRUE(anyWeakAdviceArea(areas, statements, points));
}
