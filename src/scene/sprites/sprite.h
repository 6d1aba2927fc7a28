#pragma once
// An image sprite of the engine: a picture at a real world position on a layer, with an
// optional pattern animation. Subclasses with their own move (the walking character, the
// selection marker) override move() or draw().
#include "scene/sprites/sprite_canvas.h"
#include "scene/sprites/sprite_image.h"

namespace rumbelo {

class SpriteEngine;

class Sprite {
  public:
    explicit Sprite(SpriteEngine& engine) : engine_(engine) {}
    virtual ~Sprite() = default;
    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    double x = 0;
    double y = 0;
    int width = 0;
    int height = 0;
    bool visible = true;

    // Pattern animation: the pattern drawn is animStart + the whole part of animPos, and
    // animPos grows by animSpeed per move count.
    int animStart = 0;
    double animSpeed = 0;
    double animPos = 0;
    bool animLooped = false;

    const SpriteImage& image() const { return image_; }
    // Width and height follow the image.
    void setImage(const SpriteImage& image);

    int layer() const { return layer_; }
    // A sprite entering a layer goes under the sprites already there; the same value
    // changes nothing.
    void setLayer(int layer);

    void die() { dying_ = true; }
    bool dying() const { return dying_; }

    int pattern() const;

    virtual void move(int count);
    // Draws at the world position shifted by the camera (camX, camY).
    virtual void draw(SpriteCanvas& canvas, double camX, double camY);

  protected:
    void advanceAnimation(int count);
    SpriteEngine& engine() { return engine_; }

  private:
    friend class SpriteEngine;
    SpriteEngine& engine_;
    SpriteImage image_;
    int layer_ = 0;
    bool dying_ = false;
};

// One image repeated over the whole surface, scrolling with the camera: the floor.
class BackgroundSprite : public Sprite {
  public:
    using Sprite::Sprite;
    void draw(SpriteCanvas& canvas, double camX, double camY) override;
};

}  // namespace rumbelo
