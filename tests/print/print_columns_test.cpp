// Three columns on landscape pages: every layout case, page numbers, bold lines, the tail.
#include <gtest/gtest.h>

#include <map>

#include "common/print/report_routines.h"
#include "report_samples.h"

namespace rumbelo {
namespace {

using testing::lineText;
using testing::numberedReport;
using testing::printedLine;
using testing::sampleHeading;

// Report lines by page, column (0..2, told apart by their x) and row (by their y).
struct Placement {
    int page;
    int column;
    int row;
};

std::map<int, Placement> placements(const RecordingCanvas& canvas) {
    std::map<int, int> columnOfX;
    std::map<int, int> rowOfY;
    for (const auto& op : canvas.ops) {
        if (op.kind != CanvasOp::Kind::Text || !op.text.starts_with("Linea ")) continue;
        columnOfX[op.at.x] = 0;
        rowOfY[op.at.y] = 0;
    }
    int i = 0;
    for (auto& [x, column] : columnOfX)
        column = i++;
    i = 1;
    for (auto& [y, row] : rowOfY)
        row = i++;
    std::map<int, Placement> found;
    for (const auto& op : canvas.ops) {
        if (op.kind != CanvasOp::Kind::Text || !op.text.starts_with("Linea ")) continue;
        const int line = std::stoi(op.text.substr(6));
        EXPECT_EQ(found.count(line), 0u) << "line " << line << " printed twice";
        found[line] = {op.page, columnOfX[op.at.x], rowOfY[op.at.y]};
    }
    return found;
}

// The page number shown in the heading's circle of a page, or "" when there is none.
std::string pageNumberOn(const RecordingCanvas& canvas, int page) {
    const auto circles = canvas.opsOnPage(page, CanvasOp::Kind::Ellipse);
    EXPECT_EQ(circles.size(), 1u);
    for (const auto& op : canvas.textsOnPage(page))
        if (!circles.empty() && op.at.x > circles[0].box.left && op.at.x < circles[0].box.right &&
            op.at.y > circles[0].box.top && op.at.y < circles[0].box.bottom)
            return op.text;
    return "";
}

TEST(PrintColumns, SeventyFourLinesPrintAsAPortraitListInCourierSizeTen) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(74);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 74, false, BoldLines{}));
    EXPECT_EQ(canvas.documents[0].orientation, PageOrientation::Portrait);
    EXPECT_EQ(canvas.documents[0].pages, 2);
    EXPECT_EQ(printedLine(canvas, 71)->page, 1);
    EXPECT_EQ(printedLine(canvas, 72)->page, 2);
    EXPECT_EQ(printedLine(canvas, 1)->family, "Courier New");
    EXPECT_EQ(printedLine(canvas, 1)->size, 10);
}

TEST(PrintColumns, SeventyFiveLinesFillThreeLandscapeColumnsOfTwentyFiveRows) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(75);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 75, false, BoldLines{}));
    EXPECT_EQ(canvas.documents[0].orientation, PageOrientation::Landscape);
    EXPECT_EQ(canvas.documents[0].pages, 1);
    const auto at = placements(canvas);
    ASSERT_EQ(at.size(), 75u);
    for (int k = 1; k <= 75; ++k) {
        EXPECT_EQ(at.at(k).column, (k - 1) / 25) << "line " << k;
        EXPECT_EQ(at.at(k).row, (k - 1) % 25 + 1) << "line " << k;
    }
    EXPECT_EQ(printedLine(canvas, 1)->size, 10);
    EXPECT_EQ(pageNumberOn(canvas, 1), "");
}

TEST(PrintColumns, FourHundredLinesMakeEightColumnsOfFiftyOnThreeNumberedPages) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(400);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 400, false, BoldLines{}));
    EXPECT_EQ(canvas.documents[0].pages, 3);
    const auto at = placements(canvas);
    ASSERT_EQ(at.size(), 400u);
    for (int k = 1; k <= 400; ++k) {
        const int column = (k - 1) / 50;  // 0..7 over the three pages
        EXPECT_EQ(at.at(k).page, column / 3 + 1) << "line " << k;
        EXPECT_EQ(at.at(k).column, column % 3) << "line " << k;
        EXPECT_EQ(at.at(k).row, (k - 1) % 50 + 1) << "line " << k;
    }
    // The last page: columns 1 and 2 filled, the third empty.
    int onLastPage = 0;
    for (const auto& [line, place] : at)
        if (place.page == 3) {
            ++onLastPage;
            EXPECT_NE(place.column, 2);
        }
    EXPECT_EQ(onLastPage, 100);
    EXPECT_EQ(pageNumberOn(canvas, 1), "1");
    EXPECT_EQ(pageNumberOn(canvas, 3), "3");
}

