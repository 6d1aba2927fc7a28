#include "scene/sprites/sprite.h"

#include <cmath>

#include "scene/sprites/sprite_engine.h"

namespace rumbelo {

void Sprite::setImage(const SpriteImage& image) {
    image_ = image;
    width = image.width;
    height = image.height;
}

void Sprite::setLayer(int layer) {
    engine_.changeLayer(*this, layer);
}

int Sprite::pattern() const {
    return animStart + static_cast<int>(animPos);
}

void Sprite::advanceAnimation(int count) {
    const int patterns = image_.patterns;
    animPos += animSpeed * count;
    if (animLooped) {
        animPos = patterns > 0 ? std::fmod(animPos, patterns) : 0;
        if (animPos < 0) animPos += patterns;
        return;
    }
    // A single run stops on its last pattern.
    if (animPos >= patterns) {
        animPos = patterns - 1;
        animSpeed = 0;
    }
    if (animPos < 0) {
        animPos = 0;
        animSpeed = 0;
    }
}

void Sprite::move(int count) {
    advanceAnimation(count);
}

void Sprite::draw(SpriteCanvas& canvas, double camX, double camY) {
    if (!image_.valid()) return;
    const int sx = static_cast<int>(std::floor(x + camX));
    const int sy = static_cast<int>(std::floor(y + camY));
    // Nothing to draw for a sprite wholly outside the surface.
    if (sx >= canvas.width() || sy >= canvas.height() || sx + width <= 0 || sy + height <= 0)
        return;
    canvas.drawImage(image_, pattern(), sx, sy);
}

void BackgroundSprite::draw(SpriteCanvas& canvas, double camX, double camY) {
    if (!image().valid()) return;
    canvas.tileImage(image(), static_cast<int>(std::floor(x + camX)),
                     static_cast<int>(std::floor(y + camY)));
}

}  // namespace rumbelo
