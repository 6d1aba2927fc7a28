#include "scene/static_overlay.h"

#include <QPainter>

namespace rumbelo {

StaticOverlay::StaticOverlay(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("StaticOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(0, 0, 800, 600);
}

void StaticOverlay::showWalker(const QImage& frame, QPoint at) {
    walker_ = frame;
    walkerAt_ = at;
    update();
}

void StaticOverlay::clearWalker() {
    walker_ = QImage();
    update();
}

void StaticOverlay::showDoor(const QImage& frame, QPoint at) {
    door_ = frame;
    doorAt_ = at;
    update();
}

void StaticOverlay::showZoom(const QImage& tile, const QRect& rect) {
    zoomTile_ = tile;
    zoom_ = rect;
    update();
}

void StaticOverlay::clearAll() {
    walker_ = QImage();
    door_ = QImage();
    doorAt_.reset();
    zoom_.reset();
    update();
}

void StaticOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (zoom_ && !zoomTile_.isNull()) p.drawImage(*zoom_, zoomTile_);
    if (doorAt_ && !door_.isNull()) p.drawImage(*doorAt_, door_);
    if (!walker_.isNull()) p.drawImage(walkerAt_, walker_);
}

}  // namespace rumbelo
