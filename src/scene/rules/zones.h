#pragma once
// Three places where walking does something: the far right leaves studying, the entrance's
// left asks to exit the program, its right opens the help panel. Each fires once per entry.
#include "scene/rules/character.h"

namespace rumbelo {

class ZoneTrigger {
  public:
    // Set by the character's move; leaving the zone also clears the latch.
    void set(bool inside) {
        inside_ = inside;
        if (!inside) latched_ = false;
    }
    // True once per entry: the first time it is asked while the character is inside.
    bool fire() {
        if (!inside_ || latched_) return false;
        latched_ = true;
        return true;
    }
    bool inside() const { return inside_; }

  private:
    bool inside_ = false;
    bool latched_ = false;
};

struct SceneZones {
    ZoneTrigger leave;  // x at least 1110
    ZoneTrigger exit;   // x below -180 near the entrance
    ZoneTrigger help;   // x above 300 near the entrance

    void update(const CharacterState& c) {
        leave.set(c.rx >= 1110);
        exit.set(c.X < -180 && c.Y > -150);
        help.set(c.X > 300 && c.Y > -150);
    }
};

}  // namespace rumbelo
