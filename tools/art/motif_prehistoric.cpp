// Prehistoric: a cave school. Walls of piled boulders with ochre cave paintings, an earth
// floor with pebbles, cave mouths with hide curtains, standing stones, slate boards.
#include <cmath>

#include "motif_helpers.h"
#include "theme_art.h"

namespace rumbelo::art {
namespace {

class PrehistoricArt : public ThemeArt {
  public:
    using ThemeArt::ThemeArt;

    void boulder(QPainter& p, QPointF at, double w, double h, const QColor& colour) const {
        p.setPen(QPen(shade(colour, 0.5), 1.5));
        p.setBrush(radial(at - QPointF(w * 0.3, h * 0.35), std::max(w, h) * 1.2,
                          shade(colour, 1.25), shade(colour, 0.7)));
        p.drawEllipse(at, w, h);
    }

    void paintFloor(QPainter& p, const QRect& r) const override {
        noiseFloor(p, r, 4, style_.seed(),
                   [&](double n) { return mix(c("earth.dark"), c("earth.light"), n); });
        Random random(style_.seed() + 5);
        for (int i = 0; i < 16; ++i) {
            const QPointF at(random.range(0, r.width()), random.range(0, r.height()));
            const double w = random.range(2.5, 6);
            const QColor pebble = mix(c("rock.a"), c("rock.b"), random.unit());
            drawWrapped(QRectF(r), at, w + 2,
                        [&](QPointF a) { boulder(p, a, w, w * 0.7, pebble); });
        }
        for (int i = 0; i < 6; ++i) {
            const QPointF at(random.range(0, r.width()), random.range(0, r.height()));
            drawWrapped(QRectF(r), at, 8, [&](QPointF a) {
                p.setPen(QPen(c("grass"), 1.5, Qt::SolidLine, Qt::RoundCap));
                for (int b = -2; b <= 2; ++b)
                    p.drawLine(a, a + QPointF(b * 2, -6 + std::abs(b)));
            });
        }
    }

    void paintWallTop(QPainter& p, const QRectF& r, bool eastWest) const override {
        p.fillRect(r, c("earth.dark"));
        Random random(style_.seed() + static_cast<std::uint64_t>(r.width() * 5 + r.height()));
        const int count = static_cast<int>(r.width() * r.height() / 260);
        for (int i = 0; i < count; ++i) {
            const QPointF at(r.left() + random.range(-10, r.width() + 10),
                             r.top() + random.range(-10, r.height() + 10));
            boulder(p, at, random.range(10, 20), random.range(8, 14),
                    mix(c("rock.a"), c("rock.b"), random.unit()));
        }
        // Moss and grass growing on top.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < count / 3; ++i) {
            p.setBrush(withAlpha(c("grass"), 170));
            p.drawEllipse(QPointF(r.left() + random.range(0, r.width()),
                                  r.top() + random.range(0, r.height())),
                          random.range(4, 10), random.range(2, 5));
        }
        if (eastWest)
            p.fillRect(QRectF(r.left(), r.bottom() - 5, r.width(), 5), QColor(0, 0, 0, 50));
    }

    void paintWallFace(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, shade(c("earth.dark"), 0.7));
        Random random(style_.seed() + static_cast<std::uint64_t>(r.width() * 11));
        // Rows of boulders, bigger at the bottom.
        for (double y = r.bottom() - 16; y > r.top() - 20; y -= 26) {
            const double size = 14 + 10 * (y - r.top()) / r.height();
            for (double x = r.left() - 10 + random.range(0, 12); x < r.right() + 20;
                 x += size * 1.7)
                boulder(p, QPointF(x, y + random.range(-4, 4)), size * random.range(0.9, 1.15),
                        size * 0.72, mix(c("rock.a"), c("rock.b"), random.unit()));
        }
        // Cave paintings in red ochre: a hand, a deer, the sun.
        if (r.width() > 100) {
            p.setPen(QPen(c("ochre"), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            const QPointF deer(r.left() + r.width() * 0.3, r.top() + r.height() * 0.35);
            p.drawLine(deer, deer + QPointF(30, 0));
            for (double leg : {2.0, 8.0, 24.0, 30.0})
                p.drawLine(deer + QPointF(leg, 0), deer + QPointF(leg, 14));
            p.drawLine(deer + QPointF(30, 0), deer + QPointF(38, -10));
            p.drawLine(deer + QPointF(38, -10), deer + QPointF(34, -20));
            p.drawLine(deer + QPointF(38, -10), deer + QPointF(44, -20));
            const QPointF hand(r.left() + r.width() * 0.72, r.top() + r.height() * 0.3);
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(c("ochre"), 210));
            p.drawEllipse(hand, 8, 9);
            for (int f = 0; f < 4; ++f)
                p.drawRoundedRect(QRectF(hand.x() - 8 + f * 4.5, hand.y() - 22, 3.5, 14), 2, 2);
            p.drawRoundedRect(QRectF(hand.x() + 8, hand.y() - 6, 9, 4), 2, 2);
        }
    }

