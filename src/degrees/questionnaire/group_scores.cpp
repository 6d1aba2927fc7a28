#include "degrees/questionnaire/group_scores.h"

#include <algorithm>
#include <charconv>

#include "common/text/fixed_text.h"

namespace rumbelo::degrees {
namespace {

constexpr std::size_t kGroupNameWidth = 40;
constexpr std::size_t kScoreWidth = 4;

}  // namespace

std::vector<int> tickedItems(const std::vector<bool>& flags) {
    std::vector<int> items;
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (flags[i]) items.push_back(static_cast<int>(i) + 1);
    return items;
}

std::vector<int> impliedTicks(int item) {
    switch (item) {
        case 2:
            return {1};
        case 3:
            return {1, 2};
        case 5:
            return {4};
        case 6:
            return {4, 5};
        default:
            return {};
    }
}

GroupScores scoreGroups(const InterestCatalog& catalog, Questionnaire q,
                        const std::vector<int>& ticked) {
    const int groups = std::min(catalog.groupCount(), kMaxInterestGroups);
    GroupScores scores;
    for (int g = 1; g <= groups; ++g) {
        const std::vector<int>& listed = catalog.groupItems(q, g);
        if (listed.empty()) {
            scores.push_back(0.0);
            continue;
        }
        int hits = 0;
        for (const int item : ticked)
            hits += static_cast<int>(std::count(listed.begin(), listed.end(), item));
        scores.push_back(10.0 * (0.01 + hits) / static_cast<double>(listed.size()));
    }
    return scores;
}

GroupScores averageScores(const GroupScores& qualities, const GroupScores& interests) {
    const std::size_t n = std::max(qualities.size(), interests.size());
    GroupScores mean(n, 0.0);
    for (std::size_t g = 0; g < n; ++g) {
        const double a = g < qualities.size() ? qualities[g] : 0.0;
        const double b = g < interests.size() ? interests[g] : 0.0;
        mean[g] = (a + b) / 2.0;
    }
    return mean;
}

std::string formatScore(double score) {
    // to_chars, not printf: the decimal point must not follow the pupil's locale.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, score, std::chars_format::fixed, 1);
    std::string digits(text, end.ptr);
    if (digits.size() < kScoreWidth) digits.insert(0, kScoreWidth - digits.size(), ' ');
    return cut(digits, kScoreWidth);
}

std::string groupLine(const std::string& groupName, double score) {
    std::string line = cut(groupName, kGroupNameWidth);
    line.resize(kGroupNameWidth, ' ');
    return line + formatScore(score);
}

GroupRanking rankGroups(const LineTable& groups, const GroupScores& scores) {
    GroupRanking ranking;
    std::vector<double> sorted = scores;
    for (std::size_t g = 0; g < scores.size(); ++g) {
        const int group = static_cast<int>(g) + 1;
        ranking.lines.push_back(groupLine(groups[group], scores[g]));
        ranking.order.push_back(group);
    }
    // A bubble sort that swaps only on a strictly lower first score: ties keep their order.
    for (std::size_t pass = 0; pass + 1 < sorted.size(); ++pass) {
        for (std::size_t i = 0; i + 1 < sorted.size() - pass; ++i) {
            if (sorted[i] < sorted[i + 1]) {
                std::swap(sorted[i], sorted[i + 1]);
                std::swap(ranking.lines[i], ranking.lines[i + 1]);
                std::swap(ranking.order[i], ranking.order[i + 1]);
            }
        }
    }
    return ranking;
}

}  // namespace rumbelo::degrees
