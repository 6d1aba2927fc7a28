#include "vocational/certificates/listing/certificate_guide.h"

namespace rumbelo::certificates {
namespace {

constexpr int kStep = 4;
constexpr int kStops[3] = {30, 50, 80};

}  // namespace

GuideStep certificateGuideStep(int tick) {
    return timedGuideStep(tick, TimedGuide{kFirstHelpText, kHelpLabels, false});
}

bool slideTitles(TitleSlide& slide) {
    for (int i = 0; i < 3; ++i)
        if (slide.shown[i] && slide.left[i] > kStops[i]) slide.left[i] -= kStep;
    return slide.left[2] > kStops[2];
}

}  // namespace rumbelo::certificates
