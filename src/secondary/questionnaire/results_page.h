#pragma once
// The results page of the questionnaire as lines: the short verdict of a first-block run, or
// the full page with the ranked areas, the recommended Bachillerato, the advice and the
// closing lines; and the report printed or saved from it. Text is Windows-1252.
#include <array>
#include <string>
#include <vector>

#include "common/data/tables.h"
#include "common/texts/interface_texts.h"
#include "secondary/data/secondary_data.h"
#include "secondary/questionnaire/scoring.h"

namespace rumbelo::secondary {

inline constexpr std::size_t kResultLineWidth = 60;
// Result lines 17-22: the six best areas, the ones whose titles can be opened.
inline constexpr int kFirstBestAreaLine = 17;
inline constexpr int kLastBestAreaLine = 22;

// The texts of the short verdict: A..G, as interface text numbers (0 = empty).
struct ShortVerdict {
    int a = 124, b = 0, c = 0, d = 0, e = 0, g = 0;
    bool closingLine = true;  // F: three blanks + text 125
    bool continueAllowed = false;
};
// The band of a readiness rating. The borderline message (4.4 up to 5) is given while
// `secondChance` is set, and clears it.
ShortVerdict shortVerdict(double rating, bool weakAdvice, bool& secondChance);

// The thirteen lines of the short verdict.
std::vector<std::string> shortResultLines(const ShortVerdict& verdict, const InterfaceTexts& texts,
                                          const ItineraryTexts& results);

// The recommendation of an area (1..13); empty for any other.
std::string recommendationOf(int area, const ItineraryTexts& results);

struct FullResults {
    std::vector<std::string> lines;               // result lines 1..n as lines[0..n-1]
    std::array<int, kRankedAreas + 1> ranking{};  // [1..13]
    int bestArea = 0;
    int bestInterestArea = 0;  // 0 when no area line matches
    std::array<int, 4> boldResultLines{1, 10, 14, 29};
};
FullResults fullResults(const SecondaryData& data, const InterfaceTexts& texts,
                        const Readiness& readiness, const AreaRatings& ratings);

// The student's name for reports: what was typed (at most 45), "  -  4º de ESO", cut to 45.
std::string studentNameWithCourse(const std::string& typed);

// The report: the student's name, an empty line, the result lines. Its bold lines are the
// report lines of the bold result lines (one further down).
std::vector<std::string> reportLines(const std::string& studentName,
                                     const std::vector<std::string>& resultLines);

}  // namespace rumbelo::secondary
