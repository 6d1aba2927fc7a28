// Egyptian: a temple school. Sandstone blocks with bands of painted glyphs, cornices striped
// in lapis, red and gold, papyrus columns, pylon gateways with the winged sun, lapis cartouches
// (yellow texts).
#include <cmath>

#include "motif_helpers.h"
#include "theme_art.h"

namespace rumbelo::art {
namespace {

class EgyptianArt : public ThemeArt {
  public:
    using ThemeArt::ThemeArt;

    // Painted glyphs in a row: an eye, an ankh, a bird, reeds, water.
    void glyphs(QPainter& p, const QRectF& band, std::uint64_t seed) const {
        p.fillRect(band, shade(c("sand.b"), 1.08));
        p.setPen(QPen(shade(c("sand.b"), 0.7), 1.5));
        p.drawLine(band.topLeft(), band.topRight());
        p.drawLine(band.bottomLeft(), band.bottomRight());
        Random random(seed);
        const double h = band.height();
        for (double x = band.left() + 10; x < band.right() - 14; x += h * 0.95) {
            const QPointF m(x + h * 0.35, band.center().y());
            const int kind = random.below(5);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(kind % 2 ? c("lapis") : c("red"), 2.2, Qt::SolidLine, Qt::RoundCap,
                          Qt::RoundJoin));
            switch (kind) {
                case 0:  // eye
                    p.drawEllipse(m, h * 0.3, h * 0.14);
                    p.setBrush(c("lapis"));
                    p.drawEllipse(m, h * 0.07, h * 0.07);
                    p.drawLine(m + QPointF(-h * 0.05, h * 0.14), m + QPointF(-h * 0.12, h * 0.34));
                    break;
                case 1:  // ankh
                    p.drawEllipse(QPointF(m.x(), m.y() - h * 0.2), h * 0.1, h * 0.13);
                    p.drawLine(m + QPointF(0, -h * 0.07), m + QPointF(0, h * 0.36));
                    p.drawLine(m + QPointF(-h * 0.18, -h * 0.02), m + QPointF(h * 0.18, -h * 0.02));
                    break;
                case 2: {  // bird
                    QPainterPath bird;
                    bird.moveTo(m + QPointF(-h * 0.25, h * 0.3));
                    bird.quadTo(m + QPointF(-h * 0.2, -h * 0.1), m + QPointF(h * 0.05, -h * 0.15));
                    bird.lineTo(m + QPointF(h * 0.2, -h * 0.3));
                    bird.lineTo(m + QPointF(h * 0.12, -h * 0.05));
                    bird.quadTo(m + QPointF(h * 0.2, h * 0.25), m + QPointF(-h * 0.05, h * 0.3));
                    p.drawPath(bird);
                    break;
                }
                case 3:  // reeds
                    for (int i = -1; i <= 1; ++i) {
                        p.drawLine(m + QPointF(i * h * 0.12, h * 0.35),
                                   m + QPointF(i * h * 0.12, -h * 0.2));
                        p.drawEllipse(m + QPointF(i * h * 0.12, -h * 0.26), h * 0.04, h * 0.08);
                    }
                    break;
                default: {  // water
                    for (int row = 0; row < 3; ++row) {
                        QPainterPath wave;
                        const double y = m.y() - h * 0.2 + row * h * 0.2;
                        wave.moveTo(m.x() - h * 0.3, y);
                        for (int k = 0; k < 4; ++k)
                            wave.lineTo(m.x() - h * 0.3 + (k + 0.5) * h * 0.15,
                                        y + (k % 2 ? -1 : 1) * h * 0.06);
                        p.drawPath(wave);
                    }
                    break;
                }
            }
        }
    }

    void cornice(QPainter& p, const QRectF& band) const {
        const QColor stripes[] = {c("lapis"), c("gold"), c("red"), c("gold")};
        int i = 0;
        for (double x = band.left(); x < band.right(); x += 8, ++i)
            p.fillRect(QRectF(x, band.top(), 8, band.height()), stripes[i % 4]);
        p.fillRect(QRectF(band.left(), band.bottom() - 4, band.width(), 4),
                   shade(c("sand.a"), 0.8));
        p.fillRect(QRectF(band.left(), band.top(), band.width(), 3), shade(c("sand.a"), 1.15));
    }

    void paintFloor(QPainter& p, const QRect& r) const override {
        // Large sandstone tiles, and a lapis diamond where four of them meet.
        p.fillRect(r, c("sand.mortar"));
        const double half = r.width() / 2.0;
        Random random(style_.seed() + 1);
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 2; ++i)
                bevelledBlock(
                    p,
                    QRectF(r.left() + i * half + 1.5, r.top() + j * half + 1.5, half - 3, half - 3),
                    mix(c("floor.a"), c("floor.b"), random.unit()), 2);
        for (QPointF corner :
             {QPointF(r.left(), r.top()), QPointF(r.center()), QPointF(r.left(), r.center().y()),
              QPointF(r.center().x(), r.top())}) {
            drawWrapped(QRectF(r), corner, 10, [&](QPointF a) {
                QPolygonF diamond;
                diamond << a + QPointF(0, -9) << a + QPointF(9, 0) << a + QPointF(0, 9)
                        << a + QPointF(-9, 0);
                p.setPen(QPen(c("gold"), 1.5));
                p.setBrush(c("lapis"));
                p.drawPolygon(diamond);
            });
        }
    }

