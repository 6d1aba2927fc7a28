#include "common/widgets/tiled_picture.h"

#include <QPainter>

namespace rumbelo {

TiledPicture::TiledPicture(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void TiledPicture::setTile(const QImage& tile) {
    tile_ = tile;
    update();
}

void TiledPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (tile_.isNull()) return;
    painter.drawTiledPixmap(rect(), QPixmap::fromImage(tile_));
}

void TiledPicture::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    QWidget::mouseMoveEvent(event);
}

void TiledPicture::mousePressEvent(QMouseEvent* event) {
    emit clicked();
    QWidget::mousePressEvent(event);
}

}  // namespace rumbelo
