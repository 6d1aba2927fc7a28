#include <gtest/gtest.h>

#include "common/data/counted_rows.h"

namespace rumbelo {
namespace {

using Numbers = std::vector<int>;

TEST(CountedRowTest, TheFirstByteCountsTheNumbersThatFollow) {
    const std::string bytes("\x03\x05\x06\x07\x09", 5);
    EXPECT_EQ(countedRow(bytes, 0, 5), (Numbers{5, 6, 7}));
}

TEST(CountedRowTest, EachRowStartsAtItsOwnOffset) {
    // Two rows of four bytes: the second lists 200 and 201.
    const std::string bytes("\x01\x0a\x00\x00\x02\xc8\xc9\x00", 8);
    EXPECT_EQ(countedRow(bytes, 0, 4), (Numbers{10}));
    EXPECT_EQ(countedRow(bytes, 4, 4), (Numbers{200, 201}));
}

TEST(CountedRowTest, ACountLargerThanTheRowReadsOnlyTheRow) {
    const std::string bytes("\xff\x01\x02\x03\x02\x63\x64", 7);
    EXPECT_EQ(countedRow(bytes, 0, 4), (Numbers{1, 2, 3}));
}

TEST(CountedRowTest, WordsAreReadLowByteFirst) {
    const std::string bytes("\x02\x00\x34\x12\x01\x01\x07\x00", 8);
    EXPECT_EQ(countedRow(bytes, 0, 8, 2), (Numbers{0x1234, 0x0101}));
    // Three words of room: a count of 5 reads two.
    const std::string crowded("\x05\x00\x0b\x00\x0c\x00\x0d\x00", 8);
    EXPECT_EQ(countedRow(crowded, 0, 6, 2), (Numbers{11, 12}));
}

TEST(CountedRowTest, NothingPastTheEndOfTheBytesIsRead) {
    const std::string bytes("\x05\x01\x02", 3);
    EXPECT_EQ(countedRow(bytes, 0, 10), (Numbers{1, 2}));
    EXPECT_TRUE(countedRow(bytes, 3, 10).empty());
    EXPECT_TRUE(countedRow("", 0, 10).empty());
}

}  // namespace
}  // namespace rumbelo
