#pragma once
// The static scene's three small animations, as positions and frame numbers: the intro
// walker, a door opening over the chosen label, and the zoom into the door's column.
#include <optional>

namespace rumbelo {

struct FrameAt {
    int x = 0;
    int y = 0;
    int frame = 0;
    bool last = false;  // the animation stops after this one
};

// A figure walks along y 190 from x 90, 15 pixels a tick, cycling frames 0-5 while left of
// 250, then shows frames 6 and 7 and stops.
class IntroWalker {
  public:
    FrameAt tick();

  private:
    int x_ = 90;
    int frame_ = 0;
};

// A door climbing 15 pixels a tick over its label: frames 0 to 4. The bottom row (sections
// above 6) starts at y 420, the top row at 120.
class DoorOpening {
  public:
    DoorOpening(int section, int labelLeft);
    FrameAt tick();
    int step() const { return step_; }

  private:
    int x_;
    int startY_;
    int step_ = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// One zoom tick: the mosaic tile stretched over the door's column, growing by 10 a tick.
// Nothing once the step has reached 100: the section opens then.
std::optional<Rect> zoomTick(int& step, int section, int tileWidth, int tileHeight);

}  // namespace rumbelo
