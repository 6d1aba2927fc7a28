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

}  // namespace rumbelo
