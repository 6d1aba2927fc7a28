#pragma once
// The scores of one results request: the points of every answered statement, the readiness
// rating of the first block, the rating of every area over the statements "datitine" gives
// it, and the ranking of the thirteen ranked areas. Ratings run from 0 to 10.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "secondary/data/area_lists.h"
#include "secondary/data/itinerary_texts.h"
#include "secondary/questionnaire/eso_questionnaire.h"

namespace rumbelo::secondary {

// Points of an answer by weight code W and answer format F; 0 for an answer outside the
// table's.
double answerPoints(int weight, int format, int answer);
// The most a statement of weight code W can score, whatever its format.
double statementMaximum(int weight);

// points[i] for i = 1..shown (index 0 unused).
std::vector<double> statementPoints(const std::vector<Statement>& statements, int shown);

struct Readiness {
    double score = 0, maximum = 0, rating = 0;
};
// Over statements 1..35 (those shown); the maximum starts at 0.01.
Readiness readinessOf(const std::vector<Statement>& statements, const std::vector<double>& points);

// Sum of points x 10 / (start + sum of maxima) over the statements of `row` numbered from
// `above` + 1 up to the shown ones. Nothing when the maxima (and the start) add up to 0.
std::optional<double> areaRating(const std::vector<int>& row,
                                 const std::vector<Statement>& statements,
                                 const std::vector<double>& points, double start, int above = 0);

struct AreaRatings {
    std::array<double, kAreaCount + 1> overall{};   // [1..20], start 0.05
    std::array<double, kAreaCount + 1> interest{};  // [1..20], statements past 35 only
};
AreaRatings fullRunRatings(const AreaLists& areas, const std::vector<Statement>& statements,
                           const std::vector<double>& points);

// The short run's advice areas 14..19, no start value: the first one below 6, if any. An
// advice area with nothing answered to rate it (a zero maximum) gives no advice.
bool anyWeakAdviceArea(const AreaLists& areas, const std::vector<Statement>& statements,
                       const std::vector<double>& points);

// The areas 1..13 from the highest rating down: a bubble sort that swaps neighbours only
// when the upper one rates strictly lower, so equal ratings keep area order.
std::array<int, kRankedAreas + 1> rankAreas(const std::array<double, kAreaCount + 1>& ratings);

// A rating with one decimal, right-aligned in four characters (" 7.3", "10.0").
std::string ratingText(double rating);

}  // namespace rumbelo::secondary
