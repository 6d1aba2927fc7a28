// Walking into a door and back out, and what a double click chooses.
#include <gtest/gtest.h>

#include "world_fixture.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

// The screen point over world (wx, wy) for a character standing at (rx, ry).
std::pair<int, int> screenOf(const CharacterState& c, int wx, int wy) {
    return {wx - c.rx + 372, wy - c.ry + 215};
}

}  // namespace

TEST(TopDoor, DoubleClickWalksStraightInUntilArrivalOpensItsSection) {
    WorldFixture f;
    f.placeCharacter(430, -1250);  // the top corridor, below top door 4
    f.frame(0, 0);
    const auto [sx, sy] = screenOf(f.character(), 450, -1200);
    f.frame(sx, sy);  // the mouse comes over the door
    ASSERT_TRUE(f.world.state().over.top[3]);
    f.world.click(sx, sy);
    EXPECT_EQ(f.world.doubleClick(), std::nullopt);
    EXPECT_TRUE(f.world.state().doors.top[3]);
    EXPECT_EQ(f.world.world().player->layer(), 4);

    f.frame(sx, sy);
    // The top wall would stop the walk up; walking in overrides it and opens the door.
    EXPECT_TRUE(f.character().dir.up);
    EXPECT_TRUE(f.drew("puer3"));
    EXPECT_EQ(f.shown(f.world.world().topDoor(3)), "puerta2");  // under the mouse again
    EXPECT_EQ(f.shown(f.world.world().topDoor(2)), "puertaB");
    EXPECT_DOUBLE_EQ(f.world.world().ceilingMask()->y, -1462 - 600 + 30);

    int frames = 0;
    const auto section = f.framesUntilSection(sx, sy, 200, &frames);
    ASSERT_EQ(section, 4);
    EXPECT_LT(f.character().ry, -1481);
    EXPECT_GE(f.character().ry, -1481 - 5);  // it stopped walking in at once
    EXPECT_TRUE(f.world.state().doors.topWalkOut);
    EXPECT_FALSE(f.world.state().doors.topWalkIn);
}

TEST(TopDoor, WalkOutTakesTheCharacterBackDownAndEndsTheRequest) {
    WorldFixture f;
    f.placeCharacter(430, -1250);
    f.frame(0, 0);
    const auto [sx, sy] = screenOf(f.character(), 450, -1200);
    f.frame(sx, sy);
    f.world.click(sx, sy);
    f.world.doubleClick();
    ASSERT_EQ(f.framesUntilSection(sx, sy, 200), 4);

    // Out again: straight down until 100 below the door row's top, the door still open.
    f.frame(800, 600);
    EXPECT_TRUE(f.character().dir.down);
    EXPECT_TRUE(f.drew("puer3"));
    int frames = 0;
    while (f.world.state().doors.topWalkOut && frames++ < 200)
        f.frame(800, 600);
    EXPECT_FALSE(f.world.state().doors.topWalkOut);
    EXPECT_FALSE(f.world.state().doors.anyTop());
    EXPECT_GE(f.character().ry, -1331 + 100);
    EXPECT_LT(f.character().ry, -1331 + 110);
    f.frame(800, 600);
    EXPECT_FALSE(f.drew("puer3"));
}

TEST(BottomDoor, DoubleClickFromTheCorridorWalksInAndOpensProfessions) {
    WorldFixture f;
    f.placeCharacter(150, -700);  // in front of bottom door 2
    f.frame(0, 0);
    const auto [sx, sy] = screenOf(f.character(), 160, -760);
    f.frame(sx, sy);
    ASSERT_TRUE(f.world.state().over.bottom[1]);
    f.world.click(sx, sy);
    EXPECT_EQ(f.world.doubleClick(), std::nullopt);
    EXPECT_TRUE(f.world.state().doors.bottomWalkIn);

    f.frame(sx, sy);
    // The mask now hides everything above the middle wall, so the character vanishes.
    EXPECT_DOUBLE_EQ(f.world.world().ceilingMask()->y, -939 - 600 + 20);
    EXPECT_TRUE(f.drew("puer3"));
    const auto section = f.framesUntilSection(sx, sy, 200);
    ASSERT_EQ(section, 7);
    EXPECT_LT(f.character().ry, -958);
    EXPECT_TRUE(f.world.state().doors.bottomWalkOut);
}

TEST(BottomDoor, WalkInWaitsForTheMouseOverTheCharacter) {
    WorldFixture f;
    f.placeCharacter(150, -700);
    f.frame(0, 0);
    const auto [sx, sy] = screenOf(f.character(), 160, -760);
    f.frame(sx, sy);
    f.world.click(sx, sy);
    f.world.doubleClick();
    // The cursor moves off to the side: the corridor wall stops the walk instead.
    for (int i = 0; i < 60; ++i)
        EXPECT_FALSE(f.frame(sx + 200, sy).openSection);
    EXPECT_GE(f.character().ry, -822);
}

TEST(BottomDoor, AlreadyAtTheDoorItOpensAtOnce) {
    WorldFixture f;
    f.placeCharacter(-100, -800);
    f.frame(0, 0);
    const auto [sx, sy] = screenOf(f.character(), -80, -700);
    f.frame(sx, sy);
    ASSERT_TRUE(f.world.state().over.bottom[0]);
    f.world.click(sx, sy);
    EXPECT_EQ(f.world.doubleClick(), 8);
    EXPECT_FALSE(f.world.state().doors.bottomWalkIn);
}

TEST(MouseOver, DoorsStatuesAndIconsChangeTheirPicturesUnderTheMouse) {
    WorldFixture f;
    f.placeCharacter(150, -700);
    f.frame(0, 0);
    auto [sx, sy] = screenOf(f.character(), 160, -760);
    const FrameEvents events = f.frame(sx, sy);
    EXPECT_TRUE(events.handCursor);
    const SceneWorld& w = f.world.world();
    EXPECT_EQ(f.shown(w.bottomDoor(1)), "puerta2");
    EXPECT_EQ(f.shown(w.piece(piece::kStatue1)), "faraon2");
    EXPECT_EQ(f.shown(w.piece(piece::kStatue2)), "faraon2");
    std::tie(sx, sy) = screenOf(f.character(), -100, -760);  // bottom door 1: statue 1 only
    f.frame(sx, sy);
    EXPECT_EQ(f.shown(w.piece(piece::kStatue1)), "faraon2");
    EXPECT_EQ(f.shown(w.piece(piece::kStatue2)), "faraon1");
    EXPECT_FALSE(f.frame(372, 100).handCursor);  // plain floor
    EXPECT_EQ(f.shown(w.bottomDoor(1)), "puertaB");
}

TEST(MouseOver, TheLensAndTheExitIconSitAtTheBottomLeftOfTheScreen) {
    WorldFixture f;
    f.frame(0, 0);
    // Mini-map at screen (-1, 509), 110 wide: the lens at x 109, the exit icon below it.
    f.frame(120, 520);
    EXPECT_TRUE(f.world.state().over.lens);
    EXPECT_EQ(f.world.clickTarget(), ClickTarget::Help);
    EXPECT_EQ(f.shown(f.world.world().lens()), "lupa2");
    f.frame(120, 570);
    EXPECT_TRUE(f.world.state().over.exitIcon);
    EXPECT_EQ(f.world.clickTarget(), ClickTarget::ExitIcon);
    // Left of the lens's right edge and below its top counts as the lens too.
    f.frame(40, 530);
    EXPECT_EQ(f.world.clickTarget(), ClickTarget::Help);
    f.frame(400, 200);
    EXPECT_EQ(f.world.clickTarget(), ClickTarget::Walk);
}
