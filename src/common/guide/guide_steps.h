#pragma once
// The rhythm every help panel follows: on each tick of its timer the next of eight steps
// shows the guide girl's frame for that step and may put one help line into the panel's
// next label, with a key click. Two counters are shared by all panels (the step and the next
// label); they are 0 while no panel runs.
#include <array>
#include <optional>
#include <string>

namespace rumbelo {

inline constexpr int kGuideSteps = 8;

struct GuideCounters {
    int step = 0;
    int line = 0;
    void reset() { *this = GuideCounters{}; }
};

// The lines of one help set: the line put at each step, or nothing at a step that only moves
// the girl.
using GuideLines = std::array<std::optional<std::string>, kGuideSteps>;

struct GuideTick {
    bool finished = false;  // past the eighth step: the timer stops, the counters are 0
    int frame = 0;          // the guide frame to show (the step)
    int label = -1;         // the label that takes `text`, or -1
    std::string text;
    bool click = false;
};

// One tick. A panel that clicks on every tick says so; otherwise only a non-empty line clicks.
GuideTick guideTick(GuideCounters& counters, const GuideLines& lines, bool clickEveryTick);

// The slower guide of the vocational sections' group lists (every 300 ms): the first ticks
// write one interface text each into the labels in turn, the tick after them may empty one
// more label, ticks 1-8 move the girl with a key click, and after tick 14 the guide is over.
struct TimedGuide {
    int firstText = 0;        // the text of tick 1; tick k writes firstText + k - 1
    int textTicks = 0;        // ticks 1..textTicks write a text
    bool blankAfter = false;  // tick textTicks + 1 empties the next label
};

struct TimedGuideStep {
    bool finished = false;  // past tick 14: stop the guide
    int label = -1;         // 0-based help label to fill, or -1
    int text = 0;           // the interface text for it, 0 to empty it
    bool click = false;     // key click and girl frame `frame`
    int frame = 0;
};

TimedGuideStep timedGuideStep(int tick, const TimedGuide& guide);

// The scene's own panel: texts at steps 0, 1, 3, 5 and 7 into its five labels.
GuideLines sceneGuideLines(const std::array<std::string, 5>& texts);

}  // namespace rumbelo
