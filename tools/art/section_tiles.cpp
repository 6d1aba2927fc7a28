#include "section_tiles.h"

#include <stdexcept>

#include "paint_kit.h"
#include "scene_items.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;

constexpr int kSectionFloor = 128;
constexpr int kFrameLength = 96;
constexpr int kFrameThickness = 28;
// In the mosaic tile: the wall face ends and the floor begins below the door labels (which
// stand at y 55..160 in the top row and 63..168 in the bottom row of tiles).
constexpr int kMosaicFloorTop = 186;

}  // namespace

QImage mosaicTile(const ThemeArt& art) {
    return paintedCanvas(kMosaicWidth, kMosaicHeight, [&](QPainter& p) {
        const QRectF face(0, 0, kMosaicWidth, kMosaicFloorTop);
        p.save();
        p.setClipRect(face);
        art.paintWallFace(p, face);
        p.restore();
        // Floor below, darkened a little so the light and dark theme colours both read on it.
        const QImage floor = floorTile(art);
        p.fillRect(QRectF(0, kMosaicFloorTop, kMosaicWidth, kMosaicHeight - kMosaicFloorTop),
                   QBrush(floor));
        const QRectF ground(0, kMosaicFloorTop, kMosaicWidth, kMosaicHeight - kMosaicFloorTop);
        QColor tint = art.style().colour(QStringLiteral("mosaic.tint"));
        tint.setAlpha(art.style().word(QStringLiteral("mosaic.tintAlpha")).toInt());
        p.fillRect(ground, tint);
        p.fillRect(
            QRectF(0, kMosaicFloorTop, kMosaicWidth, 10),
            vertical(QRectF(0, kMosaicFloorTop, 1, 10), QColor(0, 0, 0, 90), QColor(0, 0, 0, 0)));
        // Pillars between the bays, and the door each label stands in.
        art.paintPillar(p, QRectF(0, 0, 7, kMosaicFloorTop));
        art.paintPillar(p, QRectF(kMosaicWidth - 7, 0, 7, kMosaicFloorTop));
        const QImage door = doorPicture(art, DoorState::Closed);
        p.drawImage(QRectF(14, 22, 106, kMosaicFloorTop - 22), door);
    });
}

// The floor of the theme, faded towards white so that the forms' controls read over it.
QImage sectionFloorTile(const ThemeArt& art) {
    return paintedCanvas(kSectionFloor, kSectionFloor, [&](QPainter& p) {
        art.paintFloor(p, QRect(0, 0, kSectionFloor, kSectionFloor));
        p.fillRect(QRect(0, 0, kSectionFloor, kSectionFloor), QColor(255, 250, 240, 175));
    });
}

// A band in the theme's colours with its emblem in the middle: it repeats seamlessly along
// the border because nothing else changes along it.
QImage frameTile(const ThemeArt& art, FrameSide side) {
    const bool across = side == FrameSide::Top;
    const int width = across ? kFrameLength : kFrameThickness;
    const int height = across ? kFrameThickness : kFrameLength;
    return paintedCanvas(width, height, [&](QPainter& p) {
        const QColor base = art.style().colour(QStringLiteral("frame.base"));
        const QColor edge = art.style().colour(QStringLiteral("frame.edge"));
        const QRectF r(0, 0, width, height);
        // Light towards the inside of the window, dark towards its edge.
        QLinearGradient g;
        if (side == FrameSide::Top) g = QLinearGradient(0, 0, 0, r.height());
        if (side == FrameSide::Left) g = QLinearGradient(0, 0, r.width(), 0);
        if (side == FrameSide::Right) g = QLinearGradient(r.width(), 0, 0, 0);
        g.setColorAt(0, shade(base, 0.7));
        g.setColorAt(0.5, base);
        g.setColorAt(1, shade(base, 1.2));
        p.fillRect(r, g);
        p.setPen(QPen(edge, 2));
        if (across) {
            p.drawLine(QPointF(0, 3), QPointF(r.width(), 3));
            p.drawLine(QPointF(0, r.height() - 3), QPointF(r.width(), r.height() - 3));
        } else {
            p.drawLine(QPointF(3, 0), QPointF(3, r.height()));
            p.drawLine(QPointF(r.width() - 3, 0), QPointF(r.width() - 3, r.height()));
        }
        const QRectF spot(r.center().x() - 9, r.center().y() - 9, 18, 18);
        const QString emblem = art.style().word(QStringLiteral("frame.emblem"));
        if (emblem == QLatin1String("stud")) {
            // A gilded stud, at home on castle stone and on Aztec stone alike.
            QPolygonF diamond;
            diamond << QPointF(spot.center().x(), spot.top())
                    << QPointF(spot.right(), spot.center().y())
                    << QPointF(spot.center().x(), spot.bottom())
                    << QPointF(spot.left(), spot.center().y());
            p.setPen(QPen(edge, 1.5));
            p.setBrush(vertical(spot, QColor(250, 220, 120), QColor(190, 140, 40)));
            p.drawPolygon(diamond);
        } else if (emblem == QLatin1String("leaf")) {
            // A leaf on wood, for the garden and the cave alike.
            QPainterPath leaf;
            leaf.moveTo(spot.left(), spot.bottom());
            leaf.quadTo(spot.left(), spot.top(), spot.right(), spot.top());
            leaf.quadTo(spot.right(), spot.bottom(), spot.left(), spot.bottom());
            p.setPen(QPen(QColor(40, 90, 30), 1.2));
            p.setBrush(QColor(110, 180, 70));
            p.drawPath(leaf);
            p.drawLine(spot.bottomLeft(), spot.center());
        } else if (emblem == QLatin1String("theme")) {
            art.paintEmblem(p, spot);
        } else {
            throw std::runtime_error("frame.emblem is stud, leaf or theme");
        }
    });
}

}  // namespace rumbelo::art
