#pragma once
// What an FP title's menu shows in the text list: its requirements, its contents page and
// the degrees it leads to. Returns the rows. Qt-free.
#include <string>
#include <vector>

#include "common/data/tables.h"

namespace rumbelo::fp_listing {

// The lines of `table` named by `numbers`, in their order (requirements of "REQFP",
// reachable degrees of "carreFP").
std::vector<std::string> linesNamed(const LineTable& table, const std::vector<int>& numbers);

// The contents page of title t: three blanks and the heading (interface text 271); block
// lines 1 to 5; an empty row when line 5 is not blank; line 6; an empty row; lines 7 to 25.
// Then trailing blank rows go while more than 14 rows remain.
std::vector<std::string> contentsRows(const GroupedTable& blocks, int t,
                                      const std::string& heading);

// Drops trailing blank rows while more than `keep` rows remain.
void dropTrailingBlankRows(std::vector<std::string>& rows, std::size_t keep);
// Drops trailing blank rows, looking at no more than the last `window` rows.
void dropTrailingBlankRowsWithin(std::vector<std::string>& rows, std::size_t window);

}  // namespace rumbelo::fp_listing
