// The helicopter guide's path: rounding, where each button lands, the help line's slide.
#include <gtest/gtest.h>

#include "vocational/intermediate/guide/heli_flight.h"

namespace rumbelo::intermediate {
namespace {

TEST(HeliFlight, RoundsHalvesToEvenAndLandsEachButtonWithItsDesignSize) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.6), -2);
    OpeningFlight flight;
    flight.start();
    OpeningFlight::Tick first = flight.tick(220, 60);
    EXPECT_TRUE(first.soundOn);
    EXPECT_EQ(first.step.buttonWidth, 220 + 3 - 105);
    OpeningFlight::Tick t = first;
    for (int n = 2; n <= kFlightTicks; ++n)
        t = flight.tick(220, 60);
    EXPECT_TRUE(t.arrived);
    EXPECT_EQ(t.phase, 1);
    EXPECT_EQ(t.step.buttonWidth, 223);
    EXPECT_EQ(t.step.buttonHeight, 61);
    EXPECT_EQ(t.step.buttonLeft, 292);
    EXPECT_EQ(t.step.y, 158);
    for (int n = 1; n <= kFlightTicks; ++n)
        t = flight.tick(220, 60);
    EXPECT_EQ(t.phase, 2);
    EXPECT_EQ(t.step.y, 254);  // the second path loops wider
    EXPECT_FALSE(flight.running());
    EXPECT_TRUE(flight.tick(220, 60).over);
}

TEST(HeliFlight, HelpLineSlidesFortyPixelsATickUntilItsLeftIsBelowOneFifty) {
    int left = 800, ticks = 0;
    HelpLineStep s;
    do {
        s = slideHelpLine(left, 800);
        left = s.left;
        ++ticks;
    } while (s.more);
    EXPECT_EQ(ticks, 17);
    EXPECT_EQ(s.left, 120);
    EXPECT_EQ(s.heliLeft, 35);
    EXPECT_EQ(s.width, 800 - 160 - 80);
}

}  // namespace
}  // namespace rumbelo::intermediate
