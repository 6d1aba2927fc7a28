// The animated world as built: the building's order, the zones, the markers, the heads-up
// display and the bubble.
#include <gtest/gtest.h>

#include <algorithm>

#include "scene/world/player_sprite.h"
#include "world_fixture.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

std::ptrdiff_t drawIndex(WorldFixture& f, const Sprite* s) {
    const auto& list = f.world.engine().drawList();
    return std::find(list.begin(), list.end(), s) - list.begin();
}

}  // namespace

TEST(Building, EveryPieceStandsWhereTheTableSays) {
    WorldFixture f;
    const SceneWorld& w = f.world.world();
    EXPECT_EQ(f.world.engine().count(), 2u + kBuildingPieces + kMendPieces + 5u);
    for (int i = 1; i <= kBuildingPieces; ++i) {
        const BuildingPiece& p = kBuilding[i - 1];
        const Sprite* s = w.piece(i);
        EXPECT_EQ(s->layer(), p.layer) << i;
        if (i == piece::kLens || i == piece::kMiniMap || i == piece::kMapDot ||
            i == piece::kExitIcon || i == piece::kBubble || i == piece::kCeilingMask)
            continue;  // the character's move places these
        EXPECT_DOUBLE_EQ(s->x, p.x) << i;
        EXPECT_DOUBLE_EQ(s->y, p.y) << i;
    }
    EXPECT_DOUBLE_EQ(w.ceilingMask()->y, -1462 - 600);
    EXPECT_EQ(w.background->layer(), -2);
    EXPECT_EQ(w.player->layer(), 2);
    EXPECT_EQ(f.shown(w.player), "mandown01");
    EXPECT_DOUBLE_EQ(w.player->x, 60);
}

TEST(Building, BottomDoorsCreatedEarlyStayOverTheWallsOfLayerZero) {
    WorldFixture f;
    const SceneWorld& w = f.world.world();
    for (int wall : {13, 21, 19, 32, 36}) {  // walls of layer 0 created after the doors
        for (int door = 0; door < 3; ++door)
            EXPECT_GT(drawIndex(f, w.bottomDoor(door)), drawIndex(f, w.piece(wall)));
    }
    // Bottom door 2 (created 4) is over bottom door 1 (created 5).
    EXPECT_GT(drawIndex(f, w.bottomDoor(1)), drawIndex(f, w.bottomDoor(0)));
    // Statues and top doors join layer 2 after the character: they go under it.
    EXPECT_LT(drawIndex(f, w.piece(piece::kStatue1)), drawIndex(f, w.player));
    EXPECT_LT(drawIndex(f, w.topDoor(5)), drawIndex(f, w.player));
    // Wall caps (layer 4) and the ceiling mask (5) are over the character.
    EXPECT_GT(drawIndex(f, w.piece(12)), drawIndex(f, w.player));
    EXPECT_GT(drawIndex(f, w.ceilingMask()), drawIndex(f, w.piece(12)));
}

TEST(Building, ThemeDecorations) {
    WorldFixture castle('C');
    ASSERT_EQ(castle.world.world().decorations.size(), 7u);
    EXPECT_EQ(castle.shown(castle.world.world().decorations[0]), "espada");
    EXPECT_EQ(castle.shown(castle.world.world().decorations[2]), "bandera");
    WorldFixture aztec('A');
    ASSERT_EQ(aztec.world.world().decorations.size(), 5u);
    for (const Sprite* torch : aztec.world.world().decorations) {
        EXPECT_EQ(aztec.shown(torch), "antorcha");
        EXPECT_EQ(torch->layer(), 6);
    }
    WorldFixture snow('N');
    EXPECT_EQ(snow.shown(snow.world.world().decorations[1]), "payaso");
    WorldFixture flowers('F');
    EXPECT_EQ(flowers.shown(flowers.world.world().decorations[0]), "mariposa");
}

