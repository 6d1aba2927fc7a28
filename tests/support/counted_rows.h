#pragma once
// Writes a counted row into crafted binary data: the count at `offset`, the numbers after it.
#include <cstddef>
#include <string>
#include <vector>

namespace rumbelo::testing {

inline void putCountedRow(std::string& bytes, std::size_t offset, const std::vector<int>& numbers) {
    bytes[offset] = static_cast<char>(numbers.size());
    for (std::size_t i = 0; i < numbers.size(); ++i)
        bytes[offset + 1 + i] = static_cast<char>(numbers[i]);
}

}  // namespace rumbelo::testing
