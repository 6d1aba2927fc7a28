#pragma once
// "puntos3": which region lies under each pixel of the three maps. One record of 281 rows
// of 636 little-endian 32-bit integers; row X describes pixel column X of the maps.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rumbelo {

class RegionGrids {
  public:
    static constexpr int kColumns = 281;
    static constexpr int kIntsPerRow = 636;
    static constexpr std::size_t kFileSize = kColumns * kIntsPerRow * 4;  // 714864
    static constexpr int kCommunityRows = 196;
    static constexpr int kDistrictRows = 220;

    // Nothing when the record is shorter than the file size.
    static std::optional<RegionGrids> fromBytes(std::string_view bytes);

    // Region under pixel (x, y) of "mapa", "mapac", "mapam"; 0 outside the grid. The values
    // are the low bytes of the stored integers, not yet checked against the valid ranges.
    int community(int x, int y) const { return value(x, y, 0, kCommunityRows); }
    int comarca(int x, int y) const { return value(x, y, 220, kDistrictRows); }
    // The area grid reads past the end of a row into the next one for rows above 196.
    int area(int x, int y) const { return value(x, y, 440, kDistrictRows); }

    // A valid region number or 0.
    int communityAt(int x, int y) const;  // 1..19
    int comarcaAt(int x, int y) const;    // 1..41
    int areaAt(int x, int y) const;       // 1..28

  private:
    int value(int x, int y, int base, int rows) const;
    std::string bytes_;
};

}  // namespace rumbelo