    void paintWallTop(QPainter& p, const QRectF& r, bool eastWest) const override {
        p.fillRect(r, c("sand.mortar"));
        const Courses slabs{eastWest ? 32.0 : 40.0, 64, 2.5, 0.5, 0.05};
        const QRectF slabArea = eastWest ? r.adjusted(0, 0, 0, -26) : r;
        bevelledCourses(p, slabArea, slabs,
                        style_.seed() + static_cast<std::uint64_t>(r.width() * 2), c("sand.a"),
                        shade(c("sand.a"), 1.08), 1.5);
        if (eastWest)
            cornice(p, QRectF(r.left(), r.bottom() - 26, r.width(), 26));
        else {
            p.fillRect(QRectF(r.left(), r.top(), 7, r.height()), c("lapis"));
            p.fillRect(QRectF(r.right() - 7, r.top(), 7, r.height()), c("lapis"));
        }
    }

    void paintWallFace(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, c("sand.mortar"));
        const Courses blocks{36, 72, 2.5, 0.5, 0.06};
        bevelledCourses(p, r, blocks, style_.seed() + static_cast<std::uint64_t>(r.width() * 5),
                        c("sand.a"), c("sand.b"), 1.5);
        glyphs(p, QRectF(r.left(), r.top() + 40, r.width(), 40),
               style_.seed() + static_cast<std::uint64_t>(r.width()));
        p.fillRect(QRectF(r.left(), r.bottom() - 30, r.width(), 8), c("lapis"));
        p.fillRect(QRectF(r.left(), r.bottom() - 22, r.width(), 4), c("gold"));
    }

    void paintPillar(QPainter& p, const QRectF& r) const override {
        // A papyrus column: a shaft with bands, and a flaring capital.
        p.fillRect(r, horizontal(r, shade(c("sand.a"), 1.15), shade(c("sand.b"), 0.8)));
        for (double y = r.top() + 40; y < r.bottom(); y += 70) {
            p.fillRect(QRectF(r.left(), y, r.width(), 4), c("lapis"));
            p.fillRect(QRectF(r.left(), y + 4, r.width(), 3), c("red"));
        }
        QPolygonF capital;
        capital << QPointF(r.left() - 2, r.top()) << QPointF(r.right() + 2, r.top())
                << QPointF(r.right(), r.top() + 14) << QPointF(r.left(), r.top() + 14);
        p.setPen(Qt::NoPen);
        p.setBrush(c("green"));
        p.drawPolygon(capital);
    }

    void paintDoor(QPainter& p, const QRectF& r, DoorState state) const override {
        paintWallFace(p, r);
        // A pylon gateway: sloping jambs, a cornice, the winged sun on the lintel.
        const QRectF gate = r.adjusted(8, 8, -8, 0);
        QPolygonF pylon;
        pylon << QPointF(gate.left() + 10, gate.top() + 26)
              << QPointF(gate.right() - 10, gate.top() + 26) << QPointF(gate.right(), gate.bottom())
              << QPointF(gate.left(), gate.bottom());
        p.setPen(QPen(shade(c("sand.b"), 0.65), 1.5));
        p.setBrush(horizontal(gate, shade(c("sand.a"), 1.12), shade(c("sand.b"), 0.9)));
        p.drawPolygon(pylon);
        cornice(p, QRectF(gate.left() + 4, gate.top(), gate.width() - 8, 26));
        // Winged sun.
        const QPointF sun(gate.center().x(), gate.top() + 44);
        p.setPen(Qt::NoPen);
        for (int side : {-1, 1}) {
            QPainterPath wing;
            wing.moveTo(sun + QPointF(side * 8, -4));
            wing.quadTo(sun + QPointF(side * 40, -14), sun + QPointF(side * 58, -4));
            wing.quadTo(sun + QPointF(side * 36, 8), sun + QPointF(side * 8, 6));
            wing.closeSubpath();
            p.setBrush(c("lapis"));
            p.drawPath(wing);
        }
        p.setBrush(c("red"));
        p.drawEllipse(sun, 9, 9);
        p.setBrush(c("gold"));
        p.drawEllipse(sun, 5, 5);
        const QRectF opening(gate.left() + 30, gate.top() + 66, gate.width() - 60,
                             gate.height() - 66);
        if (state == DoorState::Open) {
            p.setBrush(vertical(opening, QColor(255, 226, 150), QColor(210, 140, 60)));
            p.drawRect(opening);
            return;
        }
        p.setBrush(horizontal(opening, c("door"), shade(c("door"), 0.75)));
        p.drawRect(opening);
        p.setPen(QPen(shade(c("door"), 0.55), 2));
        p.drawLine(QPointF(opening.center().x(), opening.top()),
                   QPointF(opening.center().x(), opening.bottom()));
        p.setPen(Qt::NoPen);
        p.setBrush(c("gold"));
        for (double y = opening.top() + 16; y < opening.bottom() - 8; y += 30)
            for (double x = opening.left() + 12; x < opening.right() - 6; x += 22)
                p.drawEllipse(QPointF(x, y), 2.5, 2.5);
    }

    void cartouche(QPainter& p, const QRectF& r) const {
        p.setPen(QPen(c("gold"), 3));
        p.setBrush(vertical(r, shade(c("lapis"), 1.15), shade(c("lapis"), 0.8)));
        p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
        p.setPen(QPen(c("gold"), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.right() + 2, r.top() + 5), QPointF(r.right() + 2, r.bottom() - 5));
    }

    void paintBoard(QPainter& p, const QRectF& r, BoardShape shape) const override {
        switch (shape) {
            case BoardShape::Hanging:
                hangingCords(p, r, QPen(c("gold"), 2), 26, 26, 10);
                cartouche(p, r.adjusted(5, 10, -8, -3));
                break;
            case BoardShape::Double:
                cartouche(p, QRectF(r.left() + 3, r.top() + 4, r.width() / 2 - 8, r.height() - 8));
                cartouche(
                    p, QRectF(r.center().x() + 2, r.top() + 4, r.width() / 2 - 8, r.height() - 8));
                break;
            case BoardShape::Plate:
                p.setPen(QPen(shade(c("gold"), 0.6), 2));
                p.setBrush(vertical(r, shade(c("lapis"), 1.1), shade(c("lapis"), 0.8)));
                p.drawRect(r.adjusted(2, 2, -2, -2));
                cornice(p, QRectF(r.left() + 2, r.top() + 2, r.width() - 4, 7));
                break;
            case BoardShape::Plain:
                cartouche(p, r.adjusted(4, 4, -8, -4));
                break;
        }
    }

    void paintCeiling(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, vertical(r, c("sky.top"), c("sky.bottom")));
        const double base = r.bottom() - 28;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 240, 190, 220));
        p.drawEllipse(QPointF(r.width() * 0.2, base - 170), 30, 30);
        const double pyramids[][2] = {{0.55, 150}, {0.75, 110}, {0.9, 70}};
        for (const auto& pyramid : pyramids) {
            const double cx = r.width() * pyramid[0], h = pyramid[1];
            QPolygonF lit, dark;
            lit << QPointF(cx - h * 1.1, base) << QPointF(cx, base - h) << QPointF(cx, base);
            dark << QPointF(cx, base) << QPointF(cx, base - h) << QPointF(cx + h * 1.1, base);
            p.setBrush(shade(c("sand.a"), 0.95));
            p.drawPolygon(lit);
            p.setBrush(shade(c("sand.b"), 0.7));
            p.drawPolygon(dark);
        }
        // Palms and the dune.
        for (double x : {r.width() * 0.08, r.width() * 0.38}) {
            p.setPen(QPen(QColor(110, 75, 40), 5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(x, base), QPointF(x + 8, base - 70));
            p.setPen(Qt::NoPen);
            p.setBrush(c("green"));
            for (int leaf = 0; leaf < 6; ++leaf) {
                p.save();
                p.translate(x + 8, base - 70);
                p.rotate(leaf * 60 + 10);
                p.drawEllipse(QPointF(18, 0), 20, 5);
                p.restore();
            }
        }
        p.setBrush(c("floor.b"));
        p.drawRect(QRectF(r.left(), base - 2, r.width(), 40));
        maskEave(p, r, shade(c("sand.mortar"), 0.6));
    }

    void paintEmblem(QPainter& p, const QRectF& r) const override {
        // An ankh.
        const QPointF m = r.center();
        const double h = r.height();
        p.setPen(QPen(c("gold"), std::max(2.0, h / 8), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(m.x(), m.y() - h * 0.22), h * 0.15, h * 0.2);
        p.drawLine(QPointF(m.x(), m.y() - h * 0.02), QPointF(m.x(), m.y() + h * 0.45));
        p.drawLine(QPointF(m.x() - h * 0.3, m.y() + h * 0.02),
                   QPointF(m.x() + h * 0.3, m.y() + h * 0.02));
    }
};

}  // namespace

std::unique_ptr<ThemeArt> makeEgyptianArt(const ThemeStyle& style) {
    return std::make_unique<EgyptianArt>(style);
}

}  // namespace rumbelo::art
