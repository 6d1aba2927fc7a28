#pragma once
// How a long report is spread over three columns on landscape pages.
#include <array>
#include <cstddef>

namespace rumbelo {

// Reports up to this many lines print as a portrait list instead.
inline constexpr int kLongestPortraitReport = 74;
// The characters of "Courier New" a compact column prints whole: a report meant for compact
// columns wraps its lines at this width, or the printout cuts them at the column's rule.
inline constexpr std::size_t kCompactColumnWidth = 53;

struct ColumnLayout {
    int rows = 0;  // rows per column
    int pages = 0;
    bool numbered = false;  // the page number goes in the heading's circle
    int fontSize = 0;
    int gridWidth = 0;
    std::array<int, 3> columnX{};  // grid column where each of the three columns starts
};

// The layout of a report of n lines (n > 74), compact or normal.
ColumnLayout columnLayoutFor(int n, bool compact);

}  // namespace rumbelo
