#include "common/guide/guide_steps.h"

namespace rumbelo {

GuideTick guideTick(GuideCounters& counters, const GuideLines& lines, bool clickEveryTick) {
    GuideTick tick;
    const int s = counters.step++;
    if (s >= kGuideSteps) {
        counters.reset();
        tick.finished = true;
        return tick;
    }
    tick.frame = s;
    const auto& line = lines[s];
    if (line) {
        tick.label = counters.line++;
        tick.text = *line;
    }
    tick.click = clickEveryTick || (line && !line->empty());
    return tick;
}

GuideLines sceneGuideLines(const std::array<std::string, 5>& texts) {
    GuideLines lines;
    const int steps[] = {0, 1, 3, 5, 7};
    for (int i = 0; i < 5; ++i)
        lines[steps[i]] = texts[i];
    return lines;
}

TimedGuideStep timedGuideStep(int tick, const TimedGuide& guide) {
    constexpr int kLastTick = 14;
    TimedGuideStep step;
    if (tick > kLastTick) {
        step.finished = true;
        return step;
    }
    if (tick >= 1 && tick <= guide.textTicks) {
        step.label = tick - 1;
        step.text = guide.firstText + tick - 1;
    } else if (guide.blankAfter && tick == guide.textTicks + 1) {
        step.label = tick - 1;
    }
    if (tick >= 1 && tick <= kGuideSteps) {
        step.click = true;
        step.frame = tick - 1;
    }
    return step;
}

}  // namespace rumbelo
