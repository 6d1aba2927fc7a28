#include "scene/sprites/sprite_engine.h"

#include <algorithm>

namespace rumbelo {

void SpriteEngine::enterLayer(Sprite& sprite) {
    // Before the first sprite of the same or a higher layer: under those already there.
    const auto at = std::find_if(drawList_.begin(), drawList_.end(),
                                 [&](const Sprite* s) { return s->layer_ >= sprite.layer_; });
    drawList_.insert(at, &sprite);
}

void SpriteEngine::changeLayer(Sprite& sprite, int layer) {
    if (sprite.layer_ == layer) return;
    drawList_.erase(std::find(drawList_.begin(), drawList_.end(), &sprite));
    sprite.layer_ = layer;
    enterLayer(sprite);
}

void SpriteEngine::move(int count) {
    // By index: a move may create sprites, which then wait for the next frame.
    const std::size_t n = sprites_.size();
    for (std::size_t i = 0; i < n; ++i)
        if (!sprites_[i]->dying_) sprites_[i]->move(count);
}

void SpriteEngine::removeDead() {
    std::erase_if(drawList_, [](const Sprite* s) { return s->dying_; });
    std::erase_if(sprites_, [](const std::unique_ptr<Sprite>& s) { return s->dying_; });
}

void SpriteEngine::draw(SpriteCanvas& canvas) {
    // By index: a sprite's draw may ask it to die, never to leave the list at once.
    for (std::size_t i = 0; i < drawList_.size(); ++i) {
        Sprite* sprite = drawList_[i];
        if (sprite->visible) sprite->draw(canvas, cameraX, cameraY);
    }
}

std::vector<Sprite*> firstFrameSprites(const SpriteEngine& engine, int width, int height) {
    std::vector<Sprite*> shown;
    for (Sprite* sprite : engine.drawList()) {
        if (!sprite->visible) continue;
        const double sx = sprite->x + engine.cameraX, sy = sprite->y + engine.cameraY;
        if (sx < width && sy < height && sx + sprite->width > 0 && sy + sprite->height > 0)
            shown.push_back(sprite);
    }
    return shown;
}

}  // namespace rumbelo
