#include "motif_helpers.h"

#include <cmath>

namespace rumbelo::art {

void layCourses(const QRectF& r, const Courses& courses, std::uint64_t seed,
                const std::function<void(const QRectF&, int, Random&)>& paint) {
    Random random(seed);
    int row = 0;
    for (double y = r.top(); y < r.bottom(); y += courses.rowHeight, ++row) {
        const double shift = std::fmod(row * courses.stagger, 1.0) * courses.blockWidth;
        double x = r.left() - shift;
        while (x < r.right()) {
            const double w =
                courses.blockWidth * (1 + random.range(-courses.jitter, courses.jitter));
            const QRectF block(x + courses.mortar / 2, y + courses.mortar / 2, w - courses.mortar,
                               courses.rowHeight - courses.mortar);
            paint(block, row, random);
            x += w;
        }
    }
}

void bevelledBlock(QPainter& p, const QRectF& r, const QColor& fill, double radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(fill, 1.25), 1.6));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1), QPointF(r.right() - radius, r.top() + 1));
    p.drawLine(QPointF(r.left() + 1, r.top() + radius), QPointF(r.left() + 1, r.bottom() - radius));
    p.setPen(QPen(shade(fill, 0.75), 1.6));
    p.drawLine(QPointF(r.left() + radius, r.bottom() - 1),
               QPointF(r.right() - radius, r.bottom() - 1));
    p.drawLine(QPointF(r.right() - 1, r.top() + radius),
               QPointF(r.right() - 1, r.bottom() - radius));
}

void bevelledCourses(QPainter& p, const QRectF& r, const Courses& courses, std::uint64_t seed,
                     const QColor& a, const QColor& b, double radius) {
    layCourses(r, courses, seed, [&](const QRectF& block, int, Random& random) {
        bevelledBlock(p, block, mix(a, b, random.unit()), radius);
    });
}

void noiseFloor(QPainter& p, const QRect& r, int cell, std::uint32_t seed,
                const std::function<QColor(double)>& colour) {
    for (int y = r.top(); y < r.bottom(); y += cell) {
        for (int x = r.left(); x < r.right(); x += cell) {
            const double n = tiledFractal(seed, x / 32.0, y / 32.0, r.width() / 32, 3);
            p.fillRect(QRect(x, y, cell, cell), colour(n));
        }
    }
}

QPainterPath roundArch(const QRectF& opening) {
    QPainterPath arch;
    arch.moveTo(opening.bottomLeft());
    arch.lineTo(opening.left(), opening.top() + opening.width() / 2);
    arch.arcTo(QRectF(opening.left(), opening.top(), opening.width(), opening.width()), 180, -180);
    arch.lineTo(opening.bottomRight());
    arch.closeSubpath();
    return arch;
}

void hangingCords(QPainter& p, const QRectF& r, const QPen& pen, double topInset,
                  double bottomInset, double length) {
    p.setPen(pen);
    p.drawLine(QPointF(r.left() + topInset, r.top()),
               QPointF(r.left() + bottomInset, r.top() + length));
    p.drawLine(QPointF(r.right() - topInset, r.top()),
               QPointF(r.right() - bottomInset, r.top() + length));
}

void skyWithClouds(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom,
                   const QColor& cloud, std::uint64_t seed, int clouds) {
    p.fillRect(r, vertical(r, top, bottom));
    Random random(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < clouds; ++i) {
        const double cx = r.left() + random.range(0, r.width());
        const double cy = r.top() + random.range(0.1, 0.75) * r.height();
        const double size = random.range(30, 70);
        p.setBrush(withAlpha(cloud, 200));
        for (int puff = 0; puff < 5; ++puff) {
            const double dx = (puff - 2) * size * 0.45;
            const double s = size * (1 - std::abs(puff - 2) * 0.22);
            p.drawEllipse(QPointF(cx + dx, cy - s * 0.15), s * 0.6, s * 0.42);
        }
    }
}

void drawWrapped(const QRectF& tile, QPointF centre, double radius,
                 const std::function<void(QPointF)>& draw) {
    for (int dx : {-1, 0, 1}) {
        for (int dy : {-1, 0, 1}) {
            const QPointF at = centre + QPointF(dx * tile.width(), dy * tile.height());
            if (at.x() + radius < tile.left() || at.x() - radius > tile.right() ||
                at.y() + radius < tile.top() || at.y() - radius > tile.bottom())
                continue;
            draw(at);
        }
    }
}

void flower(QPainter& p, QPointF centre, double radius, const QColor& petals, const QColor& heart) {
    p.setPen(QPen(shade(petals, 0.7), 0.8));
    p.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * 3.14159265358979 / 5 - 1.5708;
        p.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.55, radius * 0.5,
                      radius * 0.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(centre, radius * 0.35, radius * 0.35);
}

void maskEave(QPainter& p, const QRectF& r, const QColor& colour) {
    const QRectF eave(r.left(), r.bottom() - 34, r.width(), 34);
    p.fillRect(eave, vertical(eave, withAlpha(colour, 0), colour));
    p.fillRect(QRectF(r.left(), r.bottom() - 6, r.width(), 6), shade(colour, 0.7));
}

}  // namespace rumbelo::art
