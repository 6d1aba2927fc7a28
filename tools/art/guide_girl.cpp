#include "guide_girl.h"

#include "figure_rig.h"
#include "paint_kit.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {

FigureLook girlLook(double scale) {
    FigureLook look;
    look.headRadius = 17.5 * scale;
    look.torsoHeight = 33 * scale;
    look.shoulderWidth = 24 * scale;
    look.legLength = 40 * scale;
    look.limbWidth = 7.5 * scale;
    look.skin = QColor(0xf6, 0xcf, 0xa8);
    look.hair = QColor(0xc0, 0x55, 0x1c);
    look.top = QColor(0xe8, 0x3e, 0x8c);
    look.topTrim = QColor(0xff, 0xe0, 0x66);
    look.bottom = QColor(0x6a, 0x4c, 0xc2);
    look.shoes = QColor(0x4a, 0x2c, 0x7a);
    look.bag = look.top;
    look.bagStrap = look.topTrim;
    look.outline = QColor(0x3a, 0x22, 0x2a);
    look.skirt = true;
    look.ponytail = true;
    return look;
}

}  // namespace

QList<QImage> guideFrames() {
    const FigureLook look = girlLook(1.0);
    QList<QImage> frames;
    for (int f = 0; f < 8; ++f) {
        QImage frame = canvas(world::kGuideWidth, world::kGuideHeight);
        FigurePose pose;
        if (f < 6) {
            pose.facing = 90;
            pose.phase = f / 6.0;
        } else {
            pose.facing = f == 6 ? 55 : 25;
            pose.stride = 0;
            pose.wave = f == 7 ? 1 : 0;
            pose.mouthOpen = f == 7;
        }
        drawFigure(frame, world::kGuideWidth / 2.0, world::kGuideHeight - 3, look, pose);
        frames.append(frame);
    }
    return frames;
}

QImage guidePortrait() {
    const FigureLook look = girlLook(1.75);
    QImage portrait = canvas(world::kPortraitWidth, world::kPortraitHeight);
    FigurePose pose;
    pose.facing = 20;
    pose.stride = 0;
    pose.wave = 1;
    drawFigure(portrait, world::kPortraitWidth / 2.0, world::kPortraitHeight - 6, look, pose);
    return portrait;
}

}  // namespace rumbelo::art
