#include "common/data/region_grids.h"

namespace rumbelo {

std::optional<RegionGrids> RegionGrids::fromBytes(std::string_view bytes) {
    if (bytes.size() < kFileSize) return std::nullopt;
    RegionGrids grids;
    grids.bytes_ = std::string(bytes.substr(0, kFileSize));
    return grids;
}

int RegionGrids::value(int x, int y, int base, int rows) const {
    if (x < 1 || x > kColumns || y < 1 || y > rows) return 0;
    const std::size_t index =
        static_cast<std::size_t>(x - 1) * kIntsPerRow + static_cast<std::size_t>(base + y - 1);
    if (index >= static_cast<std::size_t>(kColumns) * kIntsPerRow) return 0;
    return static_cast<unsigned char>(bytes_[index * 4]);  // little-endian: low byte first
}

int RegionGrids::communityAt(int x, int y) const {
    const int v = community(x, y);
    return v >= 1 && v <= 19 ? v : 0;
}

int RegionGrids::comarcaAt(int x, int y) const {
    const int v = comarca(x, y);
    return v >= 1 && v <= 41 ? v : 0;
}

int RegionGrids::areaAt(int x, int y) const {
    const int v = area(x, y);
    return v >= 1 && v <= 28 ? v : 0;
}

}  // namespace rumbelo
