#pragma once
// The animated scene without its window: the building's sprites, the character, the scene's
// state, and what a frame, a click and a double click do to them. The form paints and routes
// events; everything decided lives here.
#include <array>
#include <optional>

#include "common/texts/interface_texts.h"
#include "scene/sprites/sprite_engine.h"
#include "scene/world/scene_state.h"
#include "scene/world/scene_world.h"

namespace rumbelo {

class TPlayerSprite;

// What the end of a frame asks of the form.
struct FrameEvents {
    bool openLeave = false;          // walked into the leave zone
    bool askExit = false;            // walked into the exit zone
    bool openHelp = false;           // walked into the help zone
    bool handCursor = false;         // the mouse is over something clickable
    std::optional<int> openSection;  // arrival at a door: its section number
};

// Where a click on the surface goes.
enum class ClickTarget { ExitIcon, Help, Walk };

class AnimatedWorld {
  public:
    // Builds the world in its fixed order. Throws MissingSpriteImage when a list lacks a name.
    AnimatedWorld(const SpriteImages& images, const InterfaceTexts& texts, char themeLetter,
                  SpeedClass speed, int surfaceWidth = 800, int surfaceHeight = 600);
    AnimatedWorld(const AnimatedWorld&) = delete;
    AnimatedWorld& operator=(const AnimatedWorld&) = delete;

    // Moves every sprite with the speed class's move count and removes the dead ones.
    void move();
    void draw(SpriteCanvas& canvas) { engine_.draw(canvas); }
    // The rest of the frame once drawn, for the cursor at screen (sx, sy): mouse world point,
    // map-dot blink, walking triggers, mouse-over pictures and an arrival. While a modal dialog
    // is open the zones are not armed: entering one then counts as its entry, and nothing fires.
    FrameEvents finishFrame(int sx, int sy, bool zonesArmed = true);
    // What lies under the cursor at screen (sx, sy), with the icons' and doors' pictures: a
    // click is judged by where it lands, not by where the last frame saw the mouse.
    void pointAt(int sx, int sy);
    // One frame of the title reveal (only while the character stands on the entrance row).
    void revealTitle(int titleLength);

    // What a click at the current mouse-over state means.
    ClickTarget clickTarget() const;
    // A walk target for the cursor at (sx, sy), with its selection marker. A door walked
    // towards but not entered is given up: the ceiling mask returns to the top wall.
    void click(int sx, int sy);
    // A double click after the click: the door under the mouse. Returns the section to open
    // at once (a bottom door the character already stands at).
    std::optional<int> doubleClick();
    // The leave zone turns the character to the left.
    void faceLeft();

    SceneState& state() { return state_; }
    const SceneState& state() const { return state_; }
    const SceneWorld& world() const { return world_; }
    SpriteEngine& engine() { return engine_; }
    int surfaceWidth() const { return surfaceWidth_; }
    int surfaceHeight() const { return surfaceHeight_; }

  private:
    struct Pictures {
        SpriteImage door, doorBottom, doorOver;
        SpriteImage lens, lensOver, exitIcon, exitOver;
        SpriteImage statue, statueOver;
        SpriteImage dot, dotAlternate;
        std::array<SpriteImage, 6> circles;
    };
    void build(char themeLetter);
    void showMouseOver();

    const SpriteImages& images_;
    const InterfaceTexts& texts_;
    int surfaceWidth_;
    int surfaceHeight_;
    SpriteEngine engine_;
    SceneState state_;
    SceneWorld world_;
    Pictures pictures_;
};

}  // namespace rumbelo
