#include "secondary/questionnaire/results_page.h"

#include "common/text/fixed_text.h"

namespace rumbelo::secondary {

namespace {

constexpr std::size_t kAreaNameWidth = 45;
constexpr std::size_t kNameLimit = 45;
const std::string kRule(56, '_');

// Each line as it is kept: cut to 60, without the blanks that padded its source.
std::string resultLine(const std::string& text) {
    return TrimRight(cut(text, kResultLineWidth));
}

std::string areaLine(const LineTable& itinerary, int area, double rating) {
    return cut(itinerary[area], kAreaNameWidth) + ratingText(rating);
}

// The advice lines of each advice area, ITINERAR line numbers.
const std::vector<int>& adviceLinesOf(int area) {
    static const std::array<std::vector<int>, 6> kAdvice{
        {{35, 36}, {37, 38, 39}, {40, 41}, {42, 43}, {44, 45}, {46, 47}}};
    return kAdvice.at(static_cast<std::size_t>(area - kFirstAdviceArea));
}

}  // namespace

ShortVerdict shortVerdict(double rating, bool weakAdvice, bool& secondChance) {
    ShortVerdict v;
    if (rating > 6) {
        v.b = 142;
        v.c = 143;
        v.g = 201;
    } else if (rating >= 5) {
        v.b = 144;
        v.c = weakAdvice ? 145 : 0;
        v.g = 201;
    } else if (rating >= 4.4 && secondChance) {
        v.b = 146;
        v.c = 147;
        v.d = 148;
        v.e = 149;
        v.closingLine = false;
        secondChance = false;
    } else {
        v.b = 150;
        v.c = 151;
        v.g = 202;
    }
    v.continueAllowed = rating >= 5;
    return v;
}

std::vector<std::string> shortResultLines(const ShortVerdict& v, const InterfaceTexts& texts,
                                          const ItineraryTexts& results) {
    const auto text = [&](int k) { return k > 0 ? texts.trimmed(k) : std::string(); };
    std::vector<std::string> lines = {spaces(7) + results.heading,
                                      "",
                                      text(v.a),
                                      text(v.b),
                                      text(v.c),
                                      text(v.d),
                                      text(v.e),
                                      "",
                                      "",
                                      "",
                                      "",
                                      v.closingLine ? spaces(3) + text(125) : std::string(),
                                      text(v.g)};
    for (auto& line : lines)
        line = resultLine(line);
    return lines;
}

std::string recommendationOf(int area, const ItineraryTexts& results) {
    const auto rec = [&](int k) { return results.recommendation[static_cast<std::size_t>(k)]; };
    switch (area) {
        case 1:
        case 3:
            return rec(5);
        case 2:
            return rec(1);
        case 4:
        case 11:
        case 12:
            return rec(4);
        case 5:
            return TrimRight(rec(3)) + " o " + rec(2);
        case 6:
        case 7:
        case 10:
            return rec(3);
        case 8:
        case 9:
            return rec(2);
        case 13:
            return rec(6);
        default:
            return {};
    }
}

FullResults fullResults(const SecondaryData& data, const InterfaceTexts& texts,
                        const Readiness& readiness, const AreaRatings& ratings) {
    FullResults out;
    const LineTable& itinerary = data.itinerary;
    const ItineraryTexts& results = data.results;
    out.ranking = rankAreas(ratings.overall);
    const std::array<int, kRankedAreas + 1> byInterest = rankAreas(ratings.interest);
    out.bestArea = out.ranking[1];
    // The area whose line begins as the top interest line does (the last such one).
    const std::string top = cut(itinerary[byInterest[1]], 20);
    for (int h = 1; h <= kRankedAreas; ++h)
        if (cut(itinerary[h], 20) == top) out.bestInterestArea = h;

    const std::string best = recommendationOf(out.bestArea, results);
    const std::string interest = recommendationOf(out.bestInterestArea, results);
    std::string second;
    if (out.bestArea != 5 && interest != best) second = texts.trimmed(123) + " " + interest;

    auto& lines = out.lines;
    const auto add = [&lines](const std::string& line) { lines.push_back(resultLine(line)); };
    const bool ready = readiness.rating >= 5;
    add(spaces(7) + results.heading);
    add("");
    add(texts.trimmed(124));
    add(texts.trimmed(ready ? 142 : 146));
    add(texts.trimmed(ready ? 143 : 147));
    add(texts.trimmed(152) + " " + ratingText(readiness.rating));
    add(kRule);
    add("");
    add(texts.trimmed(153));
    add(spaces(6) + best);
    add(spaces(6) + second);
    add(kRule);
    add("");
    add(spaces(8) + results.resultLine(30));
    add(TrimRight(results.resultLine(33)) + spaces(9) + TrimRight(results.resultLine(32)));
    add(spaces(2) + texts.trimmed(240));
    for (int k = 1; k <= 6; ++k) {
        const int area = out.ranking[static_cast<std::size_t>(k)];
        add(areaLine(itinerary, area, ratings.overall[static_cast<std::size_t>(area)]));
    }
    add("");
    add("  Y los que m\xE1s te gustan son:");
    for (int k = 1; k <= 2; ++k) {
        const int area = byInterest[static_cast<std::size_t>(k)];
        add(areaLine(itinerary, area, ratings.interest[static_cast<std::size_t>(area)]));
    }
    add(kRule);
    add("");
    add(results.resultLine(34));
    add("");
    bool advised = false;
    for (int h = kFirstAdviceArea; h <= kLastAdviceArea; ++h) {
        if (ratings.overall[static_cast<std::size_t>(h)] >= 6) continue;
        advised = true;
        for (int n : adviceLinesOf(h))
            add(results.resultLine(n));
    }
    if (!advised) {
        add(results.resultLine(48));
        add(results.resultLine(49));
    }
    add("");
    add(results.resultLine(50));
    add("");
    add(results.resultLine(51));
    add(results.resultLine(52));
    return out;
}

std::string studentNameWithCourse(const std::string& typed) {
    return cut(cut(typed, kNameLimit) + "  -  " + std::to_string(kCourse) + "\xBA de ESO",
               kNameLimit);
}

std::vector<std::string> reportLines(const std::string& studentName,
                                     const std::vector<std::string>& resultLines) {
    std::vector<std::string> lines{studentName, ""};
    lines.insert(lines.end(), resultLines.begin(), resultLines.end());
    return lines;
}

}  // namespace rumbelo::secondary
