// The sprite engine's draw list, moves, deaths, camera and pattern animation.
#include <gtest/gtest.h>

#include <vector>

#include "scene/sprites/sprite_engine.h"

using namespace rumbelo;

namespace {

class NamedCanvas : public SpriteCanvas {
  public:
    int width() const override { return 800; }
    int height() const override { return 600; }
    void drawImage(const SpriteImage& image, int pattern, int x, int y) override {
        drawn.push_back({image.id, pattern, x, y});
    }
    void tileImage(const SpriteImage& image, int x, int y) override {
        tiled.push_back({image.id, 0, x, y});
    }
    struct Call {
        int id, pattern, x, y;
    };
    std::vector<Call> drawn, tiled;
};

SpriteImage img(int id, int patterns = 1) {
    return {id, 10, 10, patterns};
}

std::vector<int> order(const SpriteEngine& e) {
    std::vector<int> ids;
    for (const Sprite* s : e.drawList())
        ids.push_back(s->image().id);
    return ids;
}

class CountingSprite : public Sprite {
  public:
    CountingSprite(SpriteEngine& e, std::vector<int>& log, int id) : Sprite(e), log_(log) {
        setImage(img(id));
    }
    void move(int count) override { log_.push_back(image().id * 100 + count); }

  private:
    std::vector<int>& log_;
};

}  // namespace

TEST(DrawList, ASpriteEnteringALayerGoesUnderThoseAlreadyThere) {
    SpriteEngine e;
    auto& a = e.create<Sprite>();
    a.setImage(img(1));
    auto& b = e.create<Sprite>();
    b.setImage(img(2));
    // Both on layer 0: the newer one is drawn first, under the older.
    EXPECT_EQ(order(e), (std::vector<int>{2, 1}));
    auto& c = e.create<Sprite>();
    c.setImage(img(3));
    c.setLayer(5);
    auto& d = e.create<Sprite>();
    d.setImage(img(4));
    d.setLayer(5);
    EXPECT_EQ(order(e), (std::vector<int>{2, 1, 4, 3}));
    b.setLayer(5);  // joins layer 5 under 4 and 3
    EXPECT_EQ(order(e), (std::vector<int>{1, 2, 4, 3}));
    a.setLayer(-1);
    EXPECT_EQ(order(e), (std::vector<int>{1, 2, 4, 3}));
    c.setLayer(2);
    EXPECT_EQ(order(e), (std::vector<int>{1, 3, 2, 4}));
}

TEST(DrawList, SettingTheSameLayerChangesNothing) {
    SpriteEngine e;
    auto& a = e.create<Sprite>();
    a.setImage(img(1));
    a.setLayer(3);
    auto& b = e.create<Sprite>();
    b.setImage(img(2));
    b.setLayer(3);
    EXPECT_EQ(order(e), (std::vector<int>{2, 1}));
    a.setLayer(3);  // already there: it must not move under b
    EXPECT_EQ(order(e), (std::vector<int>{2, 1}));
}

TEST(Engine, MovesEveryLiveSpriteInCreationOrderWithOneCount) {
    SpriteEngine e;
    std::vector<int> log;
    e.create<CountingSprite>(log, 1);
    auto& second = e.create<CountingSprite>(log, 2);
    second.setLayer(-3);  // the draw list does not decide the move order
    e.create<CountingSprite>(log, 3);
    e.move(25);
    EXPECT_EQ(log, (std::vector<int>{125, 225, 325}));
}

TEST(Engine, DeadSpritesAreRemovedOnlyWhenAsked) {
    SpriteEngine e;
    auto& a = e.create<Sprite>();
    a.setImage(img(1));
    auto& b = e.create<Sprite>();
    b.setImage(img(2));
    b.die();
    EXPECT_EQ(e.count(), 2u);
    e.removeDead();
    EXPECT_EQ(e.count(), 1u);
    EXPECT_EQ(order(e), (std::vector<int>{1}));
}

TEST(Engine, DrawsVisibleSpritesShiftedByTheCameraAndSkipsThoseOffTheSurface) {
    SpriteEngine e;
    auto& a = e.create<Sprite>();
    a.setImage(img(1));
    a.x = 100.7;
    a.y = -50;
    auto& hidden = e.create<Sprite>();
    hidden.setImage(img(2));
    hidden.visible = false;
    auto& far = e.create<Sprite>();
    far.setImage(img(3));
    far.x = 2000;
    e.cameraX = 10;
    e.cameraY = 60;
    NamedCanvas canvas;
    e.draw(canvas);
    ASSERT_EQ(canvas.drawn.size(), 1u);
    EXPECT_EQ(canvas.drawn[0].id, 1);
    EXPECT_EQ(canvas.drawn[0].x, 110);
    EXPECT_EQ(canvas.drawn[0].y, 10);
}

TEST(Engine, TheBackgroundTilesFromTheCameraOffset) {
    SpriteEngine e;
    auto& bg = e.create<BackgroundSprite>();
    bg.setImage(img(7));
    bg.setLayer(-2);
    e.cameraX = -130.5;
    e.cameraY = 40;
    NamedCanvas canvas;
    e.draw(canvas);
    ASSERT_EQ(canvas.tiled.size(), 1u);
    EXPECT_EQ(canvas.tiled[0].x, -131);
    EXPECT_EQ(canvas.tiled[0].y, 40);
}

TEST(Animation, LoopingPatternsWrapAndASingleRunStopsOnItsLastPattern) {
    SpriteEngine e;
    auto& loop = e.create<Sprite>();
    loop.setImage(img(1, 3));
    loop.animSpeed = 0.5;
    loop.animLooped = true;
    auto& once = e.create<Sprite>();
    once.setImage(img(2, 3));
    once.animSpeed = 0.5;
    std::vector<int> loopPatterns, oncePatterns;
    for (int i = 0; i < 8; ++i) {
        e.move(1);
        loopPatterns.push_back(loop.pattern());
        oncePatterns.push_back(once.pattern());
    }
    EXPECT_EQ(loopPatterns, (std::vector<int>{0, 1, 1, 2, 2, 0, 0, 1}));
    EXPECT_EQ(oncePatterns, (std::vector<int>{0, 1, 1, 2, 2, 2, 2, 2}));
    EXPECT_EQ(once.animSpeed, 0);
}
