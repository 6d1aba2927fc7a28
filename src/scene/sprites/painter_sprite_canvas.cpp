#include "scene/sprites/painter_sprite_canvas.h"

namespace rumbelo {

void PainterSpriteCanvas::drawImage(const SpriteImage& image, int pattern, int x, int y) {
    painter_.drawImage(x, y, pictures_.item(image).frame(pattern));
}

void PainterSpriteCanvas::tileImage(const SpriteImage& image, int x, int y) {
    const QImage& tile = pictures_.item(image).frame(0);
    if (tile.isNull()) return;
    painter_.save();
    painter_.setBrushOrigin(x, y);
    painter_.fillRect(QRect(QPoint(0, 0), size_), QBrush(tile));
    painter_.restore();
}

}  // namespace rumbelo
