#include "scene_items.h"

#include "mini_map.h"
#include "paint_kit.h"
#include "svg_art.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;

constexpr int kPillar = 14;  // half a pillar at each end: two pieces side by side make one

// The shading where a wall top meets its face, and the dark line at the floor.
void faceShading(QPainter& p, const QRectF& face) {
    p.fillRect(QRectF(face.left(), face.top(), face.width(), 6),
               vertical(QRectF(0, face.top(), 1, 6), QColor(0, 0, 0, 90), QColor(0, 0, 0, 0)));
    const QRectF base(face.left(), face.bottom() - 18, face.width(), 18);
    p.fillRect(base, vertical(base, QColor(0, 0, 0, 0), QColor(0, 0, 0, 80)));
}

// A wall top's front edge catches the light.
void topEdge(QPainter& p, const QRectF& top) {
    p.fillRect(QRectF(top.left(), top.bottom() - 3, top.width(), 3), QColor(255, 255, 255, 70));
}

// Face and top of a wall `width` wide, with pillars at both ends; `passage` is a run of columns
// left open (transparent), framed by pillars, or empty.
QImage wallPiece(const ThemeArt& art, int width, int capDepth, int faceHeight, int passageLeft,
                 int passageRight) {
    return paintedCanvas(width, capDepth + faceHeight, [&](QPainter& p) {
        const bool passage = passageRight > passageLeft;
        auto solidRuns = [&](auto paint) {
            if (!passage) {
                paint(0.0, double(width));
            } else {
                paint(0.0, double(passageLeft));
                paint(double(passageRight), double(width));
            }
        };
        if (capDepth > 0) {
            solidRuns([&](double l, double r) {
                const QRectF top(l, 0, r - l, capDepth);
                p.save();
                p.setClipRect(top);
                art.paintWallTop(p, top, true);
                topEdge(p, top);
                p.restore();
            });
        }
        if (faceHeight > 0) {
            solidRuns([&](double l, double r) {
                const QRectF face(l, capDepth, r - l, faceHeight);
                p.save();
                p.setClipRect(face);
                art.paintWallFace(p, face);
                faceShading(p, face);
                p.restore();
            });
            const double top = capDepth;
            art.paintPillar(p, QRectF(0, top, kPillar, faceHeight));
            art.paintPillar(p, QRectF(width - kPillar, top, kPillar, faceHeight));
            if (passage) {
                art.paintPillar(p, QRectF(passageLeft - 2 * kPillar, top, 2 * kPillar, faceHeight));
                art.paintPillar(p, QRectF(passageRight, top, 2 * kPillar, faceHeight));
            }
        }
        if (passage && capDepth > 0) {
            // The cap's cut ends beside the gap, in shadow.
            for (int x : {passageLeft - 4, passageRight}) {
                p.fillRect(QRectF(x, 0, 4, capDepth), QColor(0, 0, 0, 60));
            }
        }
        if (passage) {
            // Nothing of the pillars' trims may spill into the passage: the character walks there.
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            p.fillRect(QRect(passageLeft, 0, passageRight - passageLeft, capDepth + faceHeight),
                       Qt::transparent);
        }
    });
}

