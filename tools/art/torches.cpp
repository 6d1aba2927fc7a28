#include "torches.h"

#include <cmath>

#include "paint_kit.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;
constexpr double kPi = 3.14159265358979323846;

QPainterPath flameShape(QPointF base, double width, double height, double lean) {
    QPainterPath path;
    path.moveTo(base + QPointF(-width / 2, 0));
    path.cubicTo(base + QPointF(-width / 2 - 2, -height * 0.45),
                 base + QPointF(lean - width * 0.3, -height * 0.7), base + QPointF(lean, -height));
    path.cubicTo(base + QPointF(lean + width * 0.35, -height * 0.65),
                 base + QPointF(width / 2 + 2, -height * 0.45), base + QPointF(width / 2, 0));
    path.quadTo(base + QPointF(0, height * 0.18), base + QPointF(-width / 2, 0));
    return path;
}

// A wall torch: iron bracket, wooden handle, a flame that flickers over six patterns.
QImage torch(int pattern) {
    return paintedCanvas(kTorchWidth, kTorchHeight, [&](QPainter& p) {
        const double phase = pattern / 6.0 * 2 * kPi;
        // Glow.
        p.setPen(Qt::NoPen);
        p.setBrush(radial(QPointF(20, 30), 20 + 2 * std::sin(phase * 2), QColor(255, 200, 80, 120),
                          QColor(255, 160, 40, 0)));
        p.drawEllipse(QPointF(20, 30), 20, 22);
        // Handle and bracket.
        QPolygonF handle;
        handle << QPointF(15, 42) << QPointF(25, 42) << QPointF(22, 84) << QPointF(18, 84);
        p.setPen(QPen(QColor(50, 30, 15), 1.5));
        p.setBrush(horizontal(QRectF(15, 0, 10, 1), QColor(170, 110, 60), QColor(110, 65, 30)));
        p.drawPolygon(handle);
        p.setBrush(QColor(70, 70, 80));
        p.drawRoundedRect(QRectF(11, 40, 18, 8), 2, 2);
        p.drawRoundedRect(QRectF(14, 62, 12, 6), 2, 2);
        // Flame: outer orange, inner yellow, swaying.
        const double lean = 3 * std::sin(phase);
        const double tall = 30 + 4 * std::sin(phase * 2 + 1);
        p.setPen(Qt::NoPen);
        p.setBrush(
            vertical(QRectF(0, 40 - tall, 1, tall), QColor(255, 90, 30), QColor(255, 150, 30)));
        p.drawPath(flameShape(QPointF(20, 42), 16, tall, lean));
        p.setBrush(vertical(QRectF(0, 42 - tall * 0.6, 1, tall * 0.6), QColor(255, 230, 120),
                            QColor(255, 250, 200)));
        p.drawPath(flameShape(QPointF(20, 42), 8, tall * 0.6, lean * 0.6));
        // Sparks.
        p.setBrush(QColor(255, 220, 120));
        p.drawEllipse(QPointF(20 + 6 * std::sin(phase + 2), 40 - tall - 4 - pattern), 1.3, 1.3);
    });
}

// The castle's banner on a pole, waving over six patterns.
QImage banner(int pattern) {
    return paintedCanvas(kFlagWidth, kFlagHeight, [&](QPainter& p) {
        const double phase = pattern / 6.0 * 2 * kPi;
        p.setPen(QPen(QColor(60, 40, 20), 1.5));
        p.setBrush(QColor(140, 95, 45));
        p.drawRoundedRect(QRectF(4, 4, 4, kFlagHeight - 8), 2, 2);
        p.setBrush(QColor(230, 190, 60));
        p.drawEllipse(QPointF(6, 5), 4, 4);
        QPainterPath cloth;
        const double top = 10, bottom = 70;
        cloth.moveTo(8, top);
        for (int i = 0; i <= 10; ++i) {
            const double x = 8 + i * 3.8;
            cloth.lineTo(x, top + 3 * std::sin(phase + i * 0.7) * i / 10.0);
        }
        for (int i = 10; i >= 0; --i) {
            const double x = 8 + i * 3.8;
            const double notch = (i == 10) ? -10 : 0;
            cloth.lineTo(x + (i == 10 ? -8 : 0),
                         bottom + notch + 3 * std::sin(phase + i * 0.7) * i / 10.0);
        }
        cloth.closeSubpath();
        p.setPen(QPen(QColor(90, 20, 20), 1.5));
        p.setBrush(horizontal(QRectF(8, 0, 40, 1), QColor(200, 40, 40), QColor(150, 25, 30)));
        p.drawPath(cloth);
        p.save();
        p.setClipPath(cloth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 200, 70));
        p.drawRect(QRectF(8, 34, 40, 6));
        p.drawEllipse(QPointF(27, 24 + 1.5 * std::sin(phase + 3)), 6, 6);
        p.restore();
    });
}

