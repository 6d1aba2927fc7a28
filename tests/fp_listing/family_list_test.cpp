#include <gtest/gtest.h>

#include "common/fp_listing/family_list.h"
#include "common/fp_listing/title_text.h"

namespace rumbelo::fp_listing {
namespace {

FamilyIndex families(const std::vector<std::string>& names) {
    FamilyIndex index;
    for (std::size_t f = 0; f < names.size(); ++f) {
        index.names.set(static_cast<int>(f) + 1, names[f]);
        index.headerLines.push_back(static_cast<int>(f) * 3 + 1);
    }
    index.headerLines.push_back(static_cast<int>(names.size()) * 3 + 1);
    return index;
}

TEST(FamilyList, SortedCopyWithMarkedCountOfThree) {
    // File order is not alphabetical; the "|" families sort last and lose their mark.
    const auto index = families({"Sanidad", "Agraria", "Comercio", "|Deportes", "|Artes"});
    const FamilyList list = buildFamilyList(index, 3);
    EXPECT_EQ(list.rows, (std::vector<std::string>{"< Agraria", "< Comercio", "< Sanidad",
                                                   "< Artes", "< Deportes"}));
    EXPECT_EQ(list.order, (std::vector<int>{2, 3, 1, 5, 4}));
    EXPECT_EQ(index.names[1], "Sanidad");  // the index itself keeps file order

    // With no marked family every row loses its first character.
    EXPECT_EQ(buildFamilyList(families({"XAgraria"}), 0).rows.front(), "< Agraria");
}

TEST(FamilyList, RememberedTopRowOutOfRangeStartsAtTheTop) {
    EXPECT_EQ(restoredTopRow(4, 20), 4);
    EXPECT_EQ(restoredTopRow(-1, 20), 0);
    EXPECT_EQ(restoredTopRow(21, 20), 0);
}

TEST(TitlePopup, LowerHalfClickEndsThePopupAtTheRow) {
    // List at top 100, 400 high, rows of 20; four titles.
    const auto below = placeTitlePopup(480, 100, 400, 20, 50, 2, 4, 300);
    EXPECT_EQ(below.left, 180);
    EXPECT_EQ(below.top, 140);  // the clicked row's top
    EXPECT_EQ(below.height, 84);
    EXPECT_EQ(below.previewTop, 225);
    EXPECT_EQ(below.labelTop, 110);

    const auto above = placeTitlePopup(480, 100, 400, 20, 300, 15, 4, 300);
    EXPECT_EQ(above.top, 400 - 60 - 5);
    EXPECT_LE(above.top + above.height, 400 + 20);  // ends within the clicked row
    EXPECT_GT(above.top + above.height, 400);
    // The exact middle counts as the lower half.
    EXPECT_EQ(placeTitlePopup(480, 100, 400, 20, 200, 10, 1, 300).top, 300 - 5);
}

GroupedTable block(const std::vector<std::string>& lines) {
    GroupedTable table;
    table.groupSize = 25;
    table.groups.push_back({});  // title 1 is a header
    table.groups.push_back(lines);
    table.groups.back().resize(25, std::string(50, ' '));
    return table;
}

TEST(TitleText, ContentsRowsAndTrailingBlanks) {
    std::vector<std::string> lines{"L1", "L2", "L3", "L4", "L5", "L6", "L7"};
    const auto rows = contentsRows(block(lines), 2, "Qu\xE9 estudiar\xE1s");
    // Heading, 1-5, empty (line 5 not blank), 6, empty, 7, then blanks down to 14 rows.
    ASSERT_EQ(rows.size(), 14u);
    EXPECT_EQ(rows[0], "   Qu\xE9 estudiar\xE1s");
    EXPECT_EQ(rows[5], "L5");
    EXPECT_EQ(rows[6], "");
    EXPECT_EQ(rows[7], "L6");
    EXPECT_EQ(rows[8], "");
    EXPECT_EQ(rows[9], "L7");

    // A blank line 5 adds no empty row; a full page keeps its last line.
    lines[4] = "     ";
    lines.resize(25, "x");
    const auto full = contentsRows(block(lines), 2, "H");
    ASSERT_EQ(full.size(), 1u + 5 + 1 + 1 + 19);
    EXPECT_EQ(full[6], "L6");
    EXPECT_EQ(full.back(), "x");

    // The preview: six blanks and the heading, then lines 1-5.
    const auto preview = titlePreview(block(lines), 2, 6, "H");
    EXPECT_EQ(preview, (std::vector<std::string>{"      H", "L1", "L2", "L3", "L4", "     "}));
}

TEST(TitleText, DropWithinLooksOnlyAtTheLastRows) {
    std::vector<std::string> rows(20, " ");
    rows[0] = "text";
    dropTrailingBlankRowsWithin(rows, 11);
    EXPECT_EQ(rows.size(), 9u);  // 19 trailing blanks, only 11 looked at
}

}  // namespace
}  // namespace rumbelo::fp_listing
