#pragma once
// What the checks of a built folder read back from the title blocks of "asignafp" and
// "asignagm": the total on line 6 and the hours of the module lines under it, and the
// access ages written in the requirement texts.
#include <string>

#include "common/data/tables.h"

namespace rumbelo::data {

// Empty when block t of `blocks` states a total whose module lines add up to it and that
// is a LOGSE length (any length when `ownLengths`, as the artistic and sports teachings
// have); otherwise what is wrong.
std::string blockHoursProblem(const GroupedTable& blocks, int t, bool ownLengths);

// The ages ("NN años") a Windows-1252 text names, in order.
std::vector<int> agesIn(const std::string& text);

}  // namespace rumbelo::data
