#include "pupil.h"

#include "figure_rig.h"
#include "paint_kit.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {

struct Series {
    const char* name;
    double facing;  // degrees, 0 towards the viewer
};

// Series names as the character uses them: up, down, right ("der"), left ("izq") and the four
// diagonals ("do" = down).
constexpr Series kSeries[] = {
    {"manup", 180},    {"mandown", 0},    {"mander", 90},   {"manizq", 270},
    {"manupder", 135}, {"manupizq", 225}, {"mandoder", 45}, {"mandoizq", 315},
};
constexpr int kFramesPerSeries = 10;

FigureLook pupilLook() {
    FigureLook look;
    look.headRadius = 21;
    look.torsoHeight = 50;
    look.shoulderWidth = 33;
    look.legLength = 58;
    look.limbWidth = 11;
    look.skin = QColor(0xf2, 0xc1, 0x94);
    look.hair = QColor(0x6b, 0x3e, 0x1f);
    look.top = QColor(0x2f, 0x8f, 0xd8);
    look.topTrim = QColor(0xff, 0xd1, 0x47);
    look.bottom = QColor(0x3c, 0x4f, 0x7a);
    look.shoes = QColor(0xe4, 0x4d, 0x3a);
    look.bag = QColor(0xf5, 0x8f, 0x29);
    look.bagStrap = QColor(0x8a, 0x3f, 0x10);
    look.outline = QColor(0x2b, 0x22, 0x1c);
    look.backpack = true;
    return look;
}

}  // namespace

std::vector<ImageEntry> pupilFrames() {
    const FigureLook look = pupilLook();
    std::vector<ImageEntry> out;
    for (const Series& series : kSeries) {
        for (int f = 0; f < kFramesPerSeries; ++f) {
            QImage frame = canvas(world::kManWidth, world::kManHeight);
            FigurePose pose;
            pose.facing = series.facing;
            pose.phase = double(f) / kFramesPerSeries;
            drawFigure(frame, world::kManWidth / 2.0, world::kManHeight - 4, look, pose);
            out.push_back({QString::asprintf("%s%02d", series.name, f + 1), {frame}});
        }
    }
    return out;
}

}  // namespace rumbelo::art
