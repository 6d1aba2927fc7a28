#include "common/data/counted_rows.h"

#include <algorithm>

namespace rumbelo {

std::vector<int> countedRow(std::string_view bytes, std::size_t offset, std::size_t rowBytes,
                            std::size_t width) {
    if (width == 0 || offset >= bytes.size()) return {};
    const std::string_view row = bytes.substr(offset, rowBytes);
    const std::size_t slots = row.size() / width;
    if (slots == 0) return {};
    const auto number = [&](std::size_t k) {
        int value = 0;
        for (std::size_t b = width; b-- > 0;)
            value = value << 8 | static_cast<unsigned char>(row[k * width + b]);
        return value;
    };
    const std::size_t n = std::min(static_cast<std::size_t>(number(0)), slots - 1);
    std::vector<int> entries;
    entries.reserve(n);
    for (std::size_t k = 1; k <= n; ++k)
        entries.push_back(number(k));
    return entries;
}

}  // namespace rumbelo
