// Castle: grey ashlar walls with battlements, flagstone floors, oak doors under pointed arches,
// parchment boards (the castle's highlight colour is navy, so boards stay light).
#include <cmath>

#include "motif_helpers.h"
#include "theme_art.h"

namespace rumbelo::art {
namespace {

class CastleArt : public ThemeArt {
  public:
    using ThemeArt::ThemeArt;

    void paintFloor(QPainter& p, const QRect& r) const override {
        p.fillRect(r, c("floor.mortar"));
        // Four flagstones per tile, with irregular corners; the grid lines meet the tile edges.
        Random random(style_.seed() + 1);
        const double half = r.width() / 2.0;
        for (int j = 0; j < 2; ++j) {
            for (int i = 0; i < 2; ++i) {
                const QRectF stone(r.left() + i * half + 2, r.top() + j * half + 2, half - 4,
                                   half - 4);
                const QColor base = mix(c("floor.a"), c("floor.b"), random.unit());
                bevelledBlock(p, stone, base, 6);
                // Worn speckles.
                p.setPen(Qt::NoPen);
                for (int s = 0; s < 14; ++s) {
                    p.setBrush(withAlpha(shade(base, random.range(0.8, 1.15)), 120));
                    p.drawEllipse(QPointF(stone.left() + random.range(6, stone.width() - 6),
                                          stone.top() + random.range(6, stone.height() - 6)),
                                  random.range(1, 3), random.range(1, 2.5));
                }
            }
        }
    }

    void paintWallTop(QPainter& p, const QRectF& r, bool eastWest) const override {
        p.fillRect(r, c("top.mortar"));
        Courses walk{eastWest ? 32.0 : 40.0, eastWest ? 48.0 : 36.0, 3, 0.5, 0.1};
        const QRectF path = eastWest ? r.adjusted(0, 0, 0, -30) : r;
        bevelledCourses(p, path, walk, style_.seed() + 2, c("top.a"), c("top.b"), 3);
        if (eastWest) {
            // Battlements along the front edge: merlons with gaps between them.
            const QRectF band(r.left(), r.bottom() - 30, r.width(), 30);
            p.fillRect(band, shade(c("top.mortar"), 0.8));
            for (double x = r.left() + 4; x < r.right(); x += 44) {
                const QRectF merlon(x, band.top() + 2, 28, band.height() - 4);
                bevelledBlock(p, merlon, c("top.b"), 3);
                p.fillRect(QRectF(merlon.left(), merlon.bottom() - 5, merlon.width(), 5),
                           QColor(0, 0, 0, 50));
            }
        }
    }

    void paintWallFace(QPainter& p, const QRectF& r) const override {
        p.fillRect(r, c("face.mortar"));
        const Courses ashlar{34, 66, 3, 0.5, 0.12};
        layCourses(r, ashlar, style_.seed() + static_cast<int>(r.width()),
                   [&](const QRectF& b, int row, Random& rnd) {
                       QColor fill = mix(c("face.a"), c("face.b"), rnd.unit());
                       if (row % 5 == 4) fill = shade(fill, 0.92);
                       bevelledBlock(p, b, fill, 2);
                   });
        // An arrow slit in the middle of a wall piece (not of a pedestal or a door surround).
        if (r.width() > 200) {
            const double x = r.center().x();
            const QRectF slit(x - 5, r.top() + r.height() * 0.3, 10, 62);
            p.setPen(QPen(shade(c("face.a"), 1.2), 3));
            p.setBrush(c("slit"));
            p.drawRoundedRect(slit, 4, 4);
        }
    }

    void paintPillar(QPainter& p, const QRectF& r) const override {
        const QColor stone = c("pillar");
        p.fillRect(r, horizontal(r, shade(stone, 1.18), shade(stone, 0.78)));
        p.setPen(QPen(shade(stone, 0.6), 1));
        for (double y = r.top() + 26; y < r.bottom(); y += 26)
            p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        p.fillRect(QRectF(r.left() - 1, r.top(), r.width() + 2, 8), shade(stone, 1.1));
    }

    void paintDoor(QPainter& p, const QRectF& r, DoorState state) const override {
        // Stone surround filling the face, a pointed arch, oak leaves with iron bands.
        p.fillRect(r, c("face.mortar"));
        const Courses surround{30, 42, 3, 0.5, 0.1};
        layCourses(r, surround, style_.seed() + 9, [&](const QRectF& b, int, Random& rnd) {
            bevelledBlock(p, b, mix(c("pillar"), c("face.a"), rnd.unit() * 0.5), 2);
        });
        const QRectF opening = r.adjusted(18, 46, -18, 0);
        QPainterPath arch;
        arch.moveTo(opening.bottomLeft());
        arch.lineTo(opening.left(), opening.top() + 55);
        arch.quadTo(opening.left(), opening.top(), opening.center().x(), opening.top() - 10);
        arch.quadTo(opening.right(), opening.top(), opening.right(), opening.top() + 55);
        arch.lineTo(opening.bottomRight());
        arch.closeSubpath();
        // Voussoirs around the arch.
        p.setPen(QPen(shade(c("pillar"), 1.15), 12));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arch);
        p.setPen(QPen(shade(c("pillar"), 0.6), 2));
        p.drawPath(arch);
        p.setPen(Qt::NoPen);
        if (state == DoorState::Open) {
            p.setBrush(vertical(opening, c("door.glow"), shade(c("door.glow"), 0.55)));
            p.drawPath(arch);
            p.save();
            p.setClipPath(arch);
            p.setBrush(c("door.wood"));
            p.drawRect(QRectF(opening.left(), opening.top() - 20, 16, opening.height() + 20));
            p.drawRect(QRectF(opening.right() - 16, opening.top() - 20, 16, opening.height() + 20));
            p.restore();
            return;
        }
        p.setBrush(c("door.wood"));
        p.drawPath(arch);
        p.save();
        p.setClipPath(arch);
        p.setPen(QPen(shade(c("door.wood"), 0.7), 2));
        for (double x = opening.left() + 16; x < opening.right(); x += 16)
            p.drawLine(QPointF(x, opening.top() - 20), QPointF(x, opening.bottom()));
        p.setPen(Qt::NoPen);
        p.setBrush(c("iron"));
        for (double y : {opening.top() + 40, opening.top() + 120, opening.bottom() - 30})
            p.drawRect(QRectF(opening.left(), y, opening.width(), 9));
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRect(QRectF(opening.center().x() - 1, opening.top() - 20, 3, opening.height() + 20));
        p.restore();
        p.setPen(QPen(c("iron"), 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(opening.center().x() + 14, opening.center().y() + 30), 7, 7);
    }