TEST(PrintColumns, CompactLayoutOfOneHundredFiftyOneLinesTakesTwoNumberedPages) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(151);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 151, true, BoldLines{}));
    EXPECT_EQ(canvas.documents[0].pages, 2);
    const auto at = placements(canvas);
    EXPECT_EQ(at.at(101).column, 2);
    EXPECT_EQ(at.at(150).page, 1);
    EXPECT_EQ(at.at(150).row, 50);
    EXPECT_EQ(at.at(151).page, 2);
    EXPECT_EQ(at.at(151).column, 0);
    EXPECT_EQ(at.at(151).row, 1);
    EXPECT_EQ(printedLine(canvas, 1)->size, 8);
    EXPECT_EQ(pageNumberOn(canvas, 1), "1");
    EXPECT_EQ(pageNumberOn(canvas, 2), "2");
}

TEST(PrintColumns, ShortCompactReportsShareOutTheirLinesOnOneUnnumberedPage) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(100);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 100, true, BoldLines{}));
    EXPECT_EQ(canvas.documents[0].pages, 1);
    const auto at = placements(canvas);
    EXPECT_EQ(at.at(34).column, 0);  // 34 rows a column
    EXPECT_EQ(at.at(35).column, 1);
    EXPECT_EQ(at.at(35).row, 1);
    EXPECT_EQ(at.at(100).column, 2);
    EXPECT_EQ(pageNumberOn(canvas, 1), "");
}

TEST(PrintColumns, ColumnsStartAtTheirGridColumnsAndShareTheirRows) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(120);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 120, false, BoldLines{}));
    const int width = canvas.metrics().width;
    EXPECT_NEAR(printedLine(canvas, 1)->at.x, 4.0 * width / 130, 0.5);
    EXPECT_NEAR(printedLine(canvas, 41)->at.x, 44.0 * width / 130, 0.5);
    EXPECT_NEAR(printedLine(canvas, 81)->at.x, 86.0 * width / 130, 0.5);
    EXPECT_EQ(printedLine(canvas, 41)->at.y, printedLine(canvas, 1)->at.y);
    EXPECT_EQ(printedLine(canvas, 81)->at.y, printedLine(canvas, 1)->at.y);
}

TEST(PrintColumns, TwentyFiveRowsSitOnTheGridBelowTheHeading) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(75);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 75, false, BoldLines{}));
    const double row = canvas.metrics().height / 33.0;  // 25 + 8 rows
    EXPECT_NEAR(printedLine(canvas, 1)->at.y, 6 * row, 1);
    EXPECT_NEAR(printedLine(canvas, 25)->at.y, 30 * row, 1);
}

TEST(PrintColumns, FiftyRowsStartBelowTheHeadingAndEndOnThePage) {
    for (const bool compact : {false, true}) {
        RecordingCanvas canvas;
        ReportTable report = numberedReport(400);
        ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 400, compact, BoldLines{}));
        EXPECT_GE(printedLine(canvas, 1)->at.y, 720 + 60);
        canvas.setFont("Courier New", compact ? 8 : 10, false);
        EXPECT_LE(printedLine(canvas, 50)->at.y + canvas.lineHeight(), canvas.metrics().height);
        EXPECT_EQ(printedLine(canvas, 151)->at.y, printedLine(canvas, 1)->at.y);  // page 2
    }
}

TEST(PrintColumns, TextTooWideForItsColumnStopsBeforeTheNextOne) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(90);
    const std::string wide = "Centro de Formacion Profesional Integrada 958 123 456 7890";
    report.set(1, wide);
    report.set(31, wide);
    report.set(61, wide);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 90, false, BoldLines{}));
    std::vector<CanvasOp> cut;
    for (const auto& op : canvas.textsOnPage(1))
        if (op.text.starts_with("Centro de")) cut.push_back(op);
    ASSERT_EQ(cut.size(), 3u);
    const auto rules = canvas.opsOnPage(1, CanvasOp::Kind::Line);
    ASSERT_EQ(rules.size(), 2u);
    canvas.setFont("Courier New", 10, false);
    for (int c = 0; c < 2; ++c) {
        EXPECT_LT(cut[c].text.size(), wide.size());
        EXPECT_TRUE(wide.starts_with(cut[c].text));
        EXPECT_LT(cut[c].at.x + canvas.textWidth(cut[c].text), rules[c].box.left);
    }
    EXPECT_LE(cut[2].at.x + canvas.textWidth(cut[2].text), canvas.metrics().width);
    EXPECT_EQ(report[1], wide);  // the report itself keeps the whole line
}

