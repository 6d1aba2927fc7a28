#pragma once
// What the itinerary diagram asks of the secondary form that holds it: its help panel, and
// the form's own controls around the diagram (the main panel, the menus and their buttons).
#include "secondary/questionnaire/section_texts.h"

namespace rumbelo {

class ItineraryHost {
  public:
    virtual ~ItineraryHost() = default;
    // The help panel shows this help set from its start.
    virtual void startItineraryHelp(const secondary::HelpNumbers& lines) = 0;
    // The build-up starts: the questionnaire menu and botCuestio go, questionnaire mode is
    // off, and the main panel narrows to the help column so that the diagram has the form.
    virtual void itineraryStarted() = 0;
    // The buttons are up: botCuestio hidden, BotItinerarios shown disabled, and
    // BitAcabarLogse no longer the cancel button.
    virtual void itineraryButtonsShown() = 0;
    // The way back: the main panel, the menu, botCuestio and BotItinerarios as they were,
    // the help panel at its first place.
    virtual void itineraryEnded() = 0;
    // Intermediate FP opens from here on its browser, not on its questionnaire.
    virtual void handingOverToIntermediateFp() = 0;
};

}  // namespace rumbelo
