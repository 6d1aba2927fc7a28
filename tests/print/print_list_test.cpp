// The portrait list: pages of 71 or 51 lines, fonts, bold lines, printer failures.
#include <gtest/gtest.h>

#include "common/print/report_routines.h"
#include "report_samples.h"

namespace rumbelo {
namespace {

using testing::lineText;
using testing::numberedReport;
using testing::printedLine;
using testing::sampleHeading;

// The report lines (not the heading) printed on a page, in order.
std::vector<std::string> linesOnPage(const RecordingCanvas& canvas, int page) {
    std::vector<std::string> lines;
    for (const auto& op : canvas.textsOnPage(page))
        if (op.text.starts_with("Linea ")) lines.push_back(op.text);
    return lines;
}

TEST(PrintList, SeventyOneLinesGoOnEachPageAtSizeTen) {
    RecordingCanvas canvas;
    const ReportTable report = numberedReport(150);
    ASSERT_TRUE(PrintList(canvas, sampleHeading(), report, 150, true, 10, BoldLines{}));
    ASSERT_EQ(canvas.documents.size(), 1u);
    EXPECT_EQ(canvas.documents[0].orientation, PageOrientation::Portrait);
    EXPECT_EQ(canvas.documents[0].pages, 3);
    EXPECT_TRUE(canvas.documents[0].sent);
    const auto first = linesOnPage(canvas, 1);
    ASSERT_EQ(first.size(), 71u);
    EXPECT_EQ(first.front(), lineText(1));
    EXPECT_EQ(first.back(), lineText(71));
    EXPECT_EQ(linesOnPage(canvas, 2).front(), lineText(72));
    EXPECT_EQ(linesOnPage(canvas, 3).size(), 8u);
}

TEST(PrintList, AtSizeTwelvePageOneHoldsLinesOneToFiftyOne) {
    RecordingCanvas canvas;
    const ReportTable report = numberedReport(60);
    ASSERT_TRUE(PrintList(canvas, sampleHeading(), report, 60, true, 12, BoldLines{}));
    const auto first = linesOnPage(canvas, 1);
    ASSERT_EQ(first.size(), 51u);
    EXPECT_EQ(first.back(), lineText(51));
    EXPECT_EQ(linesOnPage(canvas, 2).front(), lineText(52));
}

TEST(PrintList, AFullLastPageIsNotFollowedByAnEmptySheet) {
    RecordingCanvas canvas;
    const ReportTable report = numberedReport(102);
    ASSERT_TRUE(PrintList(canvas, sampleHeading(), report, 102, true, 12, BoldLines{}));
    EXPECT_EQ(canvas.documents[0].pages, 2);
    EXPECT_EQ(linesOnPage(canvas, 2).back(), lineText(102));
}

TEST(PrintList, LinesFollowOneAnotherDownTheGridAndLaterPagesHaveNoHeading) {
    RecordingCanvas canvas;
    const ReportTable report = numberedReport(80);
    ASSERT_TRUE(PrintList(canvas, sampleHeading(), report, 80, true, 10, BoldLines{}));
    const CanvasOp* one = printedLine(canvas, 1);
    const CanvasOp* two = printedLine(canvas, 2);
    const CanvasOp* seventyTwo = printedLine(canvas, 72);
    ASSERT_TRUE(one && two && seventyTwo);
    EXPECT_EQ(one->at.x, two->at.x);
    EXPECT_GT(two->at.y, one->at.y);
    EXPECT_EQ(seventyTwo->at.x, one->at.x);
    EXPECT_TRUE(canvas.opsOnPage(2, CanvasOp::Kind::Rectangle).empty());
    EXPECT_EQ(canvas.findText("2007-2008")->page, 1);
    EXPECT_EQ(canvas.textsOnPage(2).size(), 9u);  // lines 72..80 only
}

TEST(PrintList, TheFirstPageStartsBelowTheHeadingAndTheLastLineStaysOnThePage) {
    for (const int size : {10, 12}) {
        RecordingCanvas canvas;
        const ReportTable report = numberedReport(150);
        ASSERT_TRUE(PrintList(canvas, sampleHeading(), report, 150, true, size, BoldLines{}));
        const int perPage = size == 12 ? 51 : 71;
        // The heading's frame ends 1.2 inches down: 720 pixels at 600 per inch.
        EXPECT_GE(printedLine(canvas, 1)->at.y, 720 + 60) << "size " << size;
        canvas.setFont("Courier New", size, false);
        const int bottom = printedLine(canvas, perPage)->at.y + canvas.lineHeight();
        EXPECT_LE(bottom, RecordingCanvas::a4Portrait().height) << "size " << size;
    }
}

TEST(PrintList, LinesKeepTheGridSpacingWhereThePageHasRoomForIt) {
    RecordingCanvas canvas;
    const ReportTable report = numberedReport(60);
    ASSERT_TRUE(PrintList(canvas, sampleHeading(), report, 60, true, 12, BoldLines{}));
    const double row = RecordingCanvas::a4Portrait().height / 58.0;  // 50 + 8 rows
    EXPECT_NEAR(printedLine(canvas, 2)->at.y - printedLine(canvas, 1)->at.y, row, 1);
    EXPECT_NEAR(printedLine(canvas, 51)->at.y - printedLine(canvas, 1)->at.y, 50 * row, 1);
    // Page 2 has no heading to clear: its first line is on grid row 6.
    EXPECT_NEAR(printedLine(canvas, 52)->at.y, 6 * row, 1);
    EXPECT_NEAR(printedLine(canvas, 1)->at.x, RecordingCanvas::a4Portrait().width / 10.0, 1);
}

TEST(PrintList, LinesPrintOverNothingSoTheyCannotClipTheLineAbove) {
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintList(canvas, sampleHeading(), numberedReport(3), 3, true, 10, BoldLines{}));
    EXPECT_EQ(printedLine(canvas, 1)->background, TextBackground::Transparent);
    EXPECT_EQ(canvas.findText("2007-2008")->background, TextBackground::White);
}

TEST(PrintList, FixedPitchAsksForCourierNewAndOtherwiseArial) {
    RecordingCanvas fixed;
    RecordingCanvas proportional;
    const ReportTable report = numberedReport(3);
    PrintList(fixed, sampleHeading(), report, 3, true, 10, BoldLines{});
    PrintList(proportional, sampleHeading(), report, 3, false, 12, BoldLines{});
    EXPECT_EQ(printedLine(fixed, 1)->family, "Courier New");
    EXPECT_EQ(printedLine(fixed, 1)->size, 10);
    EXPECT_EQ(printedLine(proportional, 1)->family, "Arial");
    EXPECT_EQ(printedLine(proportional, 1)->size, 12);
    EXPECT_EQ(proportional.findText("Informe de prueba")->family, "Arial");  // heading too
}

TEST(PrintList, BoldLinesAndOnlyThoseAreBold) {
    RecordingCanvas canvas;
    const ReportTable report = numberedReport(100);
    BoldLines bold;
    bold.add(2);
    bold.add(75);  // on the second page
    ASSERT_TRUE(PrintList(canvas, sampleHeading(), report, 100, true, 10, bold));
    for (int k = 1; k <= 100; ++k)
        EXPECT_EQ(printedLine(canvas, k)->bold, k == 2 || k == 75) << "line " << k;
}

TEST(PrintList, APrinterThatFailsMidwayDropsTheDocumentAndLeavesTheReportForAnotherTry) {
    RecordingCanvas failing;
    failing.failNewPage = 1;
    const ReportTable report = numberedReport(100);
    EXPECT_FALSE(PrintList(failing, sampleHeading(), report, 100, true, 10, BoldLines{}));
    EXPECT_TRUE(failing.documents[0].aborted);
    EXPECT_FALSE(failing.documents[0].sent);

    RecordingCanvas working;
    ASSERT_TRUE(PrintList(working, sampleHeading(), report, 100, true, 10, BoldLines{}));
    EXPECT_NE(printedLine(working, 100), nullptr);
}

TEST(PrintList, APrinterThatCannotStartDrawsNothing) {
    RecordingCanvas canvas;
    canvas.failBegin = true;
    EXPECT_FALSE(PrintList(canvas, sampleHeading(), numberedReport(5), 5, true, 10, BoldLines{}));
    EXPECT_TRUE(canvas.ops.empty());
}

TEST(PrintList, ALineCountBeyondTheTableStopsAtItsEnd) {
    RecordingCanvas canvas;
    ASSERT_TRUE(
        PrintList(canvas, sampleHeading(), numberedReport(1300), 5000, true, 12, BoldLines{}));
    EXPECT_NE(printedLine(canvas, 1300), nullptr);
    EXPECT_EQ(canvas.documents[0].pages, 26);  // 1300 / 51, rounded up
}

}  // namespace
}  // namespace rumbelo