TEST(Building, TorchesAnimateSlowlyAndLoop) {
    WorldFixture f('A');
    const Sprite* torch = f.world.world().decorations[0];
    for (int i = 0; i < 3; ++i)
        f.frame(0, 0);
    EXPECT_EQ(torch->pattern(), 0);  // 0.01 x 25 = a quarter pattern a frame
    f.frame(0, 0);
    EXPECT_EQ(torch->pattern(), 1);
    for (int i = 0; i < 12; ++i)
        f.frame(0, 0);
    EXPECT_EQ(torch->pattern(), 0);  // four patterns, round again
}

TEST(Building, AListLackingANameFailsTheBuild) {
    FakeImages images;
    images.remove(SpriteList::Theme, "puer3");
    InterfaceTexts texts;
    EXPECT_THROW(AnimatedWorld(images, texts, 'F', speedClassFor(2500)), MissingSpriteImage);
}

TEST(Zones, TheLeaveZoneFiresOncePerEntry) {
    WorldFixture f;
    f.placeCharacter(1120, -900);
    int fired = 0;
    for (int i = 0; i < 5; ++i)
        fired += f.frame(0, 0).openLeave;
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(f.shown(f.world.world().player), "manizq01");
    f.placeCharacter(1000, -900);
    EXPECT_FALSE(f.frame(0, 0).openLeave);
    f.placeCharacter(1110, -900);
    EXPECT_TRUE(f.frame(0, 0).openLeave);
}

TEST(Zones, ExitAndHelpZonesAtTheEntranceFireOncePerEntry) {
    WorldFixture f;
    f.placeCharacter(-200, 0);
    EXPECT_TRUE(f.frame(0, 0).askExit);
    EXPECT_FALSE(f.frame(0, 0).askExit);
    f.placeCharacter(-200, -160);  // above the entrance: outside
    EXPECT_FALSE(f.frame(0, 0).askExit);
    f.placeCharacter(-181, 0);
    EXPECT_TRUE(f.frame(0, 0).askExit);

    f.placeCharacter(320, 0);
    FrameEvents events = f.frame(0, 0);
    EXPECT_TRUE(events.openHelp);
    EXPECT_FALSE(events.askExit);
    EXPECT_FALSE(f.frame(0, 0).openHelp);
    f.placeCharacter(300, 0);
    EXPECT_FALSE(f.frame(0, 0).openHelp);
    f.placeCharacter(301, 0);
    EXPECT_TRUE(f.frame(0, 0).openHelp);
}

TEST(Zones, WalkingIntoTheExitZoneFromTheHall) {
    WorldFixture f;
    f.frame(0, 0);
    f.world.click(0, 300 - 1);  // level, to the left
    int asks = 0;
    for (int i = 0; i < 100; ++i)
        asks += f.frame(400, 300).askExit;
    EXPECT_EQ(asks, 1);
    EXPECT_GE(f.character().rx, -235);  // rule k holds it in the hall
}

TEST(Markers, AClickLeavesAMarkerThatGrowsAndDies) {
    WorldFixture f;
    f.frame(0, 0);
    const std::size_t before = f.world.engine().count();
    f.world.click(500, 100);
    EXPECT_EQ(f.world.engine().count(), before + 1);
    EXPECT_EQ(f.world.world().player->layer(), 3);
    std::vector<std::string> circles;
    int frames = 0;
    while (f.world.engine().count() > before && frames++ < 100) {
        f.frame(0, 0);
        for (const DrawnImage& d : f.lastDrawn)
            if (d.name.rfind("circ", 0) == 0 && (circles.empty() || circles.back() != d.name))
                circles.push_back(d.name);
    }
    EXPECT_EQ(circles,
              (std::vector<std::string>{"circ1", "circ2", "circ3", "circ4", "circ5", "circ6"}));
    EXPECT_EQ(frames, 32);  // counter 15 to 170 in steps of 5, then removed next frame
}

