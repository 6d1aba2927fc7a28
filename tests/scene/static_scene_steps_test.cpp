// The static scene's intro walker, door opening and zoom.
#include <gtest/gtest.h>

#include <vector>

#include "scene/rules/static_scene_steps.h"

using namespace rumbelo;

TEST(IntroWalker, WalksRightCyclingSixFramesThenStopsOnTheLastTwo) {
    IntroWalker walker;
    std::vector<int> frames, xs;
    for (;;) {
        const FrameAt at = walker.tick();
        EXPECT_EQ(at.y, 190);
        frames.push_back(at.frame);
        xs.push_back(at.x);
        if (at.last) break;
        ASSERT_LT(frames.size(), 50u);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(xs.front(), 90);
    EXPECT_EQ(xs.back(), 90 + 13 * 15);
}

TEST(DoorOpening, ClimbsOverItsLabelInFiveFrames) {
    DoorOpening bottom(8, 295);
    std::vector<FrameAt> ticks;
    for (int i = 0; i < 5; ++i)
        ticks.push_back(bottom.tick());
    EXPECT_EQ(ticks[0].x, 305);
    EXPECT_EQ(ticks[0].y, 420);
    EXPECT_EQ(ticks[4].y, 420 - 60);
    EXPECT_EQ(ticks[4].frame, 4);
    EXPECT_TRUE(ticks[4].last);
    EXPECT_FALSE(ticks[3].last);
    DoorOpening top(6, 697);
    EXPECT_EQ(top.tick().y, 120);
}

TEST(Zoom, StretchesTheTileOverTheDoorsColumnUntilStep100) {
    // Section 8 is the bottom row's third column.
    int step = 5;
    const auto first = zoomTick(step, 8, 134, 300);
    ASSERT_TRUE(first);
    EXPECT_EQ(step, 15);
    EXPECT_EQ(*first, (Rect{2 * 134 - 7, 305, 3 * 134 + 7, 305 + 300 + 15}));
    int ticks = 1;
    while (zoomTick(step, 8, 134, 300))
        ++ticks;
    EXPECT_EQ(ticks, 10);
    EXPECT_EQ(step, 105);
    // Top row: column = section number, from the top of the window.
    step = 5;
    EXPECT_EQ(*zoomTick(step, 1, 134, 300), (Rect{-7, 0, 134 + 7, 315}));
    // The animated scene starts the zoom at 110: the first tick launches.
    step = 110;
    EXPECT_FALSE(zoomTick(step, 3, 134, 300));
}
