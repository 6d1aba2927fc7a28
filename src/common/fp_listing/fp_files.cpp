#include "common/fp_listing/fp_files.h"

namespace rumbelo::fp_listing {

const std::vector<int>& FpFiles::offerRow(int zone, int t) const {
    static const std::vector<int> none;
    if (zone < 1 || zone > kZones) return none;
    const auto& rows = offer[static_cast<std::size_t>(zone - 1)];
    if (t < 1 || t >= static_cast<int>(rows.size())) return none;
    return rows[static_cast<std::size_t>(t)];
}

int zoneNumber(char zone) {
    return zone >= '1' && zone <= '4' ? zone - '0' : 0;
}

}  // namespace rumbelo::fp_listing
