// The report table and the bold-line list keep to their capacities.
#include <gtest/gtest.h>

#include "common/print/column_layout.h"
#include "common/print/report_table.h"

namespace rumbelo {
namespace {

TEST(ReportTable, EntriesAreCutToSixtyCharacters) {
    ReportTable report;
    report.set(1, std::string(75, 'x'));
    report.setTitle("Informe");
    EXPECT_EQ(report[1], std::string(60, 'x'));
    EXPECT_EQ(report.title(), "Informe");
}

TEST(ReportTable, EntriesBeyondThirteenHundredDoNotExist) {
    ReportTable report;
    report.set(1300, "last");
    report.set(1301, "beyond");
    report.set(-1, "before");
    EXPECT_EQ(report[1300], "last");
    EXPECT_EQ(report[1301], "");
    EXPECT_EQ(report[-1], "");
}

TEST(ReportTable, BlankingFromAnEntryKeepsTheOnesBefore) {
    ReportTable report;
    for (int k = 0; k <= 5; ++k)
        report.set(k, "line " + std::to_string(k));
    report.blankFrom(3);
    EXPECT_EQ(report[2], "line 2");
    EXPECT_EQ(report[3], "");
    EXPECT_EQ(report[5], "");
}

TEST(BoldLines, OnlyTheCountedSlotsAreBold) {
    BoldLines bold;
    bold.setSlot(1, 2);
    bold.setSlot(2, 11);
    bold.setSlot(3, 15);
    bold.setCount(2);
    EXPECT_TRUE(bold.contains(2));
    EXPECT_TRUE(bold.contains(11));
    EXPECT_FALSE(bold.contains(15));  // left over from a longer list
    EXPECT_FALSE(bold.contains(0));   // empty slots do not make line 0 bold
}

TEST(BoldLines, AddingGoesAfterTheCountedSlots) {
    BoldLines bold;
    bold.setSlot(1, 1);
    bold.setSlot(2, 2);
    bold.setSlot(3, 3);
    bold.setCount(3);
    bold.add(40);
    EXPECT_EQ(bold.count(), 4);
    EXPECT_EQ(bold.slot(4), 40);
    EXPECT_TRUE(bold.contains(40));
}

TEST(BoldLines, TheListHoldsNinetyLinesAtMost) {
    BoldLines bold;
    for (int line = 1; line <= 100; ++line)
        bold.add(line);
    EXPECT_EQ(bold.count(), 90);
    EXPECT_TRUE(bold.contains(90));
    EXPECT_FALSE(bold.contains(91));
    bold.setCount(500);
    EXPECT_EQ(bold.count(), 90);
    bold.setSlot(91, 7);  // no such slot
    EXPECT_EQ(bold.slot(91), 0);
}

// The layout table of long reports, case by case.
TEST(ColumnLayout, UpToOneHundredFiftyLinesFillThreeEvenColumnsOfOnePage) {
    const ColumnLayout normal = columnLayoutFor(75, false);
    EXPECT_EQ(normal.rows, 25);
    EXPECT_EQ(normal.pages, 1);
    EXPECT_FALSE(normal.numbered);
    EXPECT_EQ(normal.fontSize, 10);
    EXPECT_EQ(normal.gridWidth, 130);
    EXPECT_EQ(normal.columnX, (std::array<int, 3>{4, 44, 86}));
    const ColumnLayout compact = columnLayoutFor(100, true);
    EXPECT_EQ(compact.rows, 34);
    EXPECT_EQ(compact.pages, 1);
    EXPECT_FALSE(compact.numbered);
    EXPECT_EQ(compact.fontSize, 8);
    EXPECT_EQ(compact.gridWidth, 150);
    EXPECT_EQ(compact.columnX, (std::array<int, 3>{2, 50, 100}));
    EXPECT_EQ(columnLayoutFor(150, false).rows, 50);
}

TEST(ColumnLayout, LongCompactReportsTakeFiftyRowsAndNumberTheirPages) {
    const ColumnLayout layout = columnLayoutFor(151, true);
    EXPECT_EQ(layout.rows, 50);
    EXPECT_EQ(layout.pages, 2);
    EXPECT_TRUE(layout.numbered);
    EXPECT_EQ(columnLayoutFor(450, true).pages, 3);
    EXPECT_EQ(columnLayoutFor(451, true).pages, 4);
}

TEST(ColumnLayout, LongNormalReportsEvenOutTheirColumns) {
    const ColumnLayout eightColumns = columnLayoutFor(400, false);
    EXPECT_EQ(eightColumns.rows, 50);
    EXPECT_EQ(eightColumns.pages, 3);
    EXPECT_TRUE(eightColumns.numbered);
    // 151 lines need four columns; evened out they take 38 rows, on two pages.
    const ColumnLayout fourColumns = columnLayoutFor(151, false);
    EXPECT_EQ(fourColumns.rows, 38);
    EXPECT_EQ(fourColumns.pages, 2);
}

}  // namespace
}  // namespace rumbelo
