// Aztec: a temple school. Warm stone walls with step-fret friezes in turquoise and red,
// patterned stone floors, stepped doorways, dark red stone tablets (yellow texts).
#include <cmath>

#include "motif_helpers.h"
#include "theme_art.h"

namespace rumbelo::art {
namespace {

class AztecArt : public ThemeArt {
  public:
    using ThemeArt::ThemeArt;

    // The step-fret (xicalcoliuhqui) running along a band: a hook and a staircase per unit.
    void stepFret(QPainter& p, const QRectF& band, const QColor& ground,
                  const QColor& figure) const {
        p.fillRect(band, ground);
        const double unit = band.height() * 1.6;
        const double h = band.height();
        p.setPen(Qt::NoPen);
        p.setBrush(figure);
        for (double x = band.left() - unit; x < band.right() + unit; x += unit) {
            QPainterPath step;
            const double s = h / 4;
            // Staircase rising to the right, then a square hook.
            step.moveTo(x, band.bottom());
            step.lineTo(x, band.bottom() - s);
            step.lineTo(x + s, band.bottom() - s);
            step.lineTo(x + s, band.bottom() - 2 * s);
            step.lineTo(x + 2 * s, band.bottom() - 2 * s);
            step.lineTo(x + 2 * s, band.top());
            step.lineTo(x + unit * 0.95, band.top());
            step.lineTo(x + unit * 0.95, band.top() + 2.6 * s);
            step.lineTo(x + unit * 0.62, band.top() + 2.6 * s);
            step.lineTo(x + unit * 0.62, band.top() + 1.3 * s);
            step.lineTo(x + unit * 0.77, band.top() + 1.3 * s);
            step.lineTo(x + unit * 0.77, band.top() + s * 0.9);
            step.lineTo(x + 2.9 * s, band.top() + s * 0.9);
            step.lineTo(x + 2.9 * s, band.bottom());
            step.closeSubpath();
            p.drawPath(step);
        }
        p.setPen(QPen(shade(ground, 0.6), 1.5));
        p.drawLine(band.topLeft(), band.topRight());
        p.drawLine(band.bottomLeft(), band.bottomRight());
    }

    void paintFloor(QPainter& p, const QRect& r) const override {
        // Four square stones per tile, each with a small carved cross of turquoise.
        p.fillRect(r, c("stone.mortar"));
        const double half = r.width() / 2.0;
        Random random(style_.seed() + 1);
        for (int j = 0; j < 2; ++j) {
            for (int i = 0; i < 2; ++i) {
                const QRectF s(r.left() + i * half + 2, r.top() + j * half + 2, half - 4, half - 4);
                bevelledBlock(p, s, mix(c("floor.a"), c("floor.b"), random.unit()), 3);
                const QPointF m = s.center();
                p.setPen(Qt::NoPen);
                p.setBrush(withAlpha(c("turquoise"), 150));
                p.drawRect(QRectF(m.x() - 9, m.y() - 3, 18, 6));
                p.drawRect(QRectF(m.x() - 3, m.y() - 9, 6, 18));
                p.setBrush(withAlpha(c("red"), 150));
                p.drawRect(QRectF(m.x() - 3, m.y() - 3, 6, 6));
            }
        }
    }

    void paintWallTop(QPainter& p, const QRectF& r, bool eastWest) const override {
        p.fillRect(r, c("stone.mortar"));
        const Courses slabs{eastWest ? 34.0 : 44.0, 56, 3, 0.5, 0.08};
        bevelledCourses(p, r, slabs, style_.seed() + static_cast<std::uint64_t>(r.width()),
                        c("top.a"), c("top.b"), 2);
        if (eastWest)
            stepFret(p, QRectF(r.left(), r.bottom() - 22, r.width(), 20), c("red"), c("turquoise"));
        else {
            p.fillRect(QRectF(r.left(), r.top(), 8, r.height()), c("turquoise"));
            p.fillRect(QRectF(r.right() - 8, r.top(), 8, r.height()), c("turquoise"));
        }
    }

    void paintWallFace(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, c("stone.mortar"));
        const Courses stones{38, 58, 3, 0.5, 0.1};
        bevelledCourses(p, r, stones, style_.seed() + static_cast<std::uint64_t>(r.width() * 3),
                        c("face.a"), c("face.b"), 2);
        // A frieze under the top and a zigzag band near the floor.
        stepFret(p, QRectF(r.left(), r.top() + 14, r.width(), 30), c("turquoise"), c("red"));
        const QRectF low(r.left(), r.bottom() - 36, r.width(), 18);
        p.fillRect(low, c("ochre"));
        QPainterPath zig;
        zig.moveTo(low.left(), low.bottom());
        for (double x = low.left(); x < low.right() + 18; x += 18) {
            zig.lineTo(x + 9, low.top());
            zig.lineTo(x + 18, low.bottom());
        }
        p.setPen(QPen(c("red"), 3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(zig);
    }

    void paintPillar(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, horizontal(r, shade(c("ochre"), 1.1), shade(c("ochre"), 0.75)));
        for (double y = r.top() + 10; y < r.bottom(); y += 30) {
            p.fillRect(QRectF(r.left(), y, r.width(), 6), c("turquoise"));
            p.fillRect(QRectF(r.left(), y + 6, r.width(), 3), c("red"));
        }
    }

