#include "scene/rules/static_scene_steps.h"

namespace rumbelo {
namespace {
bool bottomRow(int section) {
    return section > 6;
}
}  // namespace

FrameAt IntroWalker::tick() {
    FrameAt at{x_, 190, frame_, frame_ == 7};
    x_ += 15;
    ++frame_;
    if (frame_ > 5 && frame_ < 7 && x_ < 250) frame_ = 0;
    return at;
}

DoorOpening::DoorOpening(int section, int labelLeft)
    : x_(labelLeft + 10), startY_(bottomRow(section) ? 420 : 120) {}

FrameAt DoorOpening::tick() {
    FrameAt at{x_, startY_ - 15 * step_, step_, step_ == 4};
    ++step_;
    return at;
}

std::optional<Rect> zoomTick(int& step, int section, int tileWidth, int tileHeight) {
    if (step >= 100) return std::nullopt;
    step += 10;
    const int column = bottomRow(section) ? section - 5 : section;
    const int rowTop = bottomRow(section) ? 305 : 0;
    return Rect{(column - 1) * tileWidth - step / 2, rowTop, column * tileWidth + step / 2,
                rowTop + tileHeight + step};
}

}  // namespace rumbelo
