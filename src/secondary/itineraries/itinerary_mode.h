#pragma once
// The life of the itinerary diagram: the build-up one step per advance (a click or a key
// anywhere), then the picture buttons; a button opens a list, or only closes the one that
// is open; the space game waits for three lists opened; the way back resets it all.
namespace rumbelo::secondary {

struct Advance {
    int drawn = -1;            // the step just drawn, or -1
    int helpSet = 0;           // the help set to start, or 0
    bool showButtons = false;  // the build-up is over: the buttons appear
};

enum class ButtonClick {
    Ignored,     // not in the itinerary mode
    ClosedList,  // a list was open: it is closed, nothing opens
    Opens,       // the button's action runs
};

enum class GameClick { Play, Notice };

class ItineraryMode {
  public:
    // BotItinerarios: the build-up starts, and the first advance draws step 0.
    Advance enter();
    // A click or key while the build-up runs; nothing happens otherwise.
    Advance advance();
    ButtonClick buttonClicked(int index);
    void closeList() { listClosed_ = true; }
    // The space game: playable after three lists opened since the mode started (the count
    // starts again then); otherwise the notice.
    GameClick gameClicked();
    // BitAcabarLogse; also when a questionnaire takes the form over.
    void reset();

    bool itineraryMode() const { return itineraryMode_; }
    bool animating() const { return animating_; }
    bool listOpen() const { return !listClosed_; }
    int step() const { return step_; }
    int clickCount() const { return clickCount_; }
    int buttonType() const { return buttonType_; }
    // The last step a repaint shows (every step up to it), or -1 for none.
    int paintedUpTo() const;

  private:
    bool itineraryMode_ = false;
    bool animating_ = false;
    bool firstStepPending_ = true;
    int step_ = -1;
    bool listClosed_ = true;
    int clickCount_ = 0;
    int buttonType_ = 0;
};

}  // namespace rumbelo::secondary
