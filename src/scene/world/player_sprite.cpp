#include "scene/world/player_sprite.h"

#include "scene/rules/click.h"
#include "scene/rules/hud.h"
#include "scene/rules/walk.h"
#include "scene/rules/walls.h"
#include "scene/sprites/sprite_engine.h"

namespace rumbelo {

TPlayerSprite::TPlayerSprite(SpriteEngine& engine, SceneWorld& world, SceneState& state,
                             const SpriteImages& images, const InterfaceTexts& texts,
                             int surfaceWidth, int surfaceHeight)
    : Sprite(engine),
      world_(world),
      state_(state),
      images_(images),
      texts_(texts),
      surfaceWidth_(surfaceWidth),
      surfaceHeight_(surfaceHeight) {
    // Every frame of the eight series up front: a missing one fails the start-up's guard
    // instead of the walk.
    for (const char* series :
         {"manup", "mandown", "mander", "manizq", "manupder", "manupizq", "mandoder", "mandoizq"})
        for (int n = 1; n <= 10; ++n)
            frame(frameName(series, n));
    show(state_.character.image);
    x = state_.character.X;
    y = state_.character.Y;
}

const SpriteImage& TPlayerSprite::frame(const std::string& name) {
    auto it = frames_.find(name);
    if (it == frames_.end())
        it = frames_.emplace(name, images_.image(SpriteList::Common, name)).first;
    return it->second;
}

void TPlayerSprite::show(const std::string& name) {
    state_.character.image = name;
    setImage(frame(name));
}

void TPlayerSprite::buildingComplete() {
    doors_ = world_.doorLayout();
    walkingIn_ = images_.image(SpriteList::Theme, "puer3");
}

void TPlayerSprite::move(int count) {
    CharacterState& c = state_.character;
    advanceAnimation(count);
    c.roundPosition();
    applyOuterWalls(c);
    state_.zones.update(c);
    applyWallLines(c);

    const auto lines = bubbleLinesAt(c.rx, c.ry, texts_);
    state_.bubbleLines = lines.value_or(BubbleLines{});
    world_.bubble()->visible = lines.has_value();

    applySideWalls(c);
    applyFloor(c);
    applyArrival(c);
    const DoorPictures doors = applyDoorWalks(c, state_.doors, doors_, state_.mouseWorldX);
    walkCharacter(c, count * state_.speed.factor);
    placeDisplay();

    // The doors being walked through stay open.
    for (int i = 0; i < kTopDoors; ++i)
        if (doors.topRequested && state_.doors.top[i]) world_.topDoor(i)->setImage(walkingIn_);
    for (int i = 0; i < kBottomDoors; ++i)
        if (doors.bottomRequested && state_.doors.bottom[i])
            world_.bottomDoor(i)->setImage(walkingIn_);

    show(c.image);
    x = c.X;
    y = c.Y;
    const Point camera = cameraFor(c.X, c.Y, surfaceWidth_, surfaceHeight_);
    engine().cameraX = camera.x;
    engine().cameraY = camera.y;
}

void TPlayerSprite::placeDisplay() {
    const CharacterState& c = state_.character;
    Sprite& miniMap = *world_.miniMap();
    Sprite& lens = *world_.lens();
    const HudPlaces hud = hudPlaces(c.X, c.Y, {miniMap.width, lens.height});
    const auto place = [](Sprite& s, Point p, int layer) {
        s.x = p.x;
        s.y = p.y;
        s.setLayer(layer);
    };
    place(miniMap, hud.miniMap, 9);
    place(*world_.mapDot(), hud.mapDot, 10);
    place(lens, hud.lens, 10);
    place(*world_.exitIcon(), hud.exitIcon, 10);

    const Point mask = ceilingMaskPlace(c.X, state_.doors.bottomWalkIn, surfaceHeight_);
    world_.ceilingMask()->x = mask.x;
    world_.ceilingMask()->y = mask.y;
    const Point bubble = bubblePlace(c.X, c.Y);
    world_.bubble()->x = bubble.x;
    world_.bubble()->y = bubble.y;
}

}  // namespace rumbelo
