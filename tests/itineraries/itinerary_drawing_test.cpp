// The diagram as data: its steps add up to the whole, and its routes, plates, texts and
// buttons keep clear of one another.
#include <gtest/gtest.h>

#include <algorithm>

#include "itineraries/crafted_itinerary_data.h"
#include "secondary/itineraries/itinerary_buttons.h"
#include "secondary/itineraries/itinerary_drawing.h"

namespace rumbelo::secondary {
namespace {

TEST(DrawingTest, PanelsFollowTheGridRule) {
    EXPECT_EQ(panelRect(FramePanel{4, 27, 13, 30}), (PixelRect{207, 37, 232, 144}));
}

TEST(DrawingTest, TheWholeDiagramIsEveryStepInOrder) {
    const auto texts = testing::numberedTexts();
    const DrawingStep whole = drawingStep(kWholeDiagram, texts);
    std::size_t lines = 0, textCount = 0;
    for (int k = 0; k <= kLastDrawingStep; ++k) {
        lines += drawingStep(k, texts).lines.size();
        textCount += drawingStep(k, texts).texts.size();
    }
    EXPECT_EQ(whole.lines.size(), lines);
    EXPECT_EQ(whole.texts.size(), textCount);
    EXPECT_EQ(whole.panels.size(), 13u);
    EXPECT_EQ(std::count_if(whole.lines.begin(), whole.lines.end(),
                            [](const RouteLine& l) { return l.red; }),
              7);
    EXPECT_TRUE(whole.gameButton);
    EXPECT_FALSE(drawingStep(6, texts).gameButton);
    EXPECT_TRUE(drawingStep(7, texts).gameButton);
    EXPECT_EQ(diagramUpTo(2, texts).lines.size(), 3u);  // the divider and two routes
}

TEST(DrawingTest, EachRouteRunsThroughItsColumnsButtons) {
    const auto whole = drawingStep(kWholeDiagram, testing::numberedTexts());
    for (const RouteLine& line : whole.lines) {
        if (!line.red) continue;
        int stops = 0;
        for (const ItineraryButton& b : itineraryButtons()) {
            const int left = gridLeft(b.col), top = gridTop(b.row);
            if (top + 24 < line.y1 || top > line.y2) continue;
            if (line.x1 > left && line.x1 < left + 24) {
                EXPECT_EQ(line.x1, left + 12) << b.name;
                ++stops;
            } else {
                // A route never grazes a button it does not stop at.
                EXPECT_TRUE(line.x1 + kRouteWidth / 2 < left ||
                            line.x1 - kRouteWidth / 2 > left + 24)
                    << b.name;
            }
        }
        EXPECT_GE(stops, 2) << line.x1;
    }
}

TEST(DrawingTest, PlatesKeepClearOfButtonsAndOneAnother) {
    const auto whole = drawingStep(kWholeDiagram, testing::numberedTexts());
    const auto overlaps = [](const PixelRect& a, int l, int t, int r, int b) {
        return a.left < r && l < a.right && a.top < b && t < a.bottom;
    };
    for (const NamePlate& plate : whole.plates) {
        for (const ItineraryButton& b : itineraryButtons())
            EXPECT_FALSE(overlaps(plate.rect, gridLeft(b.col), gridTop(b.row), gridLeft(b.col) + 24,
                                  gridTop(b.row) + 24))
                << b.name;
        for (const NamePlate& other : whole.plates)
            if (!(other.rect == plate.rect)) {
                EXPECT_FALSE(overlaps(plate.rect, other.rect.left, other.rect.top, other.rect.right,
                                      other.rect.bottom));
            }
    }
}

TEST(DrawingTest, TheSizeByLengthStyleMakesTwoCharactersBig) {
    EXPECT_EQ(byLength("2\xBA"), TextStyle::Big);
    EXPECT_EQ(byLength("Curso"), TextStyle::Name);
    EXPECT_EQ(byLength("E"), TextStyle::Name);
}

}  // namespace
}  // namespace rumbelo::secondary
