#pragma once
// The ring that marks where the pupil clicked: it grows through six pictures and dies.
#include <array>

#include "scene/sprites/sprite.h"

namespace rumbelo {

class TSeleccionSprite : public Sprite {
  public:
    // `circles` are "circ1".."circ6"; the counter is shared by every marker.
    TSeleccionSprite(SpriteEngine& engine, int& sharedCounter,
                     const std::array<SpriteImage, 6>& circles);

    // One step of the shared counter; run at each draw, and once when the marker appears.
    void step();
    void draw(SpriteCanvas& canvas, double camX, double camY) override;

  private:
    int& counter_;
    const std::array<SpriteImage, 6>& circles_;
};

}  // namespace rumbelo
