#pragma once
// The certificates help guide and the titles that slide in after it. The guide ticks every
// 300 ms: ticks 1-7 write one help line each, ticks 1-8 move the guide girl with a key
// click, and after tick 14 the guide stops and the three list titles start sliding in.
#include "common/guide/guide_steps.h"

namespace rumbelo::certificates {

inline constexpr int kGuideIntervalMs = 300;
inline constexpr int kSlideIntervalMs = 50;
inline constexpr int kFirstHelpText = 562;
inline constexpr int kHelpLabels = 7;

using GuideStep = TimedGuideStep;

GuideStep certificateGuideStep(int tick);

// Left edges of LabelTit1-3 and whether their panels are shown.
struct TitleSlide {
    int left[3] = {0, 0, 0};
    bool shown[3] = {false, false, false};
};

// One 50 ms step: each shown title above its stop moves 4 pixels left. False when the
// slide is over (the third title has arrived).
bool slideTitles(TitleSlide& slide);

}  // namespace rumbelo::certificates
