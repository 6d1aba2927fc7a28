// Flowers: a garden school. Clipped hedges full of blossom for walls, a lawn for floors,
// white garden arbours over wooden gates, wooden boards (yellow texts read well on them).
#include <cmath>

#include "motif_helpers.h"
#include "theme_art.h"

namespace rumbelo::art {
namespace {

class FlowersArt : public ThemeArt {
  public:
    using ThemeArt::ThemeArt;

    void paintFloor(QPainter& p, const QRect& r) const override {
        // Lawn: soft patches of light and dark green, blades of grass, a few daisies.
        noiseFloor(p, r, 8, style_.seed(),
                   [&](double n) { return mix(c("floor.dark"), c("floor.light"), n); });
        Random random(style_.seed() + 3);
        const QRectF tile(r);
        for (int i = 0; i < 140; ++i) {
            const QPointF at(random.range(0, r.width()), random.range(0, r.height()));
            const QColor blade =
                random.unit() < 0.5 ? shade(c("floor.dark"), 0.85) : c("floor.light");
            const double lean = random.range(-2, 2);
            drawWrapped(tile, at, 6, [&](QPointF a) {
                p.setPen(QPen(blade, 1.3, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(a, a + QPointF(lean, -5));
            });
        }
        for (int i = 0; i < 5; ++i) {
            const QPointF at(random.range(0, r.width()), random.range(0, r.height()));
            const QColor petals = i % 2 ? c("blossom.a") : QColor(252, 250, 240);
            drawWrapped(tile, at, 6, [&](QPointF a) { flower(p, a, 5, petals, c("blossom.b")); });
        }
    }

    // Clusters of leaves over a dark base, lit from the top left, with blossom on top.
    void leaves(QPainter& p, const QRectF& r, double density, double light,
                std::uint64_t seed) const {
        p.fillRect(r, shade(c("hedge.dark"), 0.9));
        Random random(seed);
        const int count = static_cast<int>(r.width() * r.height() / 90 * density);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < count; ++i) {
            const QPointF at(r.left() + random.range(-6, r.width() + 6),
                             r.top() + random.range(-6, r.height() + 6));
            const double t =
                random.unit() * 0.6 + light * 0.4 * (1 - (at.y() - r.top()) / r.height());
            p.setBrush(mix(c("hedge.dark"), c("hedge.light"), t));
            p.drawEllipse(at, random.range(4, 8), random.range(3, 6));
        }
        for (int i = 0; i < count / 26; ++i) {
            const QPointF at(r.left() + random.range(4, r.width() - 4),
                             r.top() + random.range(4, r.height() - 4));
            flower(p, at, random.range(3.5, 6),
                   random.unit() < 0.6 ? c("blossom.a") : c("blossom.c"), c("blossom.b"));
        }
    }

    void paintWallTop(QPainter& p, const QRectF& r, bool eastWest) const override {
        leaves(p, r, 1.4, 1.0,
               style_.seed() + static_cast<std::uint64_t>(r.width() * 3 + r.height()));
        if (eastWest) {
            // The clipped front edge of the hedge: a row of rounded bumps.
            p.setPen(Qt::NoPen);
            for (double x = r.left(); x < r.right() + 10; x += 18) {
                p.setBrush(c("hedge.light"));
                p.drawEllipse(QPointF(x, r.bottom() - 6), 11, 7);
            }
        }
    }

    void paintWallFace(QPainter& p, const QRectF& r) const override {
        leaves(p, r, 1.2, 0.35, style_.seed() + static_cast<std::uint64_t>(r.width() * 7));
        // The side of the hedge is in shade, darker towards the ground and the soil.
        p.fillRect(r, vertical(r, QColor(10, 30, 5, 40), QColor(20, 40, 10, 130)));
        p.fillRect(QRectF(r.left(), r.bottom() - 7, r.width(), 7), c("soil"));
    }

    void paintPillar(QPainter& p, const QRectF& r) const override {
        // A white-painted garden post with a rose climbing it.
        const QColor post = c("arbour");
        p.fillRect(r.adjusted(2, 0, -2, 0), horizontal(r, shade(post, 1.05), shade(post, 0.8)));
        p.setPen(QPen(shade(post, 0.6), 1));
        p.drawLine(QPointF(r.left() + 2, r.top()), QPointF(r.left() + 2, r.bottom()));
        p.drawLine(QPointF(r.right() - 2, r.top()), QPointF(r.right() - 2, r.bottom()));
        for (double y = r.top() + 20; y < r.bottom() - 10; y += 42)
            flower(p, QPointF(r.center().x(), y), std::min(7.0, r.width() / 2), c("blossom.a"),
                   c("blossom.b"));
    }

    void paintDoor(QPainter& p, const QRectF& r, DoorState state) const override {
        // The hedge around, a white arbour with roses, and a wooden gate under it.
        paintWallFace(p, r);
        const QRectF opening = r.adjusted(20, 52, -20, 0);
        const QPainterPath arch = roundArch(opening);
        p.setPen(Qt::NoPen);
        if (state == DoorState::Open) {
            // The garden beyond, sunny.
            p.setBrush(vertical(opening, c("sky.bottom"), c("floor.light")));
            p.drawPath(arch);
        } else {
            p.setBrush(c("door.wood"));
            p.drawPath(arch);
            p.save();
            p.setClipPath(arch);
            p.setPen(QPen(shade(c("door.wood"), 0.65), 3));
            for (double x = opening.left() + 14; x < opening.right(); x += 15)
                p.drawLine(QPointF(x, opening.top()), QPointF(x, opening.bottom()));
            p.setPen(QPen(shade(c("door.wood"), 0.75), 8));
            p.drawLine(QPointF(opening.left(), opening.top() + 90),
                       QPointF(opening.right(), opening.top() + 90));
            p.drawLine(QPointF(opening.left(), opening.bottom() - 30),
                       QPointF(opening.right(), opening.bottom() - 30));
            p.drawLine(QPointF(opening.left() + 5, opening.bottom() - 30),
                       QPointF(opening.right() - 5, opening.top() + 90));
            p.restore();
            p.setPen(QPen(QColor(60, 60, 60), 2));
            p.setBrush(QColor(230, 200, 80));
            p.drawEllipse(QPointF(opening.right() - 16, opening.center().y() + 20), 5, 5);
        }
        // The arbour: two posts and an arch, roses climbing it.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(shade(c("arbour"), 0.65), 13, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arch);
        p.setPen(QPen(c("arbour"), 9, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arch);
        Random random(style_.seed() + 17);
        for (int i = 0; i < 18; ++i) {
            const double t = i / 17.0;
            QPointF at;
            if (t < 0.3)
                at = QPointF(opening.left(),
                             opening.bottom() - t / 0.3 * (opening.height() - opening.width() / 2));
            else if (t > 0.7)
                at = QPointF(
                    opening.right(),
                    opening.bottom() - (1 - t) / 0.3 * (opening.height() - opening.width() / 2));
            else {
                const double a = 3.14159 * (1 - (t - 0.3) / 0.4);
                at = QPointF(
                    opening.center().x() + std::cos(a) * opening.width() / 2,
                    opening.top() + opening.width() / 2 - std::sin(a) * opening.width() / 2);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(c("hedge.light"));
            p.drawEllipse(at + QPointF(random.range(-5, 5), random.range(-5, 5)), 6, 4);
            flower(p, at + QPointF(random.range(-4, 4), random.range(-4, 4)), 6,
                   i % 3 ? c("blossom.a") : c("blossom.c"), c("blossom.b"));
        }
    }

    void plank(QPainter& p, const QRectF& r) const {
        p.setPen(QPen(c("board.edge"), 2));
        p.setBrush(vertical(r, shade(c("board"), 1.15), shade(c("board"), 0.85)));
        p.drawRoundedRect(r, 6, 6);
        p.setPen(QPen(shade(c("board"), 0.8), 1));
        p.drawLine(QPointF(r.left() + 8, r.top() + r.height() * 0.3),
                   QPointF(r.left() + 30, r.top() + r.height() * 0.3));
        p.drawLine(QPointF(r.right() - 40, r.bottom() - r.height() * 0.25),
                   QPointF(r.right() - 10, r.bottom() - r.height() * 0.25));
    }

    void paintBoard(QPainter& p, const QRectF& r, BoardShape shape) const override {
        switch (shape) {
            case BoardShape::Hanging:
                hangingCords(p, r, QPen(c("board.edge"), 2), 22, 26, 10);
                plank(p, r.adjusted(6, 9, -6, -3));
                flower(p, QPointF(r.left() + 12, r.top() + 14), 6, c("blossom.a"), c("blossom.b"));
                break;
            case BoardShape::Double:
                plank(p, QRectF(r.left() + 3, r.top() + 4, r.width() / 2 - 6, r.height() - 8));
                plank(p,
                      QRectF(r.center().x() + 3, r.top() + 4, r.width() / 2 - 6, r.height() - 8));
                flower(p, QPointF(r.center().x(), r.top() + 8), 7, c("blossom.c"), c("blossom.b"));
                break;
            case BoardShape::Plate:
                plank(p, r.adjusted(3, 3, -3, -3));
                flower(p, QPointF(r.left() + 12, r.center().y()), 6, c("blossom.a"),
                       c("blossom.b"));
                flower(p, QPointF(r.right() - 12, r.center().y()), 6, c("blossom.c"),
                       c("blossom.b"));
                break;
            case BoardShape::Plain:
                plank(p, r.adjusted(4, 4, -4, -4));
                break;
        }
    }

    void paintCeiling(QPainter& p, const QRectF& r) const override {
        skyWithClouds(p, r, c("sky.top"), c("sky.bottom"), QColor(255, 255, 252), style_.seed() + 4,
                      8);
        // Round trees on the horizon, then the hedge's shadow.
        Random random(style_.seed() + 8);
        const double base = r.bottom() - 26;
        p.setPen(Qt::NoPen);
        for (double x = r.left() - 30; x < r.right() + 30; x += random.range(40, 70)) {
            const double size = random.range(30, 55);
            p.setBrush(mix(c("hedge.dark"), c("hedge.light"), random.unit() * 0.6));
            p.drawEllipse(QPointF(x, base - size * 0.5), size * 0.8, size);
        }
        p.setBrush(c("hedge.dark"));
        p.drawRect(QRectF(r.left(), base - 8, r.width(), 40));
        maskEave(p, r, shade(c("hedge.dark"), 0.6));
    }

    void paintEmblem(QPainter& p, const QRectF& r) const override {
        p.setPen(Qt::NoPen);
        p.setBrush(c("hedge.light"));
        p.drawEllipse(QPointF(r.left() + r.width() * 0.25, r.bottom() - r.height() * 0.2),
                      r.width() * 0.22, r.height() * 0.12);
        p.drawEllipse(QPointF(r.right() - r.width() * 0.25, r.bottom() - r.height() * 0.2),
                      r.width() * 0.22, r.height() * 0.12);
        flower(p, r.center() - QPointF(0, r.height() * 0.08), r.width() * 0.45, c("blossom.a"),
               c("blossom.b"));
    }
};

}  // namespace

std::unique_ptr<ThemeArt> makeFlowersArt(const ThemeStyle& style) {
    return std::make_unique<FlowersArt>(style);
}

}  // namespace rumbelo::art
