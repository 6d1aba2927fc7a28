#include <gtest/gtest.h>

#include "common/data/region_grids.h"

namespace rumbelo {
namespace {

// A record whose integer i (0-based, flat) holds `value(i)`.
template <typename F>
std::string makeRecord(F value) {
    std::string bytes(RegionGrids::kFileSize, '\0');
    for (std::size_t i = 0; i < RegionGrids::kFileSize / 4; ++i) {
        const std::uint32_t v = value(i);
        for (int b = 0; b < 4; ++b)
            bytes[i * 4 + static_cast<std::size_t>(b)] = static_cast<char>((v >> (8 * b)) & 0xFF);
    }
    return bytes;
}

TEST(RegionGrids, ColumnsAreRowsOfTheFileAndGridsSitSideBySide) {
    // Integer j of row X holds X * 1000 + j, both counted from 1; the low byte is what counts.
    const auto grids = RegionGrids::fromBytes(makeRecord([](std::size_t i) {
        const std::size_t x = i / 636 + 1, j = i % 636 + 1;
        return static_cast<std::uint32_t>(x * 1000 + j);
    }));
    ASSERT_TRUE(grids);
    EXPECT_EQ(grids->community(3, 5), (3 * 1000 + 5) & 0xFF);
    EXPECT_EQ(grids->comarca(3, 5), (3 * 1000 + 225) & 0xFF);
    EXPECT_EQ(grids->area(3, 5), (3 * 1000 + 445) & 0xFF);
    // Rows above 196 of the area grid continue into the next column's first integers.
    EXPECT_EQ(grids->area(3, 200), (4 * 1000 + 4) & 0xFF);
    EXPECT_EQ(grids->area(281, 200), 0);  // past the end of the record
}

TEST(RegionGrids, OutsideTheGridAndOutOfRangeValuesAreNoRegion) {
    const auto grids = RegionGrids::fromBytes(makeRecord([](std::size_t) { return 20u; }));
    ASSERT_TRUE(grids);
    EXPECT_EQ(grids->community(0, 10), 0);
    EXPECT_EQ(grids->community(10, 0), 0);
    EXPECT_EQ(grids->community(282, 10), 0);
    EXPECT_EQ(grids->community(10, 197), 0);
    EXPECT_EQ(grids->community(10, 10), 20);
    EXPECT_EQ(grids->communityAt(10, 10), 0);  // 20 is no community
    EXPECT_EQ(grids->comarcaAt(10, 10), 20);
    EXPECT_EQ(grids->areaAt(10, 10), 20);
}

TEST(RegionGrids, AShortFileIsRefused) {
    EXPECT_FALSE(RegionGrids::fromBytes(std::string(RegionGrids::kFileSize - 1, '\0')));
}

}  // namespace
}  // namespace rumbelo
