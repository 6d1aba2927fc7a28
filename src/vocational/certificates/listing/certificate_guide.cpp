#include "vocational/certificates/listing/certificate_guide.h"

namespace rumbelo::certificates {
namespace {

constexpr int kGirlTicks = 8;
constexpr int kLastTick = 14;
constexpr int kStep = 4;
constexpr int kStops[3] = {30, 50, 80};

}  // namespace

GuideStep certificateGuideStep(int tick) {
    GuideStep step;
    if (tick > kLastTick) {
        step.finished = true;
        return step;
    }
    if (tick >= 1 && tick <= kHelpLabels) {
        step.label = tick - 1;
        step.text = kFirstHelpText + tick - 1;
    }
    if (tick >= 1 && tick <= kGirlTicks) {
        step.click = true;
        step.frame = tick - 1;
    }
    return step;
}

bool slideTitles(TitleSlide& slide) {
    for (int i = 0; i < 3; ++i)
        if (slide.shown[i] && slide.left[i] > kStops[i]) slide.left[i] -= kStep;
    return slide.left[2] > kStops[2];
}

}  // namespace rumbelo::certificates