// A side wall seen from above: its top between two low plinths. "lateralPaso" keeps only the
// rounded end of the wall above and leaves the rest open for the character to walk through.
QImage sideWall(const ThemeArt& art, int height, bool passage) {
    return paintedCanvas(kSideWidth, height, [&](QPainter& p) {
        const QRectF core(kSidePlinth, 0, kSideWidth - 2 * kSidePlinth, height);
        if (passage) {
            const QRectF end(core.left(), 0, core.width(), 22);
            QPainterPath rounded;
            rounded.moveTo(end.topLeft());
            rounded.lineTo(end.topRight());
            rounded.lineTo(end.right(), end.top() + 6);
            rounded.quadTo(end.right(), end.bottom(), end.right() - 16, end.bottom());
            rounded.lineTo(end.left() + 16, end.bottom());
            rounded.quadTo(end.left(), end.bottom(), end.left(), end.top() + 6);
            rounded.closeSubpath();
            p.save();
            p.setClipPath(rounded);
            art.paintWallTop(p, QRectF(core.left(), 0, core.width(), height), false);
            p.restore();
            p.setPen(QPen(QColor(0, 0, 0, 90), 2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(rounded);
            return;
        }
        for (const QRectF plinth : {QRectF(0, 0, kSidePlinth, height),
                                    QRectF(kSideWidth - kSidePlinth, 0, kSidePlinth, height)}) {
            // A low step of the same stone, in the wall's shadow.
            p.save();
            p.setClipRect(plinth);
            art.paintWallTop(p, QRectF(plinth.left() - 40, 0, plinth.width() + 80, height), false);
            p.fillRect(plinth, QColor(0, 0, 0, 85));
            p.restore();
        }
        p.save();
        p.setClipRect(core);
        art.paintWallTop(p, core, false);
        p.restore();
        // The wall's edges: light on the left, shadow on the right.
        p.fillRect(QRectF(core.left(), 0, 3, height), QColor(255, 255, 255, 70));
        p.fillRect(QRectF(core.right() - 4, 0, 4, height), QColor(0, 0, 0, 80));
        p.fillRect(
            QRectF(core.right(), 0, 8, height),
            horizontal(QRectF(core.right(), 0, 8, 1), QColor(0, 0, 0, 90), QColor(0, 0, 0, 0)));
    });
}

QImage ceilingMask(const ThemeArt& art) {
    return paintedCanvas(kMaskWidth, kMaskHeight, [&](QPainter& p) {
        art.paintCeiling(p, QRectF(0, 0, kMaskWidth, kMaskHeight));
    });
}

QImage speechBubble(const ThemeArt& art) {
    return paintedCanvas(kBubbleWidth, kBubbleHeight, [&](QPainter& p) {
        // The tail reaches down-left towards the character's head; the text sits at (18, 15).
        QPainterPath body;
        body.addRoundedRect(QRectF(3, 3, kBubbleWidth - 6, 72), 26, 26);
        QPainterPath tail;
        tail.moveTo(30, 66);
        tail.quadTo(22, 86, 4, kBubbleHeight - 3);
        tail.quadTo(38, 88, 58, 70);
        tail.closeSubpath();
        const QPainterPath shape = body.united(tail);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawPath(shape.translated(3, 3));
        p.setBrush(QColor(255, 253, 240));
        p.setPen(QPen(art.style().colour(QStringLiteral("trim")), 3));
        p.drawPath(shape);
    });
}

}  // namespace

QImage floorTile(const ThemeArt& art) {
    return paintedCanvas(kFloorTile, kFloorTile, [&](QPainter& p) {
        art.paintFloor(p, QRect(0, 0, kFloorTile, kFloorTile));
    });
}

QImage wallBlock(const ThemeArt& art) {
    return wallPiece(art, kWallPitch, kCapDepth, kFaceHeight, 0, 0);
}

QImage doorPicture(const ThemeArt& art, DoorState state) {
    return paintedCanvas(kDoorWidth, kDoorHeight, [&](QPainter& p) {
        art.paintDoor(p, QRectF(0, 0, kDoorWidth, kDoorHeight), state);
    });
}

QImage statuePicture(const ThemeArt& art, const QString& artDir, bool greeting) {
    const QString letter = art.style().letter();
    return renderSvg(
        artDir + QStringLiteral("/statues/statue-") + letter + QStringLiteral(".svg"), kStatueWidth,
        kStatueHeight,
        {{QStringLiteral("rest"), greeting ? QStringLiteral("none") : QStringLiteral("inline")},
         {QStringLiteral("greet"), greeting ? QStringLiteral("inline") : QStringLiteral("none")}});
}

// A low block of the wall's own stone: a top seen from above and a face with the emblem.
QImage pedestalPicture(const ThemeArt& art) {
    return paintedCanvas(kPedestalWidth, kPedestalHeight, [&](QPainter& p) {
        const double topDepth = 34;
        const QRectF top(4, 2, kPedestalWidth - 8, topDepth);
        const QRectF face(4, 2 + topDepth, kPedestalWidth - 8, kPedestalHeight - topDepth - 10);
        floorShadow(p, QRectF(0, kPedestalHeight - 22, kPedestalWidth, 22), 110);
        QPainterPath outline;
        outline.addRoundedRect(top.united(face), 6, 6);
        p.save();
        p.setClipPath(outline);
        art.paintWallTop(p, top, true);
        topEdge(p, top);
        art.paintWallFace(p, face);
        faceShading(p, face);
        p.restore();
        p.setPen(QPen(QColor(0, 0, 0, 110), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        art.paintEmblem(p, QRectF(face.center().x() - 22, face.top() + 18, 44, 44));
    });
}

QImage boardPicture(const ThemeArt& art, int width, int height, BoardShape shape) {
    return paintedCanvas(
        width, height, [&](QPainter& p) { art.paintBoard(p, QRectF(0, 0, width, height), shape); });
}

std::vector<ImageEntry> themeSceneList(const ThemeArt& art, const QString& artDir) {
    return {
        {QStringLiteral("background"), {floorTile(art)}},
        {QStringLiteral("lateral1"), {sideWall(art, kSideUpper, false)}},
        {QStringLiteral("lateral2"), {sideWall(art, kSideLower, false)}},
        {QStringLiteral("lateralPaso"), {sideWall(art, kSideLower, true)}},
        {QStringLiteral("pared"),
         {wallPiece(art, kLongWall, 0, kFaceHeight, kPassageLeft, kPassageRight)}},
        {QStringLiteral("paredUp"),
         {wallPiece(art, kCapReach, kCapDepth, 0, kPassageLeft, kPassageRight)}},
        {QStringLiteral("paredUp2"), {wallPiece(art, kWallPitch, kCapDepth, 0, 0, 0)}},
        {QStringLiteral("paredEx"), {wallBlock(art)}},
        {QStringLiteral("rotulo1"),
         {boardPicture(art, kSignWidth, kSignHeight, BoardShape::Plain)}},
        {QStringLiteral("rotulo2"),
         {boardPicture(art, kHangingSignWidth, kSignHeight, BoardShape::Hanging)}},
        {QStringLiteral("rotulos"),
         {boardPicture(art, kDoubleSignWidth, kDoubleSignHeight, BoardShape::Double)}},
        {QStringLiteral("puertaB"), {doorPicture(art, DoorState::Closed)}},
        {QStringLiteral("puer3"), {doorPicture(art, DoorState::Open)}},
        {QStringLiteral("faraon1"), {statuePicture(art, artDir, false)}},
        {QStringLiteral("faraon2"), {statuePicture(art, artDir, true)}},
        {QStringLiteral("pedestal"), {pedestalPicture(art)}},
        {QStringLiteral("tabla1"),
         {boardPicture(art, kPlateWidth, kPlateHeight, BoardShape::Plate)}},
        {QStringLiteral("bocadillo"), {speechBubble(art)}},
        {QStringLiteral("zoom"), {ceilingMask(art)}},
        {QStringLiteral("zoomC"), {miniMap(art)}},
    };
}

}  // namespace rumbelo::art