    void paintDoor(QPainter& p, const QRectF& r, DoorState state) const override {
        paintWallFace(p, r);
        // A corbelled doorway: its sides step inwards towards the lintel.
        const QRectF opening = r.adjusted(22, 50, -22, 0);
        QPainterPath door;
        door.moveTo(opening.bottomLeft());
        door.lineTo(opening.left(), opening.top() + 60);
        door.lineTo(opening.left() + 12, opening.top() + 60);
        door.lineTo(opening.left() + 12, opening.top() + 30);
        door.lineTo(opening.left() + 26, opening.top() + 30);
        door.lineTo(opening.left() + 26, opening.top());
        door.lineTo(opening.right() - 26, opening.top());
        door.lineTo(opening.right() - 26, opening.top() + 30);
        door.lineTo(opening.right() - 12, opening.top() + 30);
        door.lineTo(opening.right() - 12, opening.top() + 60);
        door.lineTo(opening.right(), opening.top() + 60);
        door.lineTo(opening.bottomRight());
        door.closeSubpath();
        p.setPen(QPen(c("turquoise"), 14, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(door);
        p.setPen(QPen(c("red"), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPath(door);
        p.setPen(Qt::NoPen);
        if (state == DoorState::Open) {
            // Torchlight within.
            p.setBrush(radial(opening.center() + QPointF(0, 40), opening.height() * 0.7,
                              QColor(255, 220, 140), QColor(150, 60, 30)));
            p.drawPath(door);
            return;
        }
        p.setBrush(vertical(opening, c("door"), shade(c("door"), 0.7)));
        p.drawPath(door);
        // A sun disk carved in the door.
        paintEmblem(p, QRectF(opening.center().x() - 26, opening.top() + 70, 52, 52));
    }

    void tablet(QPainter& p, const QRectF& r) const {
        p.setPen(QPen(c("turquoise"), 3));
        p.setBrush(vertical(r, shade(c("board"), 1.15), shade(c("board"), 0.85)));
        p.drawRect(r);
        p.setPen(QPen(shade(c("board"), 0.6), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(5, 5, -5, -5));
        p.setPen(Qt::NoPen);
        p.setBrush(c("ochre"));
        for (const QPointF corner :
             {r.topLeft() + QPointF(5, 5), r.topRight() + QPointF(-5, 5),
              r.bottomLeft() + QPointF(5, -5), r.bottomRight() + QPointF(-5, -5)})
            p.drawRect(QRectF(corner - QPointF(3, 3), QSizeF(6, 6)));
    }

    void paintBoard(QPainter& p, const QRectF& r, BoardShape shape) const override {
        switch (shape) {
            case BoardShape::Hanging:
                hangingCords(p, r, QPen(c("ochre"), 3), 20, 20, 10);
                tablet(p, r.adjusted(5, 10, -5, -3));
                break;
            case BoardShape::Double:
                tablet(p, QRectF(r.left() + 3, r.top() + 3, r.width() / 2 - 5, r.height() - 6));
                tablet(p,
                       QRectF(r.center().x() + 2, r.top() + 3, r.width() / 2 - 5, r.height() - 6));
                break;
            case BoardShape::Plate:
            case BoardShape::Plain:
                tablet(p, r.adjusted(3, 3, -3, -3));
                break;
        }
    }

    void paintCeiling(QPainter& p, const QRectF& r) const override {
        // Jungle at dusk: a warm sky, a stepped pyramid, dark leaves.
        p.fillRect(r, vertical(r, c("sky.top"), c("sky.bottom")));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 236, 160, 200));
        p.drawEllipse(QPointF(r.left() + r.width() * 0.72, r.bottom() - 150), 34, 34);
        const double base = r.bottom() - 30;
        p.setBrush(shade(c("face.b"), 0.55));
        for (int step = 0; step < 5; ++step) {
            const double w = 260 - step * 46;
            p.drawRect(QRectF(r.center().x() - w / 2, base - 22 * (step + 1), w, 22));
        }
        p.drawRect(QRectF(r.center().x() - 22, base - 136, 44, 26));
        Random random(style_.seed() + 4);
        for (double x = r.left() - 20; x < r.right() + 20; x += random.range(26, 50)) {
            p.setBrush(mix(c("jungle"), shade(c("jungle"), 1.4), random.unit()));
            const double size = random.range(20, 44);
            p.drawEllipse(QPointF(x, base - size * 0.3), size, size * 0.7);
        }
        maskEave(p, r, shade(c("stone.mortar"), 0.6));
    }

    void paintEmblem(QPainter& p, const QRectF& r) const override {
        const QPointF centre = r.center();
        const double radius = r.width() / 2;
        p.setPen(QPen(shade(c("ochre"), 0.5), 1.2));
        p.setBrush(c("ochre"));
        QPolygonF rays;
        for (int i = 0; i < 16; ++i) {
            const double a = i * 3.14159265 / 8;
            rays << centre + QPointF(std::cos(a), std::sin(a)) * radius * (i % 2 ? 0.72 : 1.0);
        }
        p.drawPolygon(rays);
        p.setBrush(c("turquoise"));
        p.drawEllipse(centre, radius * 0.55, radius * 0.55);
        p.setBrush(c("red"));
        p.drawEllipse(centre, radius * 0.25, radius * 0.25);
    }
};

}  // namespace

std::unique_ptr<ThemeArt> makeAztecArt(const ThemeStyle& style) {
    return std::make_unique<AztecArt>(style);
}

}  // namespace rumbelo::art
