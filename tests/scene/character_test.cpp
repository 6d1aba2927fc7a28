// The character's click rule, its walk and its arrival at the clicked target.
#include <gtest/gtest.h>

#include "scene/rules/click.h"
#include "scene/rules/speed_class.h"
#include "scene/rules/walk.h"
#include "scene/rules/walls.h"

using namespace rumbelo;

namespace {

CharacterState standingAt(int x, int y) {
    CharacterState c;
    c.X = x;
    c.Y = y;
    c.roundPosition();
    return c;
}

}  // namespace

TEST(Click, TargetPutsTheCharactersCentreUnderTheCursor) {
    auto c = standingAt(60, 0);
    clickCharacter(c, 450, 100);
    EXPECT_EQ(c.tx, 110);
    EXPECT_EQ(c.ty, -200);
}

TEST(Click, AngleDecidesBetweenStraightAndDiagonalWalks) {
    struct Case {
        int sx, sy;
        Directions dir;
        const char* image;
    };
    const Case cases[] = {
        {400, 100, {true, false, false, false}, "manup01"},    // straight up: 0 degrees
        {460, 100, {true, false, false, false}, "manup01"},    // 17 degrees
        {600, 100, {true, false, false, true}, "mander01"},    // 45: up and right
        {200, 500, {false, true, true, false}, "manizq01"},    // 45: down and left
        {700, 250, {false, false, false, true}, "mander01"},   // 80 degrees: level
        {100, 350, {false, false, true, false}, "manizq01"},   // 80 degrees below: left
        {400, 500, {false, true, false, false}, "mandown01"},  // straight down
    };
    for (const Case& k : cases) {
        auto c = standingAt(60, 0);
        clickCharacter(c, k.sx, k.sy);
        EXPECT_EQ(c.dir.up, k.dir.up) << k.sx << "," << k.sy;
        EXPECT_EQ(c.dir.down, k.dir.down) << k.sx << "," << k.sy;
        EXPECT_EQ(c.dir.left, k.dir.left) << k.sx << "," << k.sy;
        EXPECT_EQ(c.dir.right, k.dir.right) << k.sx << "," << k.sy;
        EXPECT_EQ(c.image, k.image) << k.sx << "," << k.sy;
    }
}

TEST(Click, AngleBoundariesAt20And70Degrees) {
    // atan(34/100) x 57 = 18.7 -> 19: straight; atan(37/100) x 57 = 20.2 -> 20: diagonal.
    auto c = standingAt(0, 0);
    clickCharacter(c, 434, 200);
    EXPECT_EQ(c.angle, 19);
    EXPECT_FALSE(c.dir.right);
    clickCharacter(c, 437, 200);
    EXPECT_EQ(c.angle, 20);
    EXPECT_TRUE(c.dir.up && c.dir.right);
    // atan(285/100) x 57 = 70.3 -> 70: still diagonal; 300/100 -> 71.2: level.
    clickCharacter(c, 685, 200);
    EXPECT_EQ(c.angle, 70);
    EXPECT_TRUE(c.dir.up && c.dir.right);
    clickCharacter(c, 700, 200);
    EXPECT_EQ(c.angle, 71);
    EXPECT_TRUE(!c.dir.up && c.dir.right);
}

TEST(Click, OnRow300TheAngleStaysAndNothingIsSet) {
    auto c = standingAt(60, 0);
    clickCharacter(c, 600, 100);
    const int before = c.angle;
    EXPECT_EQ(before, 45);
    clickCharacter(c, 780, 300);
    EXPECT_EQ(c.angle, before);
    EXPECT_TRUE(c.dir.none());
    EXPECT_EQ(c.ty, c.ry);
}

TEST(Click, ANewClickClearsTheOldDirections) {
    auto c = standingAt(60, 0);
    clickCharacter(c, 600, 100);
    clickCharacter(c, 400, 500);
    EXPECT_TRUE(c.dir.down);
    EXPECT_FALSE(c.dir.up || c.dir.right || c.dir.left);
}

TEST(Click, MarkerSitsAtTheClickedWorldPointShifted) {
    auto c = standingAt(60, 0);
    const auto [mx, my] = markerPosition(c, 450, 100);
    EXPECT_DOUBLE_EQ(mx, 150);
    EXPECT_DOUBLE_EQ(my, -120);
}

