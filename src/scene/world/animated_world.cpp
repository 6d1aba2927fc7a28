#include "scene/world/animated_world.h"

#include <algorithm>
#include <numeric>

#include "scene/rules/click.h"
#include "scene/world/decorations.h"
#include "scene/world/player_sprite.h"
#include "scene/world/selection_sprite.h"

namespace rumbelo {

AnimatedWorld::AnimatedWorld(const SpriteImages& images, const InterfaceTexts& texts,
                             char themeLetter, SpeedClass speed, int surfaceWidth,
                             int surfaceHeight)
    : images_(images), texts_(texts), surfaceWidth_(surfaceWidth), surfaceHeight_(surfaceHeight) {
    state_.speed = speed;
    build(themeLetter);
}

void AnimatedWorld::build(char themeLetter) {
    const auto common = [&](const char* name) { return images_.image(SpriteList::Common, name); };
    const auto theme = [&](const char* name) { return images_.image(SpriteList::Theme, name); };

    world_.background = &engine_.create<BackgroundSprite>();
    world_.background->setImage(theme("background"));
    world_.background->setLayer(-2);

    world_.player = &engine_.create<TPlayerSprite>(world_, state_, images_, texts_, surfaceWidth_,
                                                   surfaceHeight_);
    world_.player->setLayer(2);

    // Created in their creation order, then dressed in table order.
    std::array<int, kBuildingPieces> byCreation;
    std::iota(byCreation.begin(), byCreation.end(), 0);
    std::sort(byCreation.begin(), byCreation.end(),
              [](int a, int b) { return kBuilding[a].created < kBuilding[b].created; });
    for (int i : byCreation)
        world_.pieces[i] = &engine_.create<Sprite>();
    for (int i = 0; i < kBuildingPieces; ++i) {
        const BuildingPiece& p = kBuilding[i];
        Sprite& s = *world_.pieces[i];
        s.setImage(images_.image(p.list, p.image));
        s.x = p.x;
        s.y = pieceY(p, surfaceHeight_);
        s.setLayer(p.layer);
    }
    for (const BuildingPiece& p : kMends) {
        Sprite& s = engine_.create<Sprite>();
        s.setImage(images_.image(p.list, p.image));
        s.x = p.x;
        s.y = p.y;
        s.setLayer(p.layer);
    }

    for (const Decoration& d : decorationsFor(themeLetter)) {
        Sprite& s = engine_.create<Sprite>();
        s.setImage(images_.image(SpriteList::Torch, d.image));
        s.x = d.x;
        s.y = d.y;
        s.animSpeed = d.speed;
        s.animLooped = true;
        s.setLayer(6);
        world_.decorations.push_back(&s);
    }

    // Pictures the frame changes to, looked up now so that a list lacking one fails the
    // start-up rather than a later frame.
    pictures_.door = theme("puertab");
    pictures_.doorBottom = theme("puertaB");
    pictures_.doorOver = common("puerta2");
    pictures_.lens = common("lupa");
    pictures_.lensOver = common("lupa2");
    pictures_.exitIcon = common("puertaS");
    pictures_.exitOver = common("puertaS2");
    pictures_.statue = theme("faraon1");
    pictures_.statueOver = theme("faraon2");
    pictures_.dot = common("diana");
    pictures_.dotAlternate = common("diana2");
    for (int i = 0; i < 6; ++i)
        pictures_.circles[i] = common(("circ" + std::to_string(i + 1)).c_str());
    world_.player->buildingComplete();
}

void AnimatedWorld::move() {
    engine_.move(state_.speed.moveCount);
    engine_.removeDead();
}

void AnimatedWorld::revealTitle(int titleLength) {
    if (state_.character.ry == 0) state_.title.frame(state_.speed.reveal, titleLength);
}

void AnimatedWorld::pointAt(int sx, int sy) {
    const CharacterState& c = state_.character;
    state_.mouseWorldX = c.rx + sx - 372;
    state_.mouseWorldY = c.ry + sy - 215;
    state_.over =
        mouseOverTest(state_.mouseWorldX, state_.mouseWorldY, SceneWorld::boxOf(*world_.lens()),
                      SceneWorld::boxOf(*world_.exitIcon()), world_.doorLayout());
    showMouseOver();
}

FrameEvents AnimatedWorld::finishFrame(int sx, int sy, bool zonesArmed) {
    FrameEvents events;
    CharacterState& c = state_.character;
    state_.mouseWorldX = c.rx + sx - 372;
    state_.mouseWorldY = c.ry + sy - 215;

    if (++state_.mapDotFrames % 11 == 0) {
        state_.mapDotAlternate = !state_.mapDotAlternate;
        world_.mapDot()->setImage(state_.mapDotAlternate ? pictures_.dotAlternate : pictures_.dot);
    }

    // Asked even when not armed, so that a zone entered behind a dialog stays spent.
    const bool leave = state_.zones.leave.fire();
    const bool exit = state_.zones.exit.fire();
    const bool help = state_.zones.help.fire();
    if (zonesArmed) {
        if (leave) faceLeft();
        events.openLeave = leave;
        events.askExit = exit;
        events.openHelp = help;
    }

    pointAt(sx, sy);
    events.handCursor = state_.over.anything();

    events.openSection = takeArrival(c, state_.doors, world_.doorLayout());
    return events;
}

void AnimatedWorld::showMouseOver() {
    const MouseOver& over = state_.over;
    world_.lens()->setImage(over.lens ? pictures_.lensOver : pictures_.lens);
    world_.exitIcon()->setImage(over.exitIcon ? pictures_.exitOver : pictures_.exitIcon);
    for (int i = 0; i < kBottomDoors; ++i)
        world_.bottomDoor(i)->setImage(over.bottom[i] ? pictures_.doorOver : pictures_.doorBottom);
    for (int i = 0; i < kTopDoors; ++i)
        world_.topDoor(i)->setImage(over.top[i] ? pictures_.doorOver : pictures_.door);
    // Statue 1 watches bottom door 1, statue 2 bottom door 3, both the middle door.
    const bool left = over.bottom[0] || over.bottom[1];
    const bool right = over.bottom[2] || over.bottom[1];
    world_.piece(piece::kStatue1)->setImage(left ? pictures_.statueOver : pictures_.statue);
    world_.piece(piece::kStatue2)->setImage(right ? pictures_.statueOver : pictures_.statue);
}

ClickTarget AnimatedWorld::clickTarget() const {
    if (state_.over.exitIcon) return ClickTarget::ExitIcon;
    if (state_.over.lens || state_.over.lensZone) return ClickTarget::Help;
    return ClickTarget::Walk;
}

void AnimatedWorld::click(int sx, int sy) {
    CharacterState& c = state_.character;
    giveUpWalkIns(state_.doors);
    clickCharacter(c, sx, sy);
    auto& marker = engine_.create<TSeleccionSprite>(state_.markerCounter, pictures_.circles);
    const auto [mx, my] = markerPosition(c, sx, sy);
    marker.x = mx;
    marker.y = my;
    marker.setLayer(2);
    state_.markerCounter = kMarkerCounterStart;
    marker.step();
    world_.player->show(c.image);
    world_.player->setLayer(3);
}

std::optional<int> AnimatedWorld::doubleClick() {
    const auto openNow = chooseDoor(state_.over, state_.character, state_.doors);
    world_.player->setLayer(4);
    return openNow;
}

void AnimatedWorld::faceLeft() {
    world_.player->show("manizq01");
}

}  // namespace rumbelo
