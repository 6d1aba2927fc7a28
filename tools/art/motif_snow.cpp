// Snow: an ice school. Ice-block walls under thick snow with icicles, a snowfield floor, blue
// doors in snow-block arches, pale icy boards (the snow theme's texts are navy).
#include <cmath>

#include "motif_helpers.h"
#include "theme_art.h"

namespace rumbelo::art {
namespace {

class SnowArt : public ThemeArt {
  public:
    using ThemeArt::ThemeArt;

    void paintFloor(QPainter& p, const QRect& r) const override {
        noiseFloor(p, r, 4, style_.seed(),
                   [&](double n) { return mix(c("snow.shadow"), c("snow"), 0.35 + n * 0.65); });
        // Glints in the snow.
        Random random(style_.seed() + 2);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 30; ++i) {
            const QPointF at(random.range(0, r.width()), random.range(0, r.height()));
            drawWrapped(QRectF(r), at, 2, [&](QPointF a) {
                p.setBrush(i % 3 ? QColor(255, 255, 255, 220) : c("ice.light"));
                p.drawEllipse(a, 1.2, 1.2);
            });
        }
    }

    void paintWallTop(QPainter& p, const QRectF& r, bool eastWest) const override {
        // Deep snow: soft mounds, lit on top and shaded blue on their lower right.
        p.fillRect(r, mix(c("snow"), c("snow.shadow"), 0.25));
        Random random(style_.seed() + static_cast<std::uint64_t>(r.width() + r.height() * 5));
        p.setPen(Qt::NoPen);
        const int mounds = static_cast<int>(r.width() * r.height() / 1800);
        for (int i = 0; i < mounds; ++i) {
            const QPointF at(r.left() + random.range(0, r.width()),
                             r.top() + random.range(0, r.height()));
            const double w = random.range(26, 50);
            p.setBrush(withAlpha(c("snow.shadow"), 90));
            p.drawEllipse(at + QPointF(4, 4), w, w * 0.55);
            p.setBrush(c("snow"));
            p.drawEllipse(at, w, w * 0.55);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(at - QPointF(w * 0.25, w * 0.15), w * 0.45, w * 0.22);
        }
        if (eastWest) {
            // Snow bulging over the front edge.
            for (double x = r.left(); x < r.right() + 10; x += 22) {
                p.setBrush(c("snow.shadow"));
                p.drawEllipse(QPointF(x + 1, r.bottom() - 4), 13, 8);
                p.setBrush(c("snow"));
                p.drawEllipse(QPointF(x, r.bottom() - 7), 13, 8);
            }
        }
    }

    void paintWallFace(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, c("ice.mortar"));
        const Courses blocks{40, 70, 4, 0.5, 0.1};
        layCourses(r, blocks, style_.seed() + static_cast<std::uint64_t>(r.width()),
                   [&](const QRectF& b, int, Random& rnd) {
                       const QColor ice = mix(c("ice"), c("ice.light"), rnd.unit() * 0.6);
                       p.setPen(Qt::NoPen);
                       p.setBrush(vertical(b, shade(ice, 1.08), shade(ice, 0.9)));
                       p.drawRoundedRect(b, 5, 5);
                       // A diagonal gleam.
                       p.setPen(QPen(QColor(255, 255, 255, 150), 2.5, Qt::SolidLine, Qt::RoundCap));
                       const double gx = b.left() + rnd.range(0.15, 0.6) * b.width();
                       p.drawLine(QPointF(gx, b.top() + 6), QPointF(gx + 10, b.top() + 16));
                   });
        // Icicles hanging from the top edge.
        Random random(style_.seed() + 31);
        for (double x = r.left() + 6; x < r.right() - 4; x += random.range(10, 24)) {
            const double length = random.range(8, 26);
            QPolygonF icicle;
            icicle << QPointF(x - 4, r.top()) << QPointF(x + 4, r.top())
                   << QPointF(x, r.top() + length);
            p.setPen(QPen(c("ice.mortar"), 1));
            p.setBrush(
                horizontal(QRectF(x - 4, 0, 8, 1), QColor(255, 255, 255, 240), c("ice.light")));
            p.drawPolygon(icicle);
        }
        p.fillRect(QRectF(r.left(), r.bottom() - 10, r.width(), 10), c("snow"));
    }

