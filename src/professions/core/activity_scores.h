#pragma once
// Scoring the final list of short phrases: each phrase counts for its main activity and,
// less, for its second; the favourite counts more. Activities above 0 ranked by score.
#include <vector>

#include "professions/data/professions_files.h"

namespace rumbelo::professions {

inline constexpr double kMainWeight = 1.0;
inline constexpr double kMainFavouriteBonus = 1.5;
inline constexpr double kSecondWeight = 0.5;
inline constexpr double kSecondFavouriteBonus = 0.75;

// One score per activity of "ACTIVIDA", in file order. `favourite` is the 0-based row of the
// final list, -1 when none was picked.
std::vector<double> scoreActivities(const ProfessionsData& data, const std::vector<int>& finalList,
                                    int favourite);

// The activities (0-based) with a score above 0, by descending score; equal scores keep the
// order of "ACTIVIDA".
std::vector<int> rankActivities(const std::vector<double>& scores);

}  // namespace rumbelo::professions
