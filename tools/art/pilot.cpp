#include "pilot.h"

#include "figure_rig.h"
#include "paint_kit.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {

FigureLook pilotLook() {
    constexpr double scale = 0.45;  // the guide girl's proportions, beside a small helicopter
    FigureLook look;
    look.headRadius = 17.5 * scale;
    look.torsoHeight = 33 * scale;
    look.shoulderWidth = 24 * scale;
    look.legLength = 40 * scale;
    look.limbWidth = 7.5 * scale;
    look.skin = QColor(0xe9, 0xbb, 0x8f);
    look.hair = QColor(0xf2, 0xf2, 0xee);  // the white helmet
    look.top = QColor(0xf0, 0x7a, 0x1e);   // an orange flying suit
    look.topTrim = QColor(0x2b, 0x2d, 0x36);
    look.bottom = QColor(0xd8, 0x64, 0x12);
    look.shoes = QColor(0x2b, 0x2d, 0x36);
    look.bag = look.top;
    look.bagStrap = look.topTrim;
    look.outline = QColor(0x2b, 0x2d, 0x36);
    return look;
}

}  // namespace

QList<QImage> pilotFrames() {
    const FigureLook look = pilotLook();
    QList<QImage> frames;
    for (int f = 0; f < 8; ++f) {
        QImage frame = canvas(world::kPilotWidth, world::kPilotHeight);
        FigurePose pose;
        pose.facing = 90;
        pose.phase = f / 8.0;
        // The last frame turns to the pupil to talk.
        if (f == 7) {
            pose.facing = 30;
            pose.stride = 0;
            pose.wave = 1;
            pose.mouthOpen = true;
        }
        drawFigure(frame, world::kPilotWidth / 2.0, world::kPilotHeight - 2, look, pose);
        frames.append(frame);
    }
    return frames;
}

}  // namespace rumbelo::art