// Two crossed swords over a round shield; a glint runs along the blades.
QImage swords(int pattern) {
    return paintedCanvas(kSwordsWidth, kSwordsHeight, [&](QPainter& p) {
        const QPointF centre(kSwordsWidth / 2.0, 46);
        p.setPen(QPen(QColor(60, 40, 20), 2));
        p.setBrush(horizontal(QRectF(10, 0, 52, 1), QColor(60, 90, 170), QColor(35, 55, 120)));
        p.drawEllipse(centre, 24, 24);
        p.setBrush(QColor(235, 195, 70));
        p.drawEllipse(centre, 7, 7);
        for (int side : {-1, 1}) {
            p.save();
            p.translate(centre);
            p.rotate(side * 38);
            const QRectF blade(-3.5, -42, 7, 60);
            p.setPen(QPen(QColor(60, 60, 70), 1.2));
            p.setBrush(horizontal(blade, QColor(235, 240, 248), QColor(150, 160, 175)));
            QPolygonF shape;
            shape << QPointF(-3.5, 18) << QPointF(-3.5, -36) << QPointF(0, -44) << QPointF(3.5, -36)
                  << QPointF(3.5, 18);
            p.drawPolygon(shape);
            // The glint slides from the hilt to the point.
            const double y = 14 - pattern * 14.0;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawEllipse(QPointF(0, y), 2.2, 5);
            p.setPen(QPen(QColor(60, 40, 20), 1.2));
            p.setBrush(QColor(210, 170, 60));
            p.drawRoundedRect(QRectF(-11, 18, 22, 5), 2, 2);
            p.setBrush(QColor(110, 60, 30));
            p.drawRect(QRectF(-2.5, 23, 5, 13));
            p.setBrush(QColor(210, 170, 60));
            p.drawEllipse(QPointF(0, 38), 3.5, 3.5);
            p.restore();
        }
    });
}

// A juggling clown in a winter coat: three balls go round over four patterns.
QImage clown(int pattern) {
    return paintedCanvas(kClownWidth, kClownHeight, [&](QPainter& p) {
        floorShadow(p, QRectF(8, kClownHeight - 10, 44, 10), 90);
        const QColor outline(40, 25, 30);
        p.setPen(QPen(outline, 1.5));
        // Shoes and legs.
        p.setBrush(QColor(220, 40, 40));
        p.drawEllipse(QRectF(10, kClownHeight - 14, 18, 9));
        p.drawEllipse(QRectF(32, kClownHeight - 14, 18, 9));
        p.setBrush(QColor(60, 140, 220));
        p.drawRect(QRectF(20, 76, 8, 22));
        p.drawRect(QRectF(32, 76, 8, 22));
        // Coat with polka dots.
        QPainterPath coat;
        coat.moveTo(16, 48);
        coat.quadTo(30, 40, 44, 48);
        coat.lineTo(48, 82);
        coat.quadTo(30, 88, 12, 82);
        coat.closeSubpath();
        p.setBrush(horizontal(coat.boundingRect(), QColor(255, 200, 60), QColor(230, 150, 30)));
        p.drawPath(coat);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 50, 120));
        for (QPointF d : {QPointF(24, 58), QPointF(36, 64), QPointF(26, 74), QPointF(38, 78)})
            p.drawEllipse(d, 2.6, 2.6);
        // Ruff, head, nose, hat.
        p.setPen(QPen(outline, 1.5));
        p.setBrush(QColor(250, 250, 245));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(19 + i * 5.5, 47), 4, 3.5);
        p.setBrush(QColor(252, 226, 200));
        p.drawEllipse(QPointF(30, 34), 11, 11);
        p.setBrush(QColor(230, 40, 40));
        p.drawEllipse(QPointF(30, 36), 3.5, 3.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 30));
        p.drawEllipse(QPointF(26, 31), 1.5, 1.8);
        p.drawEllipse(QPointF(34, 31), 1.5, 1.8);
        p.setPen(QPen(QColor(200, 40, 40), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(24, 34, 12, 8), 200 * 16, 140 * 16);
        p.setPen(QPen(outline, 1.5));
        p.setBrush(QColor(60, 90, 200));
        QPolygonF hat;
        hat << QPointF(20, 26) << QPointF(30, 4) << QPointF(40, 26);
        p.drawPolygon(hat);
        p.setBrush(QColor(255, 255, 250));
        p.drawEllipse(QPointF(30, 5), 3.5, 3.5);
        // Arms up and the three balls on a circle.
        const double turn = pattern / 4.0 * 2 * kPi;
        const QColor balls[] = {QColor(230, 40, 40), QColor(60, 170, 70), QColor(60, 110, 230)};
        for (int b = 0; b < 3; ++b) {
            const double a = turn + b * 2 * kPi / 3;
            const QPointF ball(30 + 20 * std::cos(a), 20 + 10 * std::sin(a) - 6);
            p.setBrush(balls[b]);
            p.drawEllipse(ball, 4.5, 4.5);
        }
        p.setPen(QPen(QColor(230, 150, 30), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 52), QPointF(10, 36 + (pattern % 2) * 4));
        p.drawLine(QPointF(43, 52), QPointF(50, 36 + ((pattern + 1) % 2) * 4));
    });
}

