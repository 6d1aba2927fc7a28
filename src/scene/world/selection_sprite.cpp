#include "scene/world/selection_sprite.h"

#include "scene/rules/marker_steps.h"

namespace rumbelo {

TSeleccionSprite::TSeleccionSprite(SpriteEngine& engine, int& sharedCounter,
                                   const std::array<SpriteImage, 6>& circles)
    : Sprite(engine), counter_(sharedCounter), circles_(circles) {
    setImage(circles_[0]);
}

void TSeleccionSprite::step() {
    const MarkerStep s = stepMarker(counter_);
    if (s.circle > 0) setImage(circles_[s.circle - 1]);
    if (s.dies) die();
}

void TSeleccionSprite::draw(SpriteCanvas& canvas, double camX, double camY) {
    step();
    Sprite::draw(canvas, camX, camY);
}

}  // namespace rumbelo
