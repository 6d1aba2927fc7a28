// Page coordinates: inches with the vertical coordinate first, the grid, text alignment.
#include <gtest/gtest.h>

#include "common/print/hard_copy.h"
#include "common/print/recording_canvas.h"

namespace rumbelo {
namespace {

class HardCopyTest : public ::testing::Test {
  protected:
    HardCopyTest() : canvas({1000, 2000, 100, 200}), page(canvas) {
        page.beginDocument(PageOrientation::Portrait);
        page.setFont("Courier New", 12, false);
    }
    RecordingCanvas canvas;
    HardCopy page;
};

TEST_F(HardCopyTest, UnitsAreInchesOfEachAxisWithTheVerticalCoordinateFirst) {
    page.PageInit(10, 10, 1);
    page.MoveTo(1.5, 2.0);  // 1.5 inch down, 2 inches across
    page.LineTo(3.0, 0.25);
    ASSERT_EQ(canvas.ops.size(), 1u);
    EXPECT_EQ(canvas.ops[0].box, (PixelRect{200, 300, 25, 600}));
    EXPECT_EQ(page.current(), (PixelPoint{25, 600}));  // the line ends at the new point
}

TEST_F(HardCopyTest, SeveralUnitsPerInchShrinkEveryPosition) {
    page.PageInit(10, 10, 4);  // a unit is a quarter of an inch
    page.MoveTo(4, 2);
    EXPECT_EQ(page.current(), (PixelPoint{50, 200}));
}

TEST_F(HardCopyTest, GridPointsDivideThePrintableAreaAndRound) {
    page.PageInit(3, 7, 1);
    page.GridMoveTo(1, 1);
    EXPECT_EQ(page.current(), (PixelPoint{333, 286}));  // 1000/3 and 2000/7
    page.GridMoveTo(2, 6);
    EXPECT_EQ(page.current(), (PixelPoint{667, 1714}));
    page.GridMoveTo(3, 7);
    EXPECT_EQ(page.current(), (PixelPoint{1000, 2000}));
}

TEST_F(HardCopyTest, TextStartsEndsOrIsCentredOnTheCurrentPoint) {
    page.PageInit(10, 10, 1);
    page.MoveTo(1, 5);  // x = 500 px
    page.TextAt("abcd");
    page.TextRight("abcd");
    page.TextCentred("abcd");
    // Four Courier characters of 12 points at 100 pixels per inch: 4 x 7.2 pt = 40 px.
    ASSERT_EQ(canvas.ops.size(), 3u);
    EXPECT_EQ(canvas.ops[0].at, (PixelPoint{500, 200}));
    EXPECT_EQ(canvas.ops[1].at, (PixelPoint{460, 200}));
    EXPECT_EQ(canvas.ops[2].at, (PixelPoint{480, 200}));
    EXPECT_EQ(page.current(), (PixelPoint{500, 200}));  // text leaves the point where it was
}

TEST_F(HardCopyTest, FramesCirclesAndPicturesTakeTheirBoxInUnits) {
    struct Stub : PagePicture {
    } picture;
    page.PageInit(10, 10, 1);
    page.Frame(0.5, 0.1, 1.2, 7.3);
    page.Circle(0.5, 1, 1, 2);
    page.PictureInto({0.5, 0.2, 1.0, 0.5}, picture);
    ASSERT_EQ(canvas.ops.size(), 3u);
    EXPECT_EQ(canvas.ops[0].kind, CanvasOp::Kind::Rectangle);
    EXPECT_EQ(canvas.ops[0].box, (PixelRect{10, 100, 730, 240}));
    EXPECT_EQ(canvas.ops[1].kind, CanvasOp::Kind::Ellipse);
    EXPECT_EQ(canvas.ops[1].box, (PixelRect{100, 100, 200, 200}));
    EXPECT_EQ(canvas.ops[2].box, (PixelRect{20, 100, 50, 200}));
    EXPECT_EQ(canvas.ops[2].picture, &picture);
}

TEST_F(HardCopyTest, AFontSizeChangeKeepsTheFamily) {
    page.PageInit(10, 10, 1);
    page.setFont("Arial", 10, false);
    page.setFontSize(16, true);
    page.TextAt("7");
    EXPECT_EQ(canvas.ops[0].family, "Arial");
    EXPECT_EQ(canvas.ops[0].size, 16);
    EXPECT_TRUE(canvas.ops[0].bold);
}

TEST_F(HardCopyTest, AnEmptyGridDoesNotDivideByZero) {
    page.PageInit(0, 0, 0);
    page.GridMoveTo(1, 1);
    EXPECT_EQ(page.current(), (PixelPoint{1000, 2000}));
}

}  // namespace
}  // namespace rumbelo