    void paintPillar(QPainter& p, const QRectF& r) const override {
        // A standing stone.
        QPainterPath stone;
        stone.moveTo(r.left() + 1, r.bottom());
        stone.lineTo(r.left(), r.top() + 10);
        stone.quadTo(r.center().x(), r.top() - 4, r.right(), r.top() + 8);
        stone.lineTo(r.right() - 1, r.bottom());
        stone.closeSubpath();
        p.setPen(QPen(shade(c("rock.a"), 0.5), 1));
        p.setBrush(horizontal(r, shade(c("rock.b"), 1.2), shade(c("rock.a"), 0.7)));
        p.drawPath(stone);
    }

    void paintDoor(QPainter& p, const QRectF& r, DoorState state) const override {
        paintWallFace(p, r);
        // A cave mouth framed by big stones, closed by a hide curtain.
        const QRectF mouth = r.adjusted(22, 48, -22, 0);
        QPainterPath cave;
        cave.moveTo(mouth.bottomLeft());
        cave.cubicTo(mouth.left() - 4, mouth.top() + 60, mouth.left() + 10, mouth.top(),
                     mouth.center().x(), mouth.top());
        cave.cubicTo(mouth.right() - 10, mouth.top(), mouth.right() + 4, mouth.top() + 60,
                     mouth.right(), mouth.bottom());
        cave.closeSubpath();
        p.setPen(Qt::NoPen);
        if (state == DoorState::Open) {
            QRadialGradient fire(QPointF(mouth.center().x(), mouth.bottom() - 40),
                                 mouth.height() * 0.8);
            fire.setColorAt(0, QColor(255, 210, 120));
            fire.setColorAt(0.5, QColor(190, 90, 40));
            fire.setColorAt(1, QColor(50, 25, 15));
            p.setBrush(fire);
            p.drawPath(cave);
        } else {
            p.setBrush(QColor(35, 22, 15));
            p.drawPath(cave);
            // Hide curtain, hanging from a pole, with spots.
            p.save();
            p.setClipPath(cave);
            const QRectF hide = mouth.adjusted(6, 26, -6, 0);
            QPainterPath curtain;
            curtain.moveTo(hide.topLeft());
            curtain.lineTo(hide.topRight());
            for (double y = hide.top(); y <= hide.bottom(); y += 20)
                curtain.lineTo(hide.right() - 3 * std::sin(y / 13.0), y);
            curtain.lineTo(hide.left(), hide.bottom());
            curtain.closeSubpath();
            p.setBrush(vertical(hide, c("hide"), shade(c("hide"), 0.75)));
            p.drawPath(curtain);
            p.setBrush(shade(c("hide"), 0.6));
            Random random(style_.seed() + 21);
            for (int i = 0; i < 12; ++i)
                p.drawEllipse(QPointF(random.range(hide.left() + 8, hide.right() - 8),
                                      random.range(hide.top() + 10, hide.bottom() - 10)),
                              random.range(4, 7), random.range(3, 5));
            p.setPen(QPen(shade(c("hide"), 0.55), 2));
            p.drawLine(QPointF(hide.center().x(), hide.top() + 6),
                       QPointF(hide.center().x(), hide.bottom()));
            p.restore();
            p.setPen(QPen(QColor(110, 70, 35), 6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(mouth.left() + 4, mouth.top() + 24),
                       QPointF(mouth.right() - 4, mouth.top() + 24));
        }
        // Big stones round the mouth.
        Random random(style_.seed() + 22);
        for (double t = 0.02; t < 0.99; t += 0.085) {
            const QPointF at = cave.pointAtPercent(t);
            boulder(p, at, random.range(13, 17), random.range(11, 14),
                    mix(c("rock.a"), c("rock.b"), random.unit()));
        }
    }

    void slate(QPainter& p, const QRectF& r) const {
        QPainterPath shape;
        shape.moveTo(r.left() + 6, r.top());
        shape.lineTo(r.right() - 10, r.top() + 2);
        shape.lineTo(r.right(), r.top() + r.height() * 0.5);
        shape.lineTo(r.right() - 6, r.bottom());
        shape.lineTo(r.left() + 8, r.bottom() - 1);
        shape.lineTo(r.left(), r.top() + r.height() * 0.45);
        shape.closeSubpath();
        p.setPen(QPen(shade(c("board"), 0.5), 2));
        p.setBrush(vertical(r, shade(c("board"), 1.2), shade(c("board"), 0.85)));
        p.drawPath(shape);
    }

    void paintBoard(QPainter& p, const QRectF& r, BoardShape shape) const override {
        switch (shape) {
            case BoardShape::Hanging:
                hangingCords(p, r, QPen(QColor(150, 110, 60), 2.5), 24, 26, 10);
                slate(p, r.adjusted(4, 9, -4, -2));
                break;
            case BoardShape::Double:
                slate(p, QRectF(r.left() + 2, r.top() + 3, r.width() / 2 - 4, r.height() - 6));
                slate(p,
                      QRectF(r.center().x() + 2, r.top() + 3, r.width() / 2 - 4, r.height() - 6));
                break;
            case BoardShape::Plate:
                p.setPen(QPen(QColor(90, 60, 30), 2));
                p.setBrush(horizontal(r, QColor(170, 120, 70), QColor(120, 80, 40)));
                p.drawRoundedRect(r.adjusted(2, 6, -2, -6), 14, 14);  // a log
                p.setBrush(QColor(210, 170, 120));
                p.drawEllipse(QPointF(r.left() + 10, r.center().y()), 8, r.height() / 2 - 7);
                slate(p, r.adjusted(22, 2, -22, -2));
                break;
            case BoardShape::Plain:
                slate(p, r.adjusted(3, 3, -3, -3));
                break;
        }
    }

    void paintCeiling(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, vertical(r, c("sky.top"), c("sky.bottom")));
        const double base = r.bottom() - 28;
        // A smoking volcano and a flying reptile.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 110, 110, 150));
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(QPointF(r.width() * 0.3 + i * 14, base - 190 - i * 28), 24 + i * 6,
                          18 + i * 4);
        QPolygonF volcano;
        volcano << QPointF(r.width() * 0.08, base) << QPointF(r.width() * 0.27, base - 160)
                << QPointF(r.width() * 0.35, base - 160) << QPointF(r.width() * 0.55, base);
        p.setBrush(shade(c("rock.a"), 0.55));
        p.drawPolygon(volcano);
        p.setBrush(QColor(240, 110, 40));
        p.drawRect(QRectF(r.width() * 0.27, base - 162, r.width() * 0.08, 6));
        p.setPen(QPen(QColor(60, 40, 40), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF bird(r.width() * 0.75, base - 220);
        p.drawLine(bird, bird + QPointF(-26, -10));
        p.drawLine(bird, bird + QPointF(26, -10));
        p.drawLine(bird + QPointF(0, 0), bird + QPointF(10, -4));
        p.setPen(Qt::NoPen);
        Random random(style_.seed() + 12);
        for (double x = r.left() - 30; x < r.right() + 30; x += random.range(50, 90)) {
            p.setBrush(mix(shade(c("grass"), 0.6), c("grass"), random.unit()));
            p.drawEllipse(QPointF(x, base), random.range(30, 55), random.range(14, 24));
        }
        maskEave(p, r, shade(c("earth.dark"), 0.5));
    }

    void paintEmblem(QPainter& p, const QRectF& r) const override {
        // A carved spiral.
        QPainterPath spiral;
        const QPointF centre = r.center();
        const double radius = r.width() / 2;
        spiral.moveTo(centre);
        for (int i = 1; i <= 60; ++i) {
            const double a = i * 0.22;
            const double rr = radius * i / 60.0;
            spiral.lineTo(centre + QPointF(std::cos(a), std::sin(a)) * rr);
        }
        p.setPen(QPen(c("ochre"), std::max(1.5, radius / 6), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(spiral);
    }
};

}  // namespace

std::unique_ptr<ThemeArt> makePrehistoricArt(const ThemeStyle& style) {
    return std::make_unique<PrehistoricArt>(style);
}

}  // namespace rumbelo::art
