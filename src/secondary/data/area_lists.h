#pragma once
// "datitine": for every area, the questionnaire statements that make it up (record A) and
// the titles listed for it (record B). Two records of 30 rows of 101 bytes: a count, then
// up to 100 numbers.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "common/data/data_files.h"

namespace rumbelo::secondary {

constexpr std::size_t kAreaRecordSize = 3030;
constexpr int kAreaRows = 30;
constexpr std::size_t kAreaRowBytes = 101;
constexpr int kAreaRowCapacity = 100;

struct AreaLists {
    // statements[h-1] = "CUESTION" lines of area h; titles[h-1] = "TITULOS" lines of area h.
    std::array<std::vector<int>, kAreaRows> statements;
    std::array<std::vector<int>, kAreaRows> titles;
    // Row h (1..30), empty outside.
    const std::vector<int>& statementsOf(int h) const;
    const std::vector<int>& titlesOf(int h) const;
};

// Reads "datitine". A missing file, or one shorter than the two records, is reported as
// the text files are and sets the abort flag; a row counting more than 100 entries is
// reported by name and limit and keeps its first 100.
void loadAreaLists(DataFiles& files, AreaLists& areas);

// The rows of one record (shared with the data check).
std::array<std::vector<int>, kAreaRows> decodeAreaRecord(const std::string& record);

}  // namespace rumbelo::secondary
