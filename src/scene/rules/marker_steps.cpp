#include "scene/rules/marker_steps.h"

namespace rumbelo {

MarkerStep stepMarker(int& sharedCounter) {
    MarkerStep step;
    if (sharedCounter >= 110 && sharedCounter <= 160 && sharedCounter % 10 == 0)
        step.circle = (sharedCounter - 100) / 10;
    sharedCounter += 5;
    step.dies = sharedCounter >= 170;
    return step;
}

}  // namespace rumbelo
