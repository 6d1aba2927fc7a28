#include "scene_picture.h"

#include "paint_kit.h"
#include "scene_items.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;
constexpr double kScale = 0.8;
}  // namespace

QImage scenePicture(const ThemeArt& art, const QString& artDir) {
    QImage image(kScenePictureWidth, kScenePictureHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p;
    beginPainter(p, image);
    // Sky beyond, then the front wall with three doors, then the floor in front of it.
    const double wallTop = 150;
    const double wallHeight = kWallHeight * kScale;
    art.paintCeiling(p, QRectF(0, 0, kScenePictureWidth, wallTop + 40));
    const QImage block = wallBlock(art);
    const double blockWidth = kWallPitch * kScale;
    for (double x = -40; x < kScenePictureWidth; x += blockWidth)
        p.drawImage(QRectF(x, wallTop, blockWidth, wallHeight), block);
    const double floorTop = wallTop + wallHeight;
    const QImage floor = floorTile(art);
    p.save();
    p.translate(0, floorTop);
    p.fillRect(QRectF(0, 0, kScenePictureWidth, kScenePictureHeight - floorTop), QBrush(floor));
    p.restore();
    p.fillRect(QRectF(0, floorTop, kScenePictureWidth, 16),
               vertical(QRectF(0, floorTop, 1, 16), QColor(0, 0, 0, 100), QColor(0, 0, 0, 0)));
    const QImage door = doorPicture(art, DoorState::Closed);
    const QImage open = doorPicture(art, DoorState::Open);
    const double doorWidth = kDoorWidth * kScale, doorHeight = kDoorHeight * kScale;
    const double faceTop = wallTop + kCapDepth * kScale;
    for (int i = 0; i < 3; ++i) {
        const double x = 400 - doorWidth / 2 + (i - 1) * 250;
        p.drawImage(QRectF(x, faceTop, doorWidth, doorHeight), i == 1 ? open : door);
    }
    // Statues on their pedestals flank the middle door.
    const QImage statue = statuePicture(art, artDir, false);
    const QImage greeting = statuePicture(art, artDir, true);
    const QImage pedestal = pedestalPicture(art);
    for (int side : {-1, 1}) {
        const double cx = 400 + side * 122;
        const double pedestalTop = floorTop - 60;
        p.drawImage(QRectF(cx - kPedestalWidth * kScale / 2, pedestalTop, kPedestalWidth * kScale,
                           kPedestalHeight * kScale),
                    pedestal);
        p.drawImage(QRectF(cx - kStatueWidth / 2.0, pedestalTop - kStatueHeight + 28, kStatueWidth,
                           kStatueHeight),
                    side < 0 ? statue : greeting);
    }
    p.end();
    return image;
}

}  // namespace rumbelo::art