// A butterfly flapping its wings over four patterns.
QImage butterfly(int pattern) {
    return paintedCanvas(kButterflyWidth, kButterflyHeight, [&](QPainter& p) {
        const double open = 0.25 + 0.75 * std::abs(std::cos(pattern / 4.0 * kPi));
        const QPointF body(kButterflyWidth / 2.0, kButterflyHeight / 2.0 + (pattern % 2));
        for (int side : {-1, 1}) {
            p.save();
            p.translate(body);
            p.scale(side * open, 1);
            QPainterPath upper;
            upper.moveTo(0, -2);
            upper.cubicTo(6, -20, 22, -18, 20, -6);
            upper.cubicTo(19, 0, 8, 2, 0, 0);
            QPainterPath lower;
            lower.moveTo(0, 1);
            lower.cubicTo(10, 2, 18, 8, 13, 15);
            lower.cubicTo(8, 19, 2, 10, 0, 3);
            p.setPen(QPen(QColor(60, 30, 50), 1.2));
            p.setBrush(
                horizontal(QRectF(0, 0, 22, 1), QColor(255, 120, 180), QColor(200, 60, 160)));
            p.drawPath(upper);
            p.setBrush(horizontal(QRectF(0, 0, 18, 1), QColor(255, 200, 80), QColor(250, 140, 60)));
            p.drawPath(lower);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 250, 220));
            p.drawEllipse(QPointF(13, -9), 3, 3);
            p.restore();
        }
        p.setPen(QPen(QColor(60, 30, 50), 1.2));
        p.setBrush(QColor(80, 50, 60));
        p.drawEllipse(QRectF(body.x() - 2, body.y() - 9, 4, 20));
        p.drawLine(body + QPointF(-1, -8), body + QPointF(-5, -15));
        p.drawLine(body + QPointF(1, -8), body + QPointF(5, -15));
    });
}

template <typename Paint>
QList<QImage> patterns(int count, Paint paint) {
    QList<QImage> out;
    for (int i = 0; i < count; ++i)
        out.append(paint(i));
    return out;
}

}  // namespace

std::vector<ImageEntry> torchList() {
    return {
        {QStringLiteral("antorcha"), patterns(6, torch)},
        {QStringLiteral("bandera"), patterns(6, banner)},
        {QStringLiteral("espada"), patterns(4, swords)},
        {QStringLiteral("payaso"), patterns(4, clown)},
    };
}

std::vector<ImageEntry> butterflyList() {
    return {{QStringLiteral("mariposa"), patterns(4, butterfly)}};
}

}  // namespace rumbelo::art
