#include "secondary/itineraries/itinerary_mode.h"

#include "secondary/itineraries/itinerary_buttons.h"
#include "secondary/itineraries/itinerary_drawing.h"

namespace rumbelo::secondary {
namespace {

constexpr int kBuildUpHelpSet = 9;
constexpr int kButtonsHelpSet = 22;
constexpr int kStepHelpSets[] = {0, 12, 13, 14, 15, 16, 17, 19};

}  // namespace

Advance ItineraryMode::enter() {
    animating_ = true;
    clickCount_ = 0;
    return advance();
}

Advance ItineraryMode::advance() {
    Advance result;
    if (!animating_) return result;
    if (firstStepPending_) {
        itineraryMode_ = true;
        if (step_ < kWholeDiagram) result.helpSet = kBuildUpHelpSet;
    }
    firstStepPending_ = false;
    if (step_ > kLastDrawingStep - 1) {
        animating_ = false;
    } else {
        ++step_;
        result.drawn = step_;
        if (kStepHelpSets[step_] != 0) result.helpSet = kStepHelpSets[step_];
    }
    if (animating_) return result;
    result.showButtons = true;
    result.helpSet = kButtonsHelpSet;
    firstStepPending_ = true;
    return result;
}

ButtonClick ItineraryMode::buttonClicked(int index) {
    if (!itineraryMode_ || animating_ || index < 1 || index > kItineraryButtons)
        return ButtonClick::Ignored;
    if (!listClosed_) {
        listClosed_ = true;
        return ButtonClick::ClosedList;
    }
    ++clickCount_;
    listClosed_ = false;
    buttonType_ = index + 1;
    return ButtonClick::Opens;
}

GameClick ItineraryMode::gameClicked() {
    if (clickCount_ > 2) {
        clickCount_ = 0;
        return GameClick::Play;
    }
    return GameClick::Notice;
}

void ItineraryMode::reset() {
    clickCount_ = 0;
    firstStepPending_ = true;
    step_ = -1;
    itineraryMode_ = false;
    animating_ = false;
    listClosed_ = true;
}

int ItineraryMode::paintedUpTo() const {
    if (!itineraryMode_ || step_ < 0) return -1;
    return animating_ ? step_ : kWholeDiagram;
}

}  // namespace rumbelo::secondary