    void paintPillar(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, horizontal(r, shade(c("ice.light"), 1.1), shade(c("ice"), 0.8)));
        p.setPen(QPen(QColor(255, 255, 255, 180), 1.5));
        p.drawLine(QPointF(r.left() + 3, r.top()), QPointF(r.left() + 3, r.bottom()));
        p.setPen(Qt::NoPen);
        p.setBrush(c("snow"));
        p.drawEllipse(QPointF(r.center().x(), r.top() + 3), r.width() * 0.7, 6);
    }

    void paintDoor(QPainter& p, const QRectF& r, DoorState state) const override {
        paintWallFace(p, r);
        // An arch of snow blocks round a blue door.
        const QRectF opening = r.adjusted(22, 58, -22, 0);
        const QPainterPath arch = roundArch(opening);
        p.setPen(QPen(c("snow.shadow"), 20, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arch);
        p.setPen(QPen(c("snow"), 16, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(arch);
        // Joints between the arch blocks.
        p.setPen(QPen(c("snow.shadow"), 1.5));
        for (int i = 1; i < 9; ++i) {
            const double a = 3.14159 * i / 9;
            const QPointF centre(opening.center().x(), opening.top() + opening.width() / 2);
            const double rr = opening.width() / 2;
            p.drawLine(centre + QPointF(-std::cos(a), -std::sin(a)) * (rr - 8),
                       centre + QPointF(-std::cos(a), -std::sin(a)) * (rr + 8));
        }
        p.setPen(Qt::NoPen);
        if (state == DoorState::Open) {
            // A warm room within.
            p.setBrush(radial(opening.center() + QPointF(0, 30), opening.height() * 0.7,
                              QColor(255, 236, 170), QColor(240, 150, 70)));
            p.drawPath(arch);
            return;
        }
        p.setBrush(horizontal(opening, c("door"), shade(c("door"), 0.75)));
        p.drawPath(arch);
        p.save();
        p.setClipPath(arch);
        p.setPen(QPen(shade(c("door"), 0.6), 2));
        for (double x = opening.left() + 15; x < opening.right(); x += 15)
            p.drawLine(QPointF(x, opening.top()), QPointF(x, opening.bottom()));
        // A little round window, frosted.
        p.setPen(QPen(shade(c("door"), 0.5), 3));
        p.setBrush(c("ice.light"));
        p.drawEllipse(QPointF(opening.center().x(), opening.top() + 62), 14, 14);
        p.restore();
        p.setPen(QPen(QColor(50, 50, 60), 1.5));
        p.setBrush(QColor(240, 200, 80));
        p.drawEllipse(QPointF(opening.right() - 14, opening.center().y() + 30), 5, 5);
    }

    void icyBoard(QPainter& p, const QRectF& r) const {
        p.setPen(QPen(c("board.edge"), 2));
        p.setBrush(vertical(r, shade(c("board"), 1.06), shade(c("board"), 0.92)));
        p.drawRoundedRect(r, 7, 7);
        // Snow lying on top.
        QPainterPath snow;
        snow.moveTo(r.left() - 1, r.top() + 4);
        for (double x = r.left() - 1; x < r.right(); x += 14)
            snow.quadTo(x + 7, r.top() - 5, std::min(x + 14, r.right() + 1), r.top() + 3);
        snow.lineTo(r.right() + 1, r.top() + 6);
        snow.lineTo(r.left() - 1, r.top() + 6);
        snow.closeSubpath();
        p.setPen(QPen(c("snow.shadow"), 1));
        p.setBrush(QColor(253, 254, 255));
        p.drawPath(snow);
    }

    void paintBoard(QPainter& p, const QRectF& r, BoardShape shape) const override {
        switch (shape) {
            case BoardShape::Hanging:
                hangingCords(p, r, QPen(c("board.edge"), 2), 24, 24, 12);
                icyBoard(p, r.adjusted(6, 10, -6, -3));
                break;
            case BoardShape::Double:
                icyBoard(p, QRectF(r.left() + 3, r.top() + 6, r.width() / 2 - 6, r.height() - 9));
                icyBoard(
                    p, QRectF(r.center().x() + 3, r.top() + 6, r.width() / 2 - 6, r.height() - 9));
                break;
            case BoardShape::Plate:
            case BoardShape::Plain:
                icyBoard(p, r.adjusted(4, 6, -4, -3));
                break;
        }
    }

    void paintCeiling(QPainter& p, const QRectF& r) const override {
        // A winter night: stars, a green aurora, snowy hills.
        p.fillRect(r, vertical(r, c("night.top"), c("night.bottom")));
        Random random(style_.seed() + 9);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 120; ++i) {
            p.setBrush(QColor(255, 255, 240, 100 + random.below(150)));
            p.drawEllipse(
                QPointF(random.range(r.left(), r.right()), random.range(r.top(), r.bottom() - 60)),
                1.1, 1.1);
        }
        QPainterPath aurora;
        const double y0 = r.bottom() - 170;
        aurora.moveTo(r.left(), y0);
        for (double x = r.left(); x <= r.right(); x += 40)
            aurora.lineTo(x, y0 + 18 * std::sin(x / 90.0));
        for (double x = r.right(); x >= r.left(); x -= 40)
            aurora.lineTo(x, y0 + 60 + 18 * std::sin(x / 90.0 + 0.8));
        aurora.closeSubpath();
        p.setBrush(
            vertical(QRectF(0, y0, 1, 80), QColor(120, 255, 190, 0), QColor(120, 255, 190, 90)));
        p.drawPath(aurora);
        for (int hill = 0; hill < 2; ++hill) {
            QPainterPath hills;
            const double base = r.bottom() - 30 - (1 - hill) * 30;
            hills.moveTo(r.left(), r.bottom());
            for (double x = r.left(); x <= r.right() + 60; x += 60)
                hills.quadTo(x + 30, base - 30 - 20 * std::sin(x * 0.013 + hill), x + 60, base);
            hills.lineTo(r.right(), r.bottom());
            hills.closeSubpath();
            p.setBrush(hill == 0 ? c("snow.shadow") : c("snow"));
            p.drawPath(hills);
        }
        maskEave(p, r, shade(c("ice.mortar"), 0.7));
    }

    void paintEmblem(QPainter& p, const QRectF& r) const override {
        const QPointF centre = r.center();
        const double radius = r.width() / 2;
        p.setPen(QPen(c("board.edge"), std::max(1.5, radius / 7), Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 6; ++i) {
            const double a = i * 3.14159265 / 3;
            const QPointF tip = centre + QPointF(std::cos(a), std::sin(a)) * radius;
            p.drawLine(centre, tip);
            const QPointF mid = centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.6;
            for (int s : {-1, 1}) {
                const double b = a + s * 0.7;
                p.drawLine(mid, mid + QPointF(std::cos(b), std::sin(b)) * radius * 0.3);
            }
        }
    }
};

}  // namespace

std::unique_ptr<ThemeArt> makeSnowArt(const ThemeStyle& style) {
    return std::make_unique<SnowArt>(style);
}

}  // namespace rumbelo::art
