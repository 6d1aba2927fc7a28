// Sequences of doors, the lens and walks leave the world as a fresh one would be, and a click
// is judged where it lands.
#include <gtest/gtest.h>

#include "world_fixture.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

std::pair<int, int> screenOf(const CharacterState& c, int wx, int wy) {
    return {wx - c.rx + 372, wy - c.ry + 215};
}

// What a frame drew, without what depends on the frame count (markers, the blinking dot and
// the decorations' patterns): name and screen position in draw order.
std::vector<std::pair<std::string, std::pair<int, int>>> picture(const WorldFixture& f) {
    std::vector<std::pair<std::string, std::pair<int, int>>> drawn;
    for (const DrawnImage& d : f.lastDrawn)
        if (d.name.rfind("circ", 0) != 0 && d.name.rfind("diana", 0) != 0)
            drawn.push_back({d.name, {d.x, d.y}});
    return drawn;
}

void walkUntilStill(WorldFixture& f, int sx, int sy) {
    for (int i = 0; i < 400 && !f.character().dir.none(); ++i)
        f.frame(sx, sy);
}

// A fresh world with the character standing as `walked` left it.
void compareWithFresh(WorldFixture& walked, int sx, int sy) {
    for (int i = 0; i < 40; ++i)  // the markers die
        walked.frame(sx, sy);
    WorldFixture fresh;
    fresh.world.state().character = walked.character();
    fresh.world.world().player->setLayer(walked.world.world().player->layer());
    for (int i = 0; i < 2; ++i) {  // the first frame's pictures predate its mouse-over test
        fresh.frame(sx, sy);
        walked.frame(sx, sy);
    }
    EXPECT_EQ(picture(walked), picture(fresh));
    EXPECT_DOUBLE_EQ(walked.world.world().ceilingMask()->y, fresh.world.world().ceilingMask()->y);
}

}  // namespace

TEST(Sequence, ADoorWalkGivenUpForTheLensAndAWalkLeavesTheTopCorridorDrawn) {
    WorldFixture f;
    f.placeCharacter(150, -700);  // in front of bottom door 2, "Cues Pro"
    f.frame(0, 0);
    const auto [dx, dy] = screenOf(f.character(), 160, -760);
    f.frame(dx, dy);
    f.world.click(dx, dy);
    f.world.doubleClick();
    f.frame(dx, dy);  // walking in
    // The pointer leaves for the lens: the walk-in stops, the lens is clicked, help comes
    // and goes (the world is not stepped meanwhile).
    f.frame(120, 520);
    f.frame(120, 520);
    ASSERT_EQ(f.world.clickTarget(), ClickTarget::Help);
    ASSERT_TRUE(f.world.state().doors.bottomWalkIn);
    ASSERT_DOUBLE_EQ(f.world.world().ceilingMask()->y, -939 - 600 + 20);
    // Then a walk to the left and up the passage into the top corridor, the pointer where
    // it clicked.
    f.world.click(0, 299);
    walkUntilStill(f, 0, 299);
    f.placeCharacter(-420, -900);  // in the left passage
    f.world.click(420, 0);
    walkUntilStill(f, 420, 0);
    ASSERT_LT(f.character().ry, -1000);
    EXPECT_FALSE(f.world.state().doors.bottomWalkIn);
    EXPECT_FALSE(f.world.state().doors.anyBottom());
    // The ceiling mask is back over the top wall: the top corridor and the character show.
    EXPECT_DOUBLE_EQ(f.world.world().ceilingMask()->y, -1462 - 600 + 30);
    compareWithFresh(f, 400, 300);
}

TEST(Sequence, ADoorEnteredAndWalkedOutOfThenAWalkRestoresTheWorld) {
    WorldFixture f;
    f.placeCharacter(150, -700);
    f.frame(0, 0);
    const auto [dx, dy] = screenOf(f.character(), 160, -760);
    f.frame(dx, dy);
    f.world.click(dx, dy);
    f.world.doubleClick();
    ASSERT_EQ(f.framesUntilSection(dx, dy, 200), 7);
    for (int i = 0; i < 200 && f.world.state().doors.bottomWalkOut; ++i)
        f.frame(400, 300);
    f.world.click(100, 299);
    walkUntilStill(f, 400, 300);
    compareWithFresh(f, 400, 300);
}

TEST(Sequence, AClickIsJudgedWhereItLandsNotWhereTheLastFrameSawTheMouse) {
    WorldFixture f;
    f.frame(400, 200);  // the last frame saw the pointer on the floor
    f.world.pointAt(120, 520);
    EXPECT_EQ(f.world.clickTarget(), ClickTarget::Help);
    f.world.pointAt(120, 570);
    EXPECT_EQ(f.world.clickTarget(), ClickTarget::ExitIcon);
    EXPECT_EQ(f.shown(f.world.world().exitIcon()), "puertaS2");
    // Back from the help: the floor click must walk, though the lens was the last seen.
    f.world.pointAt(400, 100);
    EXPECT_EQ(f.world.clickTarget(), ClickTarget::Walk);
}

TEST(Sequence, ZonesEnteredBehindADialogStaySpent) {
    WorldFixture f;
    f.placeCharacter(-200, 0);  // the exit zone
    EXPECT_FALSE(f.frame(0, 0, false).askExit);
    EXPECT_FALSE(f.frame(0, 0).askExit);  // the dialog closed: no second question
    f.placeCharacter(1120, -900);
    EXPECT_FALSE(f.frame(0, 0, false).openLeave);
    EXPECT_FALSE(f.frame(0, 0).openLeave);
    f.placeCharacter(1000, -900);
    f.frame(0, 0);
    f.placeCharacter(1120, -900);
    EXPECT_TRUE(f.frame(0, 0).openLeave);  // a new entry with no dialog open
}
