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

TEST(RegionGrids, TheAreaGridWrapsIntoTheNextColumnJustPastItsRow) {
    // Every column's integer j holds j % 200 + 1, except its first (a community cell), 7.
    const auto grids = RegionGrids::fromBytes(makeRecord([](std::size_t i) {
        const std::size_t j = i % 636;
        return j == 0 ? 7u : static_cast<std::uint32_t>(j % 200 + 1);
    }));
    ASSERT_TRUE(grids);
    EXPECT_EQ(grids->area(10, 196), 635 % 200 + 1);  // the last integer of its own row
    EXPECT_EQ(grids->area(10, 197), 7);              // the next row's first: a community cell
    EXPECT_EQ(grids->areaAt(10, 197), 7);
    EXPECT_EQ(grids->area(10, 198), 1 % 200 + 1);
    EXPECT_EQ(grids->area(10, 220), 23 % 200 + 1);
    EXPECT_EQ(grids->area(10, 221), 0);                 // beyond the map
    EXPECT_EQ(grids->area(281, 196), 36);               // the record's last integer
    EXPECT_EQ(grids->area(281, 197), 0);                // nothing after the record
    EXPECT_EQ(grids->comarca(10, 220), 439 % 200 + 1);  // the comarca grid never wraps
}

}  // namespace
}  // namespace rumbelo
