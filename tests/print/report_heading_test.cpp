// The framed heading of portrait and landscape pages, at 600 pixels per inch.
#include <gtest/gtest.h>

#include "common/print/report_heading.h"
#include "report_samples.h"

namespace rumbelo {
namespace {

using testing::sampleHeading;
using testing::StubPicture;

class HeadingTest : public ::testing::Test {
  protected:
    void start(PageOrientation orientation) {
        page.beginDocument(orientation);
        page.setFont("Courier New", 10, false);
        page.PageInit(50, 78, 1);
    }
    // A text op's right end and centre.
    static int rightOf(RecordingCanvas& c, const CanvasOp& op) {
        c.setFont(op.family, op.size, op.bold);
        return op.at.x + c.textWidth(op.text);
    }
    RecordingCanvas canvas;
    HardCopy page{canvas};
    StubPicture guide;
};

TEST_F(HeadingTest, PortraitHeadingFramesPictureSchoolYearAndTitle) {
    start(PageOrientation::Portrait);
    PortraitHeading(page, sampleHeading(&guide), "Resultados");
    const auto frames = canvas.opsOnPage(1, CanvasOp::Kind::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].box, (PixelRect{60, 300, 4380, 720}));  // 0.1-7.3 x 0.5-1.2 inches
    const auto pictures = canvas.opsOnPage(1, CanvasOp::Kind::Picture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].box, (PixelRect{120, 318, 330, 648}));
    EXPECT_EQ(pictures[0].picture, &guide);

    const CanvasOp* year = canvas.findText("Curso");
    const CanvasOp* schoolYear = canvas.findText("2007-2008");
    const CanvasOp* school = canvas.findText("IES Rumbelo de Prueba");
    const CanvasOp* title = canvas.findText("Resultados");
    ASSERT_TRUE(year && schoolYear && school && title);
    EXPECT_EQ(year->at.y, 360);
    EXPECT_EQ(rightOf(canvas, *year), 4350);  // ends at 7.25 inches
    EXPECT_EQ(year->size, 10);
    EXPECT_EQ(schoolYear->at.y, 540);
    EXPECT_EQ(rightOf(canvas, *schoolYear), 4350);
    EXPECT_EQ(school->at.y, 360);
    EXPECT_EQ(school->size, 12);
    EXPECT_NEAR(school->at.x + (rightOf(canvas, *school) - school->at.x) / 2.0, 2220, 1);
    EXPECT_EQ(title->at, (PixelPoint{360, 540}));
    EXPECT_EQ(title->size, 12);
    for (const auto& text : canvas.textsOnPage(1)) {
        EXPECT_TRUE(text.bold) << text.text;
        EXPECT_EQ(text.background, TextBackground::White) << text.text;
        EXPECT_EQ(text.family, "Courier New") << text.text;
    }
}

TEST_F(HeadingTest, LandscapeHeadingIsWiderWithASmallerTitleAndThePageNumber) {
    start(PageOrientation::Landscape);
    LandscapeHeading(page, sampleHeading(&guide), "Centros", 2);
    const auto frames = canvas.opsOnPage(1, CanvasOp::Kind::Rectangle);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].box, (PixelRect{60, 300, 6120, 720}));
    const auto circles = canvas.opsOnPage(1, CanvasOp::Kind::Ellipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].box, (PixelRect{6240, 300, 6660, 720}));

    const CanvasOp* year = canvas.findText("Curso");
    const CanvasOp* school = canvas.findText("IES Rumbelo de Prueba");
    const CanvasOp* title = canvas.findText("Centros");
    const CanvasOp* number = canvas.findText("2");
    ASSERT_TRUE(year && school && title && number);
    EXPECT_EQ(rightOf(canvas, *year), 6090);  // 10.15 inches
    EXPECT_NEAR(school->at.x + (rightOf(canvas, *school) - school->at.x) / 2.0, 3090, 1);
    EXPECT_EQ(title->size, 11);
    EXPECT_EQ(number->at, (PixelPoint{6420, 420}));
    EXPECT_EQ(number->size, 16);
    EXPECT_TRUE(number->bold);
}

TEST_F(HeadingTest, AnUnnumberedLandscapePageHasAnEmptyCircle) {
    start(PageOrientation::Landscape);
    LandscapeHeading(page, sampleHeading(), "Centros", 0);
    EXPECT_EQ(canvas.opsOnPage(1, CanvasOp::Kind::Ellipse).size(), 1u);
    EXPECT_EQ(canvas.textsOnPage(1).size(), 4u);  // year word, year, school, title
    EXPECT_TRUE(canvas.opsOnPage(1, CanvasOp::Kind::Picture).empty());  // no picture given
}

TEST_F(HeadingTest, ALongTitleStopsBeforeTheSchoolYear) {
    start(PageOrientation::Portrait);
    const std::string title(60, 'T');
    PortraitHeading(page, sampleHeading(), title);
    const CanvasOp* schoolYear = canvas.findText("2007-2008");
    ASSERT_NE(schoolYear, nullptr);
    const CanvasOp shown = canvas.textsOnPage(1).back();
    EXPECT_EQ(shown.text.front(), 'T');
    EXPECT_LT(shown.text.size(), title.size());
    EXPECT_LT(rightOf(canvas, shown), schoolYear->at.x);
}

TEST_F(HeadingTest, ALongTitleLosesItsRemarkThenWholeWordsNeverHalfACharacter) {
    start(PageOrientation::Portrait);
    PortraitHeading(page, sampleHeading(),
                    "Auxiliar de comercio y atención al público (Iniciación Profesional)");
    EXPECT_EQ(canvas.textsOnPage(1).back().text, "Auxiliar de comercio y atención al público");

    // 58 bytes fit beside the school year: the title ends on a whole word...
    const std::string words = "Títulos de Grado Superior y cursos de la zona de exposición y más";
    canvas.ops.clear();
    PortraitHeading(page, sampleHeading(), words);
    const std::string shown = canvas.textsOnPage(1).back().text;
    EXPECT_EQ(shown, "Títulos de Grado Superior y cursos de la zona de");
    // ...and a word too long for the line loses characters one by one: report texts are
    // Windows-1252, where "º" (0xBA) is a character of its own, not half of one.
    canvas.ops.clear();
    PortraitHeading(page, sampleHeading(),
                    std::string(58, 'T') +
                        "\xBA"
                        "T");
    EXPECT_EQ(canvas.textsOnPage(1).back().text, std::string(58, 'T'));
}

TEST_F(HeadingTest, TrailingBlanksOfTheSlotsDoNotShiftAlignedTexts) {
    start(PageOrientation::Portrait);
    PortraitHeading(page, {"IES Uno   ", "Curso     ", nullptr}, "T");
    const CanvasOp* year = canvas.findText("Curso");
    ASSERT_NE(year, nullptr);
    EXPECT_EQ(rightOf(canvas, *year), 4350);
    EXPECT_NE(canvas.findText("IES Uno"), nullptr);
}

}  // namespace
}  // namespace rumbelo