TEST(Markers, ANewClickRestartsTheSharedCounterSoBothDieTogether) {
    WorldFixture f;
    f.frame(0, 0);
    const std::size_t before = f.world.engine().count();
    f.world.click(500, 100);
    for (int i = 0; i < 10; ++i)
        f.frame(0, 0);
    f.world.click(300, 100);
    EXPECT_EQ(f.world.engine().count(), before + 2);
    int frames = 0;
    while (f.world.engine().count() > before && frames++ < 100) {
        f.frame(0, 0);
        EXPECT_NE(f.world.engine().count(), before + 1);  // never one without the other
    }
    EXPECT_LT(frames, 32);  // two markers step the counter twice a frame
}

TEST(Display, TheHeadsUpDisplayStaysPutOnTheScreen) {
    WorldFixture f;
    f.frame(0, 0);
    f.world.click(600, 100);
    for (int i = 0; i < 20; ++i)
        f.frame(0, 0);
    const CharacterState& c = f.character();
    const SceneWorld& w = f.world.world();
    const double camX = f.world.engine().cameraX;
    const double camY = f.world.engine().cameraY;
    EXPECT_DOUBLE_EQ(camX, 372 - c.X);
    EXPECT_DOUBLE_EQ(camY, 215 - c.Y);
    EXPECT_DOUBLE_EQ(w.miniMap()->x + camX, -1);
    EXPECT_DOUBLE_EQ(w.miniMap()->y + camY, 509);
    EXPECT_DOUBLE_EQ(w.lens()->x + camX, -1 + 110);
    EXPECT_DOUBLE_EQ(w.exitIcon()->y + camY, 509 + 46 - 1);
    EXPECT_DOUBLE_EQ(w.mapDot()->x, w.miniMap()->x + 30 + c.X / 24);
    EXPECT_EQ(w.miniMap()->layer(), 9);
    EXPECT_EQ(w.lens()->layer(), 10);
    EXPECT_DOUBLE_EQ(w.ceilingMask()->x, c.X - 374);
    EXPECT_DOUBLE_EQ(w.bubble()->x, c.X + 60);
}

TEST(Display, TheMapDotBlinksEveryEleventhFrame) {
    WorldFixture f;
    for (int i = 0; i < 10; ++i)
        f.frame(0, 0);
    EXPECT_EQ(f.shown(f.world.world().mapDot()), "diana");
    f.frame(0, 0);
    EXPECT_EQ(f.shown(f.world.world().mapDot()), "diana2");
    for (int i = 0; i < 11; ++i)
        f.frame(0, 0);
    EXPECT_EQ(f.shown(f.world.world().mapDot()), "diana");
}

TEST(Display, TheBubbleShowsTheLinesOfWhereTheCharacterStands) {
    WorldFixture f;
    f.texts.set(38, "hola");
    f.texts.set(444, "pasillo");
    f.frame(0, 0);
    EXPECT_TRUE(f.world.world().bubble()->visible);
    EXPECT_EQ(f.world.state().bubbleLines[0], "hola");
    f.placeCharacter(0, -200);  // between the entrance and the first corridor
    f.frame(0, 0);
    EXPECT_FALSE(f.world.world().bubble()->visible);
    EXPECT_EQ(f.world.state().bubbleLines[0], "");
    f.placeCharacter(0, -500);
    f.frame(0, 0);
    EXPECT_EQ(f.world.state().bubbleLines[0], "");  // the second corridor's lines win here
    f.placeCharacter(0, -400);
    f.frame(0, 0);
    EXPECT_EQ(f.world.state().bubbleLines[0], "pasillo");
    f.placeCharacter(1900, -1000);
    f.frame(0, 0);
    EXPECT_EQ(f.world.state().bubbleLines[0], "    Estas perdido...");
}

TEST(Title, ItIsRevealedOnlyWhileTheCharacterStandsOnTheEntranceRow) {
    WorldFixture f;
    for (int i = 0; i < 9; ++i)
        f.world.revealTitle(10);
    EXPECT_EQ(f.world.state().title.shown(), 3);  // a letter every 30 / 9 = 3 frames
    f.placeCharacter(60, -10);
    f.frame(0, 0);
    for (int i = 0; i < 9; ++i)
        f.world.revealTitle(10);
    EXPECT_EQ(f.world.state().title.shown(), 3);
}
