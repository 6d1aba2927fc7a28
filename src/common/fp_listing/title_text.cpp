#include "common/fp_listing/title_text.h"

#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {

std::vector<std::string> linesNamed(const LineTable& table, const std::vector<int>& numbers) {
    std::vector<std::string> rows;
    rows.reserve(numbers.size());
    for (int n : numbers)
        rows.push_back(table[n]);
    return rows;
}

std::vector<std::string> contentsRows(const GroupedTable& blocks, int t,
                                      const std::string& heading) {
    std::vector<std::string> rows{spaces(3) + heading};
    for (int i = 1; i <= 5; ++i)
        rows.push_back(blocks.line(t, i));
    if (!IsBlank(blocks.line(t, 5))) rows.emplace_back();
    rows.push_back(blocks.line(t, 6));
    rows.emplace_back();
    for (int i = 7; i <= 25; ++i)
        rows.push_back(blocks.line(t, i));
    dropTrailingBlankRows(rows, 14);
    return rows;
}

void dropTrailingBlankRows(std::vector<std::string>& rows, std::size_t keep) {
    while (rows.size() > keep && IsBlank(rows.back()))
        rows.pop_back();
}

void dropTrailingBlankRowsWithin(std::vector<std::string>& rows, std::size_t window) {
    for (std::size_t looked = 0; looked < window && !rows.empty() && IsBlank(rows.back()); ++looked)
        rows.pop_back();
}

}  // namespace rumbelo::fp_listing
