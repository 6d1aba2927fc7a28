#include "scene/sprites/drawing_surface.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QWheelEvent>

#include "common/widgets/keyed_picture.h"

namespace rumbelo {

SurfaceCanvas::SurfaceCanvas(QImage& backBuffer) : painter_(&backBuffer) {
    painter_.setBackgroundMode(Qt::TransparentMode);
}

void SurfaceCanvas::setFont(const QString& family, int pointSize, bool bold) {
    QFont font(family);
    font.setPointSize(std::max(1, pointSize));
    font.setBold(bold);
    painter_.setFont(font);
}

int SurfaceCanvas::textWidth(const QString& text) const {
    return painter_.fontMetrics().horizontalAdvance(text);
}

int SurfaceCanvas::textHeight(const QString&) const {
    return painter_.fontMetrics().height();
}

void SurfaceCanvas::textOut(int x, int y, const QString& text) {
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), text);
}

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DXDraw"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setGeometry(0, 0, 800, 600);
}

bool DrawingSurface::initialize() {
    if (back_.isNull()) back_ = QImage(800, 600, QImage::Format_RGB32);
    if (back_.isNull()) return false;
    initialized_ = true;
    emit initializedSurface();
    return true;
}

void DrawingSurface::finalize() {
    if (!initialized_) return;
    initialized_ = false;
    emit finalizedSurface();
}

bool DrawingSurface::canDraw() const {
    return initialized_ && isVisible() && !back_.isNull();
}

void DrawingSurface::fill(const QColor& colour) {
    back_.fill(colour);
}

void DrawingSurface::flip() {
    update();
}

void DrawingSurface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (back_.isNull())
        p.fillRect(rect(), Qt::black);
    else
        p.drawImage(0, 0, back_);
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton) emit clicked(mouse_);
}

void DrawingSurface::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton) emit doubleClicked(mouse_);
}

void DrawingSurface::wheelEvent(QWheelEvent* event) {
    mouse_ = event->position().toPoint();
    emit wheeled(mouse_);
}

QImage surfaceFromPicture(const QImage& picture, const QColor& transparent) {
    return keyedPicture(picture, transparent).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace rumbelo
