#include "common/widgets/tiled_picture.h"

#include <QPainter>

#include "common/program/shared_pictures.h"

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

TiledPicture* addTiledStrip(QWidget* parent, const char* name, QRect where, const QImage& tile) {
    auto* strip = new TiledPicture(parent);
    strip->setObjectName(QLatin1String(name));
    strip->setGeometry(where);
    strip->setTile(tile);
    return strip;
}

TiledPicture* addFramedBackground(QWidget* parent, QSize size, int frame,
                                  const SharedPictures& pictures) {
    const int w = size.width(), h = size.height();
    TiledPicture* floor =
        addTiledStrip(parent, "degrade", QRect(QPoint(0, 0), size), pictures.floorTile);
    addTiledStrip(parent, "TilArr", QRect(0, 0, w, frame), pictures.frameTop);
    addTiledStrip(parent, "TilDer", QRect(w - frame, 0, frame, h), pictures.frameRight);
    addTiledStrip(parent, "TilIzq", QRect(0, 0, frame, h), pictures.frameLeft);
    return floor;
}

}  // namespace rumbelo