TEST(Arrival, EachDirectionPairStopsAtItsOwnLine) {
    struct Case {
        Directions dir;
        int rx, ry;
        bool arrives;
        const char* image;
    };
    // Target (100, -200): up stops at ry <= -230, down at ry >= -230, left at rx <= 90,
    // right at rx >= 90.
    const Case cases[] = {
        {{true, false, false, false}, 0, -230, true, "manup01"},
        {{true, false, false, false}, 0, -229, false, ""},
        {{false, true, false, false}, 0, -230, true, "mandown01"},
        {{false, true, false, false}, 0, -231, false, ""},
        {{false, false, true, false}, 90, 0, true, "manizq01"},
        {{false, false, true, false}, 91, 0, false, ""},
        {{false, false, false, true}, 90, 0, true, "mander01"},
        {{false, false, false, true}, 89, 0, false, ""},
        {{true, false, false, true}, 90, -230, true, "manupder01"},
        {{true, false, false, true}, 89, -230, false, ""},
        {{true, false, true, false}, 90, -230, true, "manupizq01"},
        {{true, false, true, false}, 90, -229, false, ""},
        {{false, true, false, true}, 90, -230, true, "mandoder01"},
        {{false, true, false, true}, 90, -231, false, ""},
        {{false, true, true, false}, 90, -230, true, "mandoizq01"},
        {{false, true, true, false}, 91, -230, false, ""},
    };
    for (const Case& k : cases) {
        CharacterState c;
        c.rx = k.rx;
        c.ry = k.ry;
        c.tx = 100;
        c.ty = -200;
        c.dir = k.dir;
        c.image = "";
        applyArrival(c);
        EXPECT_EQ(c.dir.none(), k.arrives) << k.rx << "," << k.ry;
        EXPECT_EQ(c.image, k.image) << k.rx << "," << k.ry;
    }
}

TEST(Walk, EachDirectionMovesDAndCyclesItsSeries) {
    CharacterState c;
    c.X = 0;
    c.Y = 0;
    c.dir = {true, false, false, true};
    walkCharacter(c, 4.5);
    EXPECT_DOUBLE_EQ(c.X, 4.5);
    EXPECT_DOUBLE_EQ(c.Y, -4.5);
    EXPECT_EQ(c.image, "manupder01");
    EXPECT_EQ(c.animStep, 12);
    // Frames change every third move and come round after 30 moves.
    std::vector<std::string> shown;
    for (int i = 0; i < 30; ++i) {
        walkCharacter(c, 4.5);
        shown.push_back(c.image);
    }
    EXPECT_EQ(shown[1], "manupder01");
    EXPECT_EQ(shown[2], "manupder02");  // step 16
    EXPECT_EQ(shown[4], "manupder02");
    EXPECT_EQ(shown[5], "manupder03");
    EXPECT_EQ(shown[28], "manupder10");
    EXPECT_EQ(shown[29], "manupder01");  // back at step 10
}

TEST(Walk, EveryDirectionPairWalksItsOwnWay) {
    struct Case {
        Directions dir;
        double dx, dy;
        const char* image;
    };
    const Case cases[] = {
        {{true, false, false, false}, 0, -2, "manup01"},
        {{false, true, false, false}, 0, 2, "mandown01"},
        {{false, false, true, false}, -2, 0, "manizq01"},
        {{false, false, false, true}, 2, 0, "mander01"},
        {{true, false, true, false}, -2, -2, "manupizq01"},
        {{false, true, false, true}, 2, 2, "mandoder01"},
        {{false, true, true, false}, -2, 2, "mandoizq01"},
    };
    for (const Case& k : cases) {
        CharacterState c;
        c.X = 10;
        c.Y = 10;
        c.dir = k.dir;
        walkCharacter(c, 2);
        EXPECT_DOUBLE_EQ(c.X, 10 + k.dx) << k.image;
        EXPECT_DOUBLE_EQ(c.Y, 10 + k.dy) << k.image;
        EXPECT_EQ(c.image, k.image);
    }
}

TEST(Walk, TheCommonSpeedClassCovers4Point5UnitsAFrame) {
    const SpeedClass speed = speedClassFor(2500);
    CharacterState c;
    c.X = 0;
    c.dir.right = true;
    walkCharacter(c, speed.moveCount * speed.factor);
    EXPECT_DOUBLE_EQ(c.X, 4.5);
}
