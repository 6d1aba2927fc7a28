#pragma once
// Draws the engine's sprites with a QPainter on the back buffer.
#include <QPainter>

#include "scene/sprites/sprite_canvas.h"
#include "scene/sprites/sprite_pictures.h"

namespace rumbelo {

class PainterSpriteCanvas : public SpriteCanvas {
  public:
    PainterSpriteCanvas(QPainter& painter, const SpritePictures& pictures, QSize size)
        : painter_(painter), pictures_(pictures), size_(size) {}
    int width() const override { return size_.width(); }
    int height() const override { return size_.height(); }
    void drawImage(const SpriteImage& image, int pattern, int x, int y) override;
    void tileImage(const SpriteImage& image, int x, int y) override;

  private:
    QPainter& painter_;
    const SpritePictures& pictures_;
    QSize size_;
};

}  // namespace rumbelo
