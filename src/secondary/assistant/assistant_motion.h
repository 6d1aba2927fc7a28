#pragma once
// The assistant's timers as plain steps: each tick function takes the state and returns
// what the form moves or shows. Positions are in pixels of the parent panel.
#include <array>
#include <span>
#include <string_view>

#include "secondary/assistant/assistant_texts.h"

namespace rumbelo::assistant {

// Start text: up 2 pixels; once entirely above the panel it begins again at the bottom.
int scrollTick(int textTop, int textHeight, int panelHeight);

// Slide-in of the yellow panel, 4 pixels left a tick; done once left of where it was made.
struct Slide {
    int left;
    bool done;
};
Slide slideTick(int left, int restingLeft);

// The three step texts shown one after another (step 1..3, 0 idle).
class StepAnimation {
  public:
    // Step 1 begins with its text at the bottom of a yellow panel `panelHeight` high.
    void start(int panelHeight);
    void stop() { step_ = 0; }

    struct Tick {
        int step = 0;     // the step this tick belongs to (0: nothing to do)
        int textTop = 0;  // where the panel's text stands now
        bool arrowVisible = false;
        bool stepDone = false;  // the step's arrow stays shown; the next text is loaded
        bool finished = false;  // after step 3: hide the yellow panel
    };
    Tick tick();

    int step() const { return step_; }

  private:
    int step_ = 0;
    int ticks_ = 0;
    int textTop_ = 0;
    int panelHeight_ = 0;
    bool arrowVisible_ = false;
};

// The arrows: ESO 2, 3, 4; Bachillerato 6, 7, 8.
Stage stageOfArrow(int arrow);
// The arrow of a step of a stage (step 1 has the last arrow of its stage).
int arrowOfStep(Stage stage, int step);

// Where the helicopter starts for `arrow`, over a picture panel at `panelTop` of
// `panelWidth` x `panelHeight`, the clicked arrow's top being `arrowTop`.
struct Point {
    int x, y;
};
Point flightStart(int arrow, int panelWidth, int panelTop, int panelHeight, int arrowTop);

inline constexpr int kFlightTicks = 26;
// The helicopter after `tick` ticks (1..26) of the flight for `arrow`.
Point flightPosition(int arrow, Point start, int tick);

// The buttons an arrow's flight reveals, by objectName.
std::span<const std::string_view> buttonsOfArrow(int arrow);
// Every arrow of a stage, in the order of its objectName.
std::array<int, 3> arrowsOf(Stage stage);

}  // namespace rumbelo::assistant
