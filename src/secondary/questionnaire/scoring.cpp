#include "secondary/questionnaire/scoring.h"

#include <cstdio>

namespace rumbelo::secondary {

namespace {

struct WeightRow {
    int weight;
    double twoAnswers;           // answer 2 of a yes/no statement
    std::array<double, 5> five;  // answers 1..5 of the other formats
    double maximum;
};

constexpr std::array<WeightRow, 6> kWeights{{
    {2, 3, {0, 1, 2, 3, 0}, 3},
    {3, 5, {0, 1, 3, 5, 0}, 5},
    {4, 7, {0, 2, 5, 7, 0}, 7},
    {5, 10, {0, 4, 7, 10, 0}, 10},
    {8, 20, {0, 5, 10, 15, 20}, 20},
    {9, 30, {0, 8, 16, 23, 30}, 30},
}};

const WeightRow* rowOf(int weight) {
    for (const WeightRow& row : kWeights)
        if (row.weight == weight) return &row;
    return nullptr;
}

constexpr double kOtherMaximum = 7;

}  // namespace

double answerPoints(int weight, int format, int answer) {
    const WeightRow* row = rowOf(weight);
    if (!row) return 0;
    if (format == 2) return answer == 2 ? row->twoAnswers : 0;
    if (answer < 1 || answer > 5) return 0;
    return row->five[static_cast<std::size_t>(answer - 1)];
}

double statementMaximum(int weight) {
    const WeightRow* row = rowOf(weight);
    return row ? row->maximum : kOtherMaximum;
}

std::vector<double> statementPoints(const std::vector<Statement>& statements, int shown) {
    std::vector<double> points(static_cast<std::size_t>(shown) + 1, 0.0);
    for (int i = 1; i <= shown && i < static_cast<int>(statements.size()); ++i) {
        const Statement& s = statements[static_cast<std::size_t>(i)];
        points[static_cast<std::size_t>(i)] = answerPoints(s.weight, s.format, s.answer);
    }
    return points;
}

Readiness readinessOf(const std::vector<Statement>& statements, const std::vector<double>& points) {
    Readiness r;
    r.maximum = 0.01;
    const int last = std::min<int>(kFirstBlock, static_cast<int>(points.size()) - 1);
    for (int i = 1; i <= last; ++i) {
        r.score += points[static_cast<std::size_t>(i)];
        r.maximum += statementMaximum(statements[static_cast<std::size_t>(i)].weight);
    }
    r.rating = r.score * 10 / r.maximum;
    return r;
}

std::optional<double> areaRating(const std::vector<int>& row,
                                 const std::vector<Statement>& statements,
                                 const std::vector<double>& points, double start, int above) {
    const int shown = static_cast<int>(points.size()) - 1;
    double sum = 0, maximum = start;
    for (int i : row) {
        if (i <= above || i > shown) continue;
        sum += points[static_cast<std::size_t>(i)];
        maximum += statementMaximum(statements[static_cast<std::size_t>(i)].weight);
    }
    if (maximum <= 0) return std::nullopt;
    return sum * 10 / maximum;
}

AreaRatings fullRunRatings(const AreaLists& areas, const std::vector<Statement>& statements,
                           const std::vector<double>& points) {
    constexpr double kStart = 0.05;
    AreaRatings ratings;
    for (int h = 1; h <= kAreaCount; ++h) {
        const auto& row = areas.statementsOf(h);
        const auto at = static_cast<std::size_t>(h);
        ratings.overall[at] = areaRating(row, statements, points, kStart).value_or(0);
        ratings.interest[at] = areaRating(row, statements, points, kStart, kFirstBlock).value_or(0);
    }
    return ratings;
}

bool anyWeakAdviceArea(const AreaLists& areas, const std::vector<Statement>& statements,
                       const std::vector<double>& points) {
    for (int h = kFirstAdviceArea; h <= kLastAdviceArea; ++h) {
        const auto rating = areaRating(areas.statementsOf(h), statements, points, 0);
        if (rating && *rating < 6) return true;
    }
    return false;
}

std::array<int, kRankedAreas + 1> rankAreas(const std::array<double, kAreaCount + 1>& ratings) {
    std::array<int, kRankedAreas + 1> order{};
    std::array<double, kRankedAreas + 1> value{};
    for (int k = 1; k <= kRankedAreas; ++k) {
        order[static_cast<std::size_t>(k)] = k;
        value[static_cast<std::size_t>(k)] = ratings[static_cast<std::size_t>(k)];
    }
    for (int first = 1; first < kRankedAreas; ++first) {
        for (int k = kRankedAreas; k > first; --k) {
            const auto upper = static_cast<std::size_t>(k - 1), lower = static_cast<std::size_t>(k);
            if (value[upper] < value[lower]) {
                std::swap(value[upper], value[lower]);
                std::swap(order[upper], order[lower]);
            }
        }
    }
    return order;
}

std::string ratingText(double rating) {
    char text[32];
    std::snprintf(text, sizeof text, "%4.1f", rating);
    return text;
}

}  // namespace rumbelo::secondary
