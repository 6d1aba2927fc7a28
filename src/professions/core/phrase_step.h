#pragma once
// Step 1 of the professions questionnaire: the question box walks from the introduction
// through every long phrase to the end message; a yes marks the phrase just answered.
#include <vector>

namespace rumbelo::professions {

// What the box shows after a press of yes or no.
struct BoxView {
    bool hidden = false;        // a press on the end message: the box goes away
    bool introduction = false;  // the introduction, without the no button
    bool endMessage = false;    // the end message, without the no button
    int phrase = -1;            // the long phrase on screen (0-based), -1 when none
    int markRow = -1;           // the row of the phrase list a yes marks, -1 when none
};

class PhraseStep {
  public:
    explicit PhraseStep(int phraseCount = 0) : count_(phraseCount) {}
    // Back to just before the introduction; the next press (a yes) shows it.
    void restart() { position_ = -2; }
    // One press: the position moves on and the view says what to show and mark.
    BoxView press(bool yes);
    // Next with too few or too many marks: the end message again, nothing marked.
    BoxView backToEndMessage();
    int position() const { return position_; }
    int count() const { return count_; }

  private:
    int count_;
    int position_ = -2;
};

// The interface texts of the end message for a number of marked phrases: 637 and 636 below
// four, else 634, 635 and 636.
std::vector<int> endMessageTexts(int marked);
// One to three marked phrases let step 2 start.
bool markCountAllowsNext(int marked);

}  // namespace rumbelo::professions

namespace rumbelo::professions {

// The question box opening: from a thin line at its middle to its full size.
struct BoxGeometry {
    int top = 0;
    int height = 0;
};
BoxGeometry collapsedBox(int designTop, int designHeight);
// One tick of the opening: 10 pixels taller and 5 higher, never past the full size. False
// once the box stands at its full size, when the timer stops.
bool growBox(BoxGeometry& box, int designTop, int designHeight);

// The icon of a row of the long-phrase list (1-based); -1 for none.
int longPhraseIcon(int row);

}  // namespace rumbelo::professions
