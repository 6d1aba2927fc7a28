#pragma once
// Step 2 and 3 of the professions questionnaire: the short phrases the chosen long phrases
// lead to, dealt over at most four pages; at most two marks a page; the final list.
#include <array>
#include <vector>

#include "professions/data/professions_files.h"

namespace rumbelo::professions {

inline constexpr int kMaxPages = 4;
inline constexpr int kSlotsPerPage = 11;
inline constexpr int kMaxSuggested = 119;
inline constexpr int kMarksPerPage = 2;

// The activity codes of the marked long phrases (0-based rows, in row order), each code
// once, in the order first met; no-codes skipped.
std::vector<Code> keptCodes(const ProfessionsData& data, const std::vector<int>& markedRows);

// The short phrase numbers the professions of the kept codes lead to: the first phrases of
// professions whose first activity is kept, then their second phrases, then the same for
// professions whose second activity is kept; each number once, 0 never, at most 119.
std::vector<int> suggestedPhrases(const ProfessionsData& data, const std::vector<Code>& kept);

struct Pages {
    int count = 0;    // P, 0..4
    int perPage = 4;  // K
    // table[p-1] = page p's short phrase numbers; 0 ends a page.
    std::array<std::array<int, kSlotsPerPage>, kMaxPages + 1> table{};
    // The phrases of page p (1-based), up to the first empty slot.
    std::vector<int> page(int p) const;
};

// Deals the phrases in turn over the pages: the first to page 1, the second to page 2, ...,
// the (P+1)-th to page 1 again. A page holds 11; phrases past that are left out.
Pages dealPages(const std::vector<int>& suggested);

// The marks of a page after a click: when three or more rows are marked, only the first two
// in row order stay.
std::vector<bool> limitPageMarks(std::vector<bool> marks);

// The marked rows (0-based) of a page's list, in row order.
std::vector<int> markedRows(const std::vector<bool>& marks);

// The phrases kept from every page: for pages 1..P in order, the page's phrase at each
// recorded row (0-based rows, as recorded).
std::vector<int> finalList(const Pages& pages, const std::vector<std::vector<int>>& choices);

}  // namespace rumbelo::professions
