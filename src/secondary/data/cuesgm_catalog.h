#pragma once
// The intermediate-FP questionnaire ("CUESGM", 75-character lines): lines 1-10 are the
// areas of interest, line 11 the way out, the lines after them the statements. Each
// statement carries in columns 1-2 the code of the family and titles it points to, in
// columns 3 and 4 its area digits (k for area k, 0 for area 10; 0 in column 4 = none) and
// from column 5 its text.
#include <array>
#include <cstdint>
#include <string>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo::secondary {

constexpr int kMediumHeaderLines = 11;
constexpr int kMediumStatements = 100;
// What a non-digit area column is read as: an area no row of the list stands for.
constexpr std::uint8_t kNoArea = 0xFF;

struct MediumQuestionnaire {
    TextTable header;      // entries 1..11
    TextTable statements;  // entry i = statement i, as read
    // By statement 1..100: the digit of column 3, resp. column 4.
    std::array<std::uint8_t, kMediumStatements + 1> firstArea{};
    std::array<std::uint8_t, kMediumStatements + 1> secondArea{};

    int count() const { return statements.count(); }
    std::string code(int i) const;  // columns 1-2
    std::string text(int i) const;  // columns 5-74
};

// Reads "CUESGM" through the language folder and splits it: the header table, the
// statements moved up by eleven, the two area arrays. A file with more than 100 statements
// is reported by name and limit and only the first 100 are kept.
void loadMediumQuestionnaire(DataFiles& files, MediumQuestionnaire& questionnaire);

}  // namespace rumbelo::secondary
