#pragma once
// The intermediate-FP tables of the secondary form's data. Their loaders (cuesgm_*, fp2_*)
// live beside this file and fill these members; the secondary loader calls them in the
// form's order.
#include <array>
#include <cstdint>
#include <vector>

#include "common/data/tables.h"

namespace rumbelo::secondary {

struct IntermediateFpTables {
    TextTable questionnaireHeader;             // "CUESGM" lines 1-11: ten categories, the way out
    TextTable questionnaire;                   // "CUESGM" statements, statement 1 = entry 1
    std::array<std::uint8_t, 101> category{};  // by statement 1..100: col 3
    std::array<std::uint8_t, 101> secondCategory{};  // col 4
    LineTable titles;                                // "FP2", every line
    LineTable familyNames;                           // "FP2" headers
    std::vector<int> headerLines;  // headerLines[i-1] = line of header i, then lines + 1
    int firstGroupSize = 0;
    GroupedTable blocks;  // "asignagm": block b = FP2 line b
    // offer[z-1][r] = centre numbers (lines of "LU"z) teaching FP2 line r; row 0 unused.
    std::array<std::vector<std::vector<int>>, 4> offer;
};

}  // namespace rumbelo::secondary