    void paintBoard(QPainter& p, const QRectF& r, BoardShape shape) const override {
        const QColor parchment = c("board");
        const QColor edge = c("board.edge");
        auto scroll = [&](const QRectF& area) {
            p.setPen(QPen(edge, 2));
            p.setBrush(vertical(area, shade(parchment, 1.06), shade(parchment, 0.9)));
            p.drawRoundedRect(area, 4, 4);
            p.setBrush(shade(parchment, 0.8));
            p.drawRoundedRect(QRectF(area.left() - 4, area.top() - 2, 9, area.height() + 4), 4, 4);
            p.drawRoundedRect(QRectF(area.right() - 5, area.top() - 2, 9, area.height() + 4), 4, 4);
        };
        switch (shape) {
            case BoardShape::Hanging: {
                p.setPen(QPen(c("iron"), 3));
                p.drawLine(QPointF(r.left() + 4, r.top() + 4), QPointF(r.right() - 4, r.top() + 4));
                p.drawLine(QPointF(r.left() + 30, r.top() + 4),
                           QPointF(r.left() + 30, r.top() + 12));
                p.drawLine(QPointF(r.right() - 30, r.top() + 4),
                           QPointF(r.right() - 30, r.top() + 12));
                scroll(r.adjusted(8, 11, -8, -3));
                break;
            }
            case BoardShape::Double:
                scroll(QRectF(r.left() + 6, r.top() + 4, r.width() / 2 - 10, r.height() - 8));
                scroll(QRectF(r.center().x() + 4, r.top() + 4, r.width() / 2 - 10, r.height() - 8));
                p.setPen(Qt::NoPen);
                p.setBrush(c("iron"));
                p.drawEllipse(QPointF(r.center().x(), r.center().y()), 5, 5);
                break;
            case BoardShape::Plate:
                p.setPen(QPen(edge, 2));
                p.setBrush(vertical(r, shade(c("brass"), 1.15), shade(c("brass"), 0.85)));
                p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 8, 8);
                p.setBrush(c("iron"));
                for (double x : {r.left() + 10, r.right() - 10})
                    p.drawEllipse(QPointF(x, r.center().y()), 3, 3);
                break;
            case BoardShape::Plain:
                scroll(r.adjusted(6, 4, -6, -4));
                break;
        }
    }

    void paintCeiling(QPainter& p, const QRectF& r) const override {
        skyWithClouds(p, r, c("sky.top"), c("sky.bottom"), c("cloud"), style_.seed() + 5, 7);
        // Distant towers of the castle against the sky.
        p.setPen(Qt::NoPen);
        p.setBrush(c("far"));
        const double base = r.bottom() - 30;
        Random random(style_.seed() + 6);
        for (double x = r.left() - 20; x < r.right(); x += random.range(80, 140)) {
            const double w = random.range(36, 60);
            const double h = random.range(60, 130);
            p.drawRect(QRectF(x, base - h, w, h));
            for (double m = x; m < x + w; m += 12)
                p.drawRect(QRectF(m, base - h - 9, 7, 9));
            QPolygonF roof;
            if (random.unit() < 0.5) {
                roof << QPointF(x - 4, base - h - 9) << QPointF(x + w / 2, base - h - 50)
                     << QPointF(x + w + 4, base - h - 9);
                p.setBrush(c("roof"));
                p.drawPolygon(roof);
                p.setBrush(c("far"));
            }
        }
        p.drawRect(QRectF(r.left(), base - 40, r.width(), 40));
        maskEave(p, r, c("eave"));
    }

    void paintEmblem(QPainter& p, const QRectF& r) const override {
        QPainterPath shield;
        shield.moveTo(r.left(), r.top());
        shield.lineTo(r.right(), r.top());
        shield.lineTo(r.right(), r.top() + r.height() * 0.45);
        shield.quadTo(r.right(), r.bottom() - 6, r.center().x(), r.bottom());
        shield.quadTo(r.left(), r.bottom() - 6, r.left(), r.top() + r.height() * 0.45);
        shield.closeSubpath();
        p.setPen(QPen(c("iron"), 2));
        p.setBrush(c("heraldry.a"));
        p.drawPath(shield);
        p.save();
        p.setClipPath(shield);
        p.setPen(Qt::NoPen);
        p.setBrush(c("heraldry.b"));
        p.drawRect(QRectF(r.center().x() - 4, r.top(), 8, r.height()));
        p.drawRect(QRectF(r.left(), r.top() + r.height() * 0.35, r.width(), 8));
        p.restore();
    }
};

}  // namespace

std::unique_ptr<ThemeArt> makeCastleArt(const ThemeStyle& style) {
    return std::make_unique<CastleArt>(style);
}

}  // namespace rumbelo::art
