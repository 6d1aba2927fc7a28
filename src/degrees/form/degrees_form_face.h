#pragma once
// What a face of the degrees form answers when the window routes a shared control to it:
// the region map, the working list and the buttons under it belong to whichever face is in use.

namespace rumbelo {

class DegreesFormFace {
  public:
    virtual ~DegreesFormFace() = default;
    // A community of the region map was clicked.
    virtual void communityClicked(int community) = 0;
    // A row of ListSel was double-clicked or Enter was pressed on it.
    virtual void listActivated() = 0;
    // An entry of ListComunidad was clicked.
    virtual void communityListClicked(int entry) = 0;
    // BotRetroceder and BotImprimir.
    virtual void backClicked() = 0;
    virtual void printClicked() = 0;
};

}  // namespace rumbelo
