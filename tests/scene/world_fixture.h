#pragma once
// An animated world on fake image lists, stepped frame by frame without a window.
#include <optional>

#include "common/texts/interface_texts.h"
#include "fake_images.h"
#include "scene/world/animated_world.h"
#include "scene/world/player_sprite.h"

namespace rumbelo::testing {

struct WorldFixture {
    explicit WorldFixture(char theme = 'F') : world(images, texts, theme, speedClassFor(2500)) {}

    // One frame with the cursor at screen (sx, sy); returns what it asks of the form.
    FrameEvents frame(int sx, int sy, bool zonesArmed = true) {
        world.move();
        RecordingSpriteCanvas canvas(images);
        world.draw(canvas);
        lastDrawn = canvas.drawn;
        return world.finishFrame(sx, sy, zonesArmed);
    }
    // Whether the last frame drew the named picture.
    bool drew(const std::string& name) const {
        for (const DrawnImage& d : lastDrawn)
            if (d.name == name) return true;
        return false;
    }
    // Frames until a door opens, at most `limit`.
    std::optional<int> framesUntilSection(int sx, int sy, int limit, int* taken = nullptr) {
        for (int i = 1; i <= limit; ++i) {
            const FrameEvents events = frame(sx, sy);
            if (events.openSection) {
                if (taken) *taken = i;
                return events.openSection;
            }
        }
        return std::nullopt;
    }
    void placeCharacter(double x, double y) {
        CharacterState& c = world.state().character;
        c.X = x;
        c.Y = y;
        c.roundPosition();
        c.dir.clear();
    }
    CharacterState& character() { return world.state().character; }
    std::string shown(const Sprite* s) const { return images.nameOf(s->image()); }

    FakeImages images;
    InterfaceTexts texts;
    AnimatedWorld world;
    std::vector<DrawnImage> lastDrawn;
};

}  // namespace rumbelo::testing
