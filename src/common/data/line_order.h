#pragma once
// Ordering of line tables and the fixed list of place keys.
#include <array>
#include <string>
#include <vector>

#include "common/data/tables.h"

namespace rumbelo {

// Sorts entries 1..n in ascending byte order (Windows-1252 codes: upper case before lower
// case, accented letters after "z", a prefix before its extensions) with a stable bubble
// sort, and sets index so that index[k-1] tells which entry sorted entry k was before.
void SortLineTable(FixedTable& table, std::vector<int>& index, int n);

// Byte-order comparison used by SortLineTable: true when a sorts after b.
bool sortsAfter(const std::string& a, const std::string& b);

// The 64 place keys, in the order places are offered: zone digit of "LU1".."LU4", then
// the province's key letter.
constexpr int kPlaceKeyCount = 64;
using PlaceKeys = std::array<std::string, kPlaceKeyCount>;  // PlaceKeys[i-1] = key i
PlaceKeys FillPlaceKeys();

}  // namespace rumbelo
