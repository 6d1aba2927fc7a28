// The building's walls as the character's move enforces them: each rule stops its direction
// only inside its band, and the passages let the character through.
#include <gtest/gtest.h>

#include "scene/rules/walls.h"

using namespace rumbelo;

namespace {

CharacterState at(double x, double y, Directions dir) {
    CharacterState c;
    c.X = x;
    c.Y = y;
    c.roundPosition();
    c.dir = dir;
    c.image = "walking";
    return c;
}

constexpr Directions kUp{true, false, false, false};
constexpr Directions kDown{false, true, false, false};
constexpr Directions kLeft{false, false, true, false};
constexpr Directions kRight{false, false, false, true};

}  // namespace

TEST(OuterWalls, RuleAStopsLeftPastTheFarLeftWallOnly) {
    auto c = at(-820, -1400, kLeft);
    applyOuterWalls(c);
    EXPECT_FALSE(c.dir.left);
    EXPECT_EQ(c.image, "manizq01");
    c = at(-819, -1400, kLeft);
    applyOuterWalls(c);
    EXPECT_TRUE(c.dir.left);
    c = at(-900, -1400, kRight);  // walking away from the wall is free
    applyOuterWalls(c);
    EXPECT_TRUE(c.dir.right);
}

TEST(OuterWalls, RuleBStopsRightOnTheTopFloorFromXMinus20) {
    auto c = at(-20, -1346, kRight);
    applyOuterWalls(c);
    EXPECT_FALSE(c.dir.right);
    EXPECT_EQ(c.image, "mander01");
    c = at(-21, -1346, kRight);
    applyOuterWalls(c);
    EXPECT_TRUE(c.dir.right);
    c = at(0, -1345.5, kRight);  // uses the real y: just below the line
    applyOuterWalls(c);
    EXPECT_TRUE(c.dir.right);
}

TEST(OuterWalls, RuleCStopsLeftAtTheCorridorsLeftWall) {
    for (double y : {-995.0, -600.0, -300.0}) {
        auto c = at(-470, y, kLeft);
        applyOuterWalls(c);
        EXPECT_FALSE(c.dir.left) << y;
    }
    for (double y : {-996.0, -299.0}) {
        auto c = at(-470, y, kLeft);
        applyOuterWalls(c);
        EXPECT_TRUE(c.dir.left) << y;
    }
    auto c = at(-469, -600, kLeft);
    applyOuterWalls(c);
    EXPECT_TRUE(c.dir.left);
}

TEST(OuterWalls, RuleDStopsRightAtTheCorridorsRightWall) {
    auto c = at(870, -823, kRight);
    applyOuterWalls(c);
    EXPECT_FALSE(c.dir.right);
    c = at(869, -600, kRight);
    applyOuterWalls(c);
    EXPECT_TRUE(c.dir.right);
    c = at(870, -824, kRight);
    applyOuterWalls(c);
    EXPECT_TRUE(c.dir.right);
}

TEST(WallLines, RuleEBlocksTheEntranceWallOutsideItsPassage) {
    // Walking straight up at x 200 from the hall stops once ry passes -185.
    auto c = at(200, -186, kUp);
    applyWallLines(c);
    EXPECT_FALSE(c.dir.up);
    EXPECT_EQ(c.image, "manup01");
    c = at(200, -185, kUp);  // not yet in the band
    applyWallLines(c);
    EXPECT_TRUE(c.dir.up);
    // At x 50 the passage lets it walk on, up and down.
    for (int x : {-4, 50, 89}) {
        c = at(x, -250, kUp);
        applyWallLines(c);
        EXPECT_TRUE(c.dir.up) << x;
    }
    c = at(90, -250, kUp);
    applyWallLines(c);
    EXPECT_FALSE(c.dir.up);
    c = at(200, -300, kUp);  // beyond the line the wall no longer stops walking up
    applyWallLines(c);
    EXPECT_TRUE(c.dir.up);
    // From above, walking down into the wall stops above the line -299.
    c = at(200, -476, kDown);
    applyWallLines(c);
    EXPECT_FALSE(c.dir.down);
    EXPECT_EQ(c.image, "mandown01");
    c = at(200, -477, kDown);
    applyWallLines(c);
    EXPECT_TRUE(c.dir.down);
}

