#pragma once
// Rows of the binary data files that carry their own length: the first number of the row is
// a count n, the next n numbers are the row's entries. A count larger than the row holds is
// read as a full row, so a damaged file can never make a reader run into the next row.
#include <cstddef>
#include <string_view>
#include <vector>

namespace rumbelo {

// The row of `rowBytes` bytes at `offset` in `bytes`, of numbers `width` (1 or 2) bytes wide
// (low byte first). Nothing past the end of `bytes` is read: a row cut short ends there.
std::vector<int> countedRow(std::string_view bytes, std::size_t offset, std::size_t rowBytes,
                            std::size_t width = 1);

}  // namespace rumbelo
