#pragma once
// The sprite engine: owns the sprites, moves them once per frame, removes the dead ones and
// draws them in the order of its draw list, shifted by the camera.
//
// The draw list stays sorted by layer, lowest first. A sprite entering a layer (when it is
// created, on layer 0, or when its layer changes to a different value) is put before every
// sprite already in that layer, so it is drawn under them. The building relies on this:
// the bottom doors, created early, stay over the walls created later on the same layer.
#include <memory>
#include <utility>
#include <vector>

#include "scene/sprites/sprite.h"

namespace rumbelo {

class SpriteEngine {
  public:
    SpriteEngine() = default;
    SpriteEngine(const SpriteEngine&) = delete;
    SpriteEngine& operator=(const SpriteEngine&) = delete;

    // Creates a sprite of kind T on layer 0; the engine owns it until it dies.
    template <class T, class... Args>
    T& create(Args&&... args) {
        auto sprite = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T& ref = *sprite;
        sprites_.push_back(std::move(sprite));
        enterLayer(ref);
        return ref;
    }

    // Every live sprite's move, in creation order, with the same count.
    void move(int count);
    // Removes the sprites that asked to die.
    void removeDead();
    // Every visible sprite in draw-list order.
    void draw(SpriteCanvas& canvas);

    // The camera: added to every world position when drawing.
    double cameraX = 0;
    double cameraY = 0;

    const std::vector<Sprite*>& drawList() const { return drawList_; }
    std::size_t count() const { return sprites_.size(); }

  private:
    friend class Sprite;
    void changeLayer(Sprite& sprite, int layer);
    void enterLayer(Sprite& sprite);

    std::vector<std::unique_ptr<Sprite>> sprites_;  // creation order
    std::vector<Sprite*> drawList_;
};

// The visible sprites of the draw list that a width x height surface shows at the camera.
std::vector<Sprite*> firstFrameSprites(const SpriteEngine& engine, int width, int height);

}  // namespace rumbelo
