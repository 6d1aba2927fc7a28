#pragma once
// Where the sprite engine draws: the back buffer in the program, a recorder in the tests.
#include "scene/sprites/sprite_image.h"

namespace rumbelo {

class SpriteCanvas {
  public:
    virtual ~SpriteCanvas() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
    // Pattern `pattern` of the image with its top-left corner at the screen point (x, y).
    virtual void drawImage(const SpriteImage& image, int pattern, int x, int y) = 0;
    // The image repeated over the whole canvas, one copy with its corner at (x, y).
    virtual void tileImage(const SpriteImage& image, int x, int y) = 0;
};

}  // namespace rumbelo