TEST(WallLines, RuleFHasTwoPassagesThroughTheCorridorWall) {
    for (int x : {-486, -363, 711, 834}) {
        auto c = at(x, -800, kUp);
        applyWallLines(c);
        EXPECT_TRUE(c.dir.up) << x;
    }
    for (int x : {-487, -362, 710, 835, 100}) {
        auto c = at(x, -800, kUp);
        applyWallLines(c);
        EXPECT_FALSE(c.dir.up) << x;
    }
    auto c = at(100, -709, kUp);  // the band starts below -708
    applyWallLines(c);
    EXPECT_FALSE(c.dir.up);
    c = at(100, -708, kUp);
    applyWallLines(c);
    EXPECT_TRUE(c.dir.up);
    c = at(100, -999, kDown);
    applyWallLines(c);
    EXPECT_FALSE(c.dir.down);
}

TEST(WallLines, RuleGTheTopWallHasNoPassage) {
    for (int x : {-800, 0, 1000}) {
        auto c = at(x, -1232, kUp);
        applyWallLines(c);
        EXPECT_FALSE(c.dir.up) << x;
    }
    auto c = at(0, -1346, kDown);
    applyWallLines(c);
    EXPECT_FALSE(c.dir.down);
    c = at(0, -1346, kUp);  // above the line it may walk further up (into a door)
    applyWallLines(c);
    EXPECT_TRUE(c.dir.up);
}

TEST(SideWalls, RuleHKeepsTheCharacterInsideTheEntrancePassage) {
    auto c = at(0, -300, kLeft);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.left);
    c = at(1, -300, kLeft);
    applySideWalls(c);
    EXPECT_TRUE(c.dir.left);
    c = at(85, -300, kRight);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.right);
    c = at(84, -300, kRight);
    applySideWalls(c);
    EXPECT_TRUE(c.dir.right);
    c = at(0, -471, kLeft);  // above the band
    applySideWalls(c);
    EXPECT_TRUE(c.dir.left);
}

TEST(SideWalls, RuleIGuardsTheCorridorPassagesAndTheFarRight) {
    auto c = at(-382, -800, kRight);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.right);
    c = at(-361, -800, kRight);
    applySideWalls(c);
    EXPECT_TRUE(c.dir.right);
    c = at(726, -800, kLeft);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.left);
    c = at(705, -800, kLeft);
    applySideWalls(c);
    EXPECT_TRUE(c.dir.left);
    c = at(821, -800, kRight);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.right);
    c = at(821, -711, kRight);  // outside the band
    applySideWalls(c);
    EXPECT_TRUE(c.dir.right);
}

TEST(SideWalls, RuleJStopsRightOnTheTopFloor) {
    auto c = at(-682, -1300, kRight);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.right);
    c = at(-661, -1300, kRight);
    applySideWalls(c);
    EXPECT_TRUE(c.dir.right);
    c = at(-682, -1234, kRight);
    applySideWalls(c);
    EXPECT_TRUE(c.dir.right);
}

TEST(SideWalls, RuleKBoundsTheEntranceHall) {
    auto c = at(-230, 0, kLeft);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.left);
    c = at(-229, 0, kLeft);
    applySideWalls(c);
    EXPECT_TRUE(c.dir.left);
    c = at(340, -300, kRight);
    applySideWalls(c);
    EXPECT_FALSE(c.dir.right);
    c = at(340, -480, kRight);  // beyond the hall (and above the passage's sides)
    applySideWalls(c);
    EXPECT_TRUE(c.dir.right);
}

TEST(Floor, BelowY79TheCharacterCannotWalkDownAndKeepsItsImage) {
    auto c = at(60, 80, Directions{false, true, false, true});
    applyFloor(c);
    EXPECT_FALSE(c.dir.down);
    EXPECT_TRUE(c.dir.right);
    EXPECT_EQ(c.image, "walking");
    c = at(60, 79, kDown);
    applyFloor(c);
    EXPECT_TRUE(c.dir.down);
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(roundWorld(64.5), 64);
    EXPECT_EQ(roundWorld(65.5), 66);
    EXPECT_EQ(roundWorld(-185.5), -186);
}