TEST(PrintColumns, AFullCentreLineKeepsItsTelephoneInTheFirstColumn) {
    // The longest listing line, as the FP places print it (compact): "-", a 17-column
    // locality, a 25-character name padded to its 26 columns, then the telephone.
    const std::string line =
        "-Almu\xF1\xE9"
        "car        Centro de Estudios Marina 958051810";
    ASSERT_EQ(line.size(), 53u);
    RecordingCanvas canvas;
    ReportTable report = numberedReport(90);
    report.set(1, line);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 90, true, BoldLines{}));
    const CanvasOp* printed = canvas.findText(line);
    ASSERT_TRUE(printed);  // whole, the telephone's last digit included
    const auto rules = canvas.opsOnPage(1, CanvasOp::Kind::Line);
    ASSERT_EQ(rules.size(), 2u);
    canvas.setFont("Courier New", 8, false);
    EXPECT_LT(printed->at.x + canvas.textWidth(printed->text), rules[0].box.left);
}

TEST(PrintColumns, ABoldLinePrintsBoldInWhicheverColumnItFalls) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(150);
    BoldLines bold;
    bold.add(3);
    bold.add(60);
    bold.add(140);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 150, false, bold));
    const auto at = placements(canvas);
    EXPECT_EQ(at.at(60).column, 1);
    EXPECT_EQ(at.at(140).column, 2);
    for (int k = 1; k <= 150; ++k)
        EXPECT_EQ(printedLine(canvas, k)->bold, k == 3 || k == 60 || k == 140) << "line " << k;
}

TEST(PrintColumns, LinesLeftFromAnEarlierReportAreBlankedAndNotPrinted) {
    ReportTable report = numberedReport(200);  // an earlier, longer report
    for (int k = 1; k <= 90; ++k)
        report.set(k, "Nueva " + std::to_string(k));
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 90, false, BoldLines{}));
    EXPECT_EQ(printedLine(canvas, 91), nullptr);
    EXPECT_EQ(report[91], "");
    EXPECT_EQ(report[200], "");
    EXPECT_EQ(report[90], "Nueva 90");
}

TEST(PrintColumns, TwoRulesSeparateTheColumnsOnEveryPage) {
    RecordingCanvas canvas;
    ReportTable report = numberedReport(400);
    ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 400, false, BoldLines{}));
    for (int page = 1; page <= 3; ++page) {
        const auto rules = canvas.opsOnPage(page, CanvasOp::Kind::Line);
        ASSERT_EQ(rules.size(), 2u);
        for (const auto& rule : rules) {
            EXPECT_EQ(rule.box.left, rule.box.right);  // vertical
            EXPECT_EQ(rule.box.top, 720);              // from the heading's frame
            EXPECT_GE(rule.box.bottom, 4500);          // to 7.5 inches at least
            EXPECT_GE(rule.box.bottom, printedLine(canvas, 50)->at.y);
        }
        EXPECT_LT(rules[0].box.left, printedLine(canvas, 51)->at.x);
    }
}

TEST(PrintColumns, AFullTableOfThirteenHundredLinesPrintsEveryLineOnce) {
    for (const bool compact : {false, true}) {
        RecordingCanvas canvas;
        ReportTable report = numberedReport(1300);
        ASSERT_TRUE(PrintColumns(canvas, sampleHeading(), report, 1300, compact, BoldLines{}));
        EXPECT_EQ(placements(canvas).size(), 1300u);
        EXPECT_EQ(canvas.documents[0].pages, 9);
    }
}

TEST(PrintColumns, AFailureOnTheSecondPageDropsTheDocumentButKeepsTheReport) {
    RecordingCanvas failing;
    failing.failNewPage = 1;
    ReportTable report = numberedReport(400);
    EXPECT_FALSE(PrintColumns(failing, sampleHeading(), report, 400, false, BoldLines{}));
    EXPECT_TRUE(failing.documents[0].aborted);
    EXPECT_EQ(report[400], lineText(400));

    RecordingCanvas working;
    ASSERT_TRUE(PrintColumns(working, sampleHeading(), report, 400, false, BoldLines{}));
    EXPECT_EQ(placements(working).size(), 400u);
}

}  // namespace
}  // namespace rumbelo
