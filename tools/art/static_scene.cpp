#include "static_scene.h"

#include <cmath>

#include "paint_kit.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;
}  // namespace

// Frame 0 closed; the leaf swings inwards on its left hinge until frame 4, fully open, shows
// the lit room behind.
QList<QImage> staticDoorFrames() {
    QList<QImage> frames;
    const QRectF frameRect(0, 0, kStaticDoorWidth, kStaticDoorHeight);
    const QRectF opening = frameRect.adjusted(5, 6, -5, 0);
    for (int step = 0; step < 5; ++step) {
        frames.append(paintedCanvas(kStaticDoorWidth, kStaticDoorHeight, [&](QPainter& p) {
            // Frame.
            p.setPen(QPen(QColor(60, 35, 15), 1.5));
            p.setBrush(horizontal(frameRect, QColor(170, 110, 55), QColor(120, 72, 32)));
            p.drawRect(frameRect.adjusted(0.5, 0.5, -0.5, 0));
            // The room behind: warm light.
            p.setBrush(radial(opening.center(), opening.height() * 0.6, QColor(255, 248, 205),
                              QColor(250, 200, 95)));
            p.drawRect(opening);
            // The leaf, narrowing as it turns.
            const double open = step / 4.0;
            const double w = opening.width() * std::cos(open * 1.35);
            const double skew = 10 * std::sin(open * 1.35);
            QPolygonF leaf;
            leaf << opening.topLeft() << QPointF(opening.left() + w, opening.top() + skew)
                 << QPointF(opening.left() + w, opening.bottom() - skew) << opening.bottomLeft();
            p.setBrush(horizontal(opening, QColor(150, 85, 40), QColor(110, 60, 28)));
            p.drawPolygon(leaf);
            if (w > 14) {
                // Panels and the knob.
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(QColor(90, 50, 22), 1.5));
                const double inset = 5 * w / opening.width();
                p.drawRect(
                    QRectF(opening.left() + inset + 1, opening.top() + 12, w - 2 * inset - 2, 60));
                p.drawRect(
                    QRectF(opening.left() + inset + 1, opening.top() + 84, w - 2 * inset - 2, 60));
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(240, 200, 80));
                p.drawEllipse(QPointF(opening.left() + w - 6, opening.center().y()), 2.5, 2.5);
            }
        }));
    }
    return frames;
}

// The bubble's labels sit at (22..182, 24..99) inside it; the tail points left to the walker.
QImage staticBubble() {
    return paintedCanvas(kBubblePictureWidth, kBubblePictureHeight, [&](QPainter& p) {
        QPainterPath body;
        body.addRoundedRect(QRectF(12, 6, kBubblePictureWidth - 16, 116), 30, 30);
        QPainterPath tail;
        tail.moveTo(20, 62);
        tail.quadTo(8, 78, 1, 92);
        tail.quadTo(18, 88, 30, 80);
        tail.closeSubpath();
        const QPainterPath shape = body.united(tail);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 120, 120, 200));
        p.drawPath(shape.translated(3, 4));
        p.setPen(QPen(QColor(70, 60, 90), 3));
        p.setBrush(QColor(255, 252, 236));
        p.drawPath(shape);
    });
}

QImage leaveSign(bool snowy) {
    return paintedCanvas(kLeaveSignWidth, kLeaveSignHeight, [&](QPainter& p) {
        // An arrow-shaped board pointing right, out of the building.
        QPainterPath arrow;
        arrow.moveTo(3, 6);
        arrow.lineTo(78, 6);
        arrow.lineTo(94, 28);
        arrow.lineTo(78, 50);
        arrow.lineTo(3, 50);
        arrow.closeSubpath();
        const QColor board = snowy ? QColor(196, 226, 245) : QColor(178, 44, 36);
        p.setPen(QPen(snowy ? QColor(70, 110, 150) : QColor(90, 20, 15), 2.5));
        p.setBrush(vertical(arrow.boundingRect(), shade(board, 1.12), shade(board, 0.88)));
        p.drawPath(arrow);
        if (snowy) {
            // Snow lying on the top edge.
            QPainterPath snow;
            snow.moveTo(2, 8);
            for (double x = 2; x <= 80; x += 10)
                snow.quadTo(x + 5, 0, x + 10, 7);
            snow.lineTo(2, 10);
            snow.closeSubpath();
            p.setPen(QPen(QColor(150, 180, 210), 1));
            p.setBrush(QColor(250, 252, 254));
            p.drawPath(snow);
        }
        // Nail heads.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 50, 50));
        p.drawEllipse(QPointF(8, 28), 2, 2);
        p.drawEllipse(QPointF(80, 28), 2, 2);
    });
}

}  // namespace rumbelo::art
