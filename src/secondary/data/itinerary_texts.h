#pragma once
// The texts of "ITINERAR" past its twenty areas: the results heading, the six
// recommendation texts and the lines of the results page, kept at their line numbers.
#include <array>
#include <string>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo::secondary {

constexpr int kRankedAreas = 13;      // lines 1-13 are ranked in the results
constexpr int kFirstAdviceArea = 14;  // lines 14-19 can each trigger advice
constexpr int kLastAdviceArea = 19;
constexpr int kAreaCount = 20;  // the table's count once loaded
constexpr int kHeadingLine = 21;
constexpr int kFirstRecommendationLine = 22;
constexpr int kRecommendations = 6;
constexpr int kFirstResultLine = 30;
constexpr int kResultSlots = 30;
constexpr int kItineraryLineLimit = kFirstResultLine + kResultSlots - 1;  // 59
constexpr std::size_t kShortTextLength = 35;
constexpr std::size_t kResultTextLength = 80;

struct ItineraryTexts {
    std::string heading;                                           // line 21
    std::array<std::string, kRecommendations + 1> recommendation;  // [1..6] = lines 22-27
    std::array<std::string, kResultSlots + 1> slot;                // [s] = line 29 + s
    // The text of ITINERAR line n (30..59) as kept; empty when the file was shorter.
    const std::string& resultLine(int n) const;
};

// Copies lines 21-59 of `itinerary` into `texts` and sets the table's count to 20. A file
// of more than 59 lines is reported by name and limit; nothing past line 59 is kept.
void finishItinerary(DataFiles& files, LineTable& itinerary, ItineraryTexts& texts);

}  // namespace rumbelo::secondary
