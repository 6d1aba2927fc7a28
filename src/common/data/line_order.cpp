#include "common/data/line_order.h"

#include <utility>

namespace rumbelo {

bool sortsAfter(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca > cb;
    }
    return a.size() > b.size();
}

void SortLineTable(FixedTable& table, std::vector<int>& index, int n) {
    index.resize(static_cast<std::size_t>(std::max(n, 0)));
    for (int k = 1; k <= n; ++k)
        index[static_cast<std::size_t>(k - 1)] = k;
    std::vector<std::string> entries;
    for (int k = 1; k <= n; ++k)
        entries.push_back(table[k]);
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = n; j >= i + 1; --j) {
            auto& upper = entries[static_cast<std::size_t>(j - 2)];
            auto& lower = entries[static_cast<std::size_t>(j - 1)];
            if (sortsAfter(upper, lower)) {
                std::swap(upper, lower);
                std::swap(index[static_cast<std::size_t>(j - 2)],
                          index[static_cast<std::size_t>(j - 1)]);
            }
        }
    }
    for (int k = 1; k <= n; ++k)
        table.set(k, entries[static_cast<std::size_t>(k - 1)]);
}

PlaceKeys FillPlaceKeys() {
    return {"37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J",
            "1K", "11", "2E", "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13",
            "17", "1A", "1D", "1E", "1F", "1G", "1H", "45", "4A", "46", "47", "48", "49",
            "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H", "29", "2A", "2B", "2C",
            "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32"};
}

}  // namespace rumbelo
