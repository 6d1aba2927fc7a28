#pragma once
// The itinerary diagram of the secondary form: the drawing built up one step per click or
// key, its forty-nine picture buttons, the pop-up list they open with its close and
// more-information buttons, the itinerary printouts and the space-game button. The face
// owns these controls and its state; the form hands it clicks and keys through its host.
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <array>
#include <vector>

#include "secondary/data/secondary_data.h"
#include "secondary/form/diagram_stop_button.h"
#include "secondary/form/itinerary_canvas.h"
#include "secondary/form/itinerary_host.h"
#include "secondary/itineraries/itinerary_lists.h"
#include "secondary/itineraries/itinerary_mode.h"
#include "secondary/itineraries/itinerary_popup.h"

class QListWidget;
class QPushButton;

namespace rumbelo {

class Program;

// The space game beside the program; it is not part of this program.
inline constexpr const char* kSpaceGameFile = "bachillerato.exe";

class ItineraryFace : public QObject {
    Q_OBJECT
  public:
    ItineraryFace(QWidget& form, Program& program, const secondary::SecondaryData& data,
                  ItineraryHost& host);

    // BotItinerarios (the door and the assistant call it too).
    void BotItinerariosClick();
    // A click on the form, the menu panel or the help panel, or a key: the next step while
    // the diagram builds up, otherwise the open list closes.
    void advance();
    // Presses on these also advance the build-up (the menu panel, the help panel).
    void watchPresses(QWidget* widget);
    // BitAcabarLogse: the mode is reset (the form then leaves the section).
    void leave();
    // A questionnaire takes the form: the diagram goes without leaving the section.
    void clear();
    // Escape: closes the open list; false when there was none.
    bool closeOnEscape();

    const secondary::ItineraryMode& mode() const { return mode_; }
    bool active() const { return mode_.itineraryMode() || mode_.animating(); }
    // Button i (1..50; the fiftieth stays hidden).
    DiagramStopButton* button(int i) const { return *buttons_.at(static_cast<std::size_t>(i - 1)); }

    ItineraryCanvas* canvas = nullptr;
    // clang-format off
    DiagramStopButton *b1 = nullptr, *B2 = nullptr, *BitBtn3 = nullptr, *BitBtn4 = nullptr,
        *BitBtn5 = nullptr, *BitBtn6 = nullptr, *BitBtn7 = nullptr, *BitBtn2 = nullptr,
        *BitBtn8 = nullptr, *BitBtn9 = nullptr, *BitBtn10 = nullptr, *BitBtn11 = nullptr,
        *BitBtn12 = nullptr, *BitBtn13 = nullptr, *BitBtn14 = nullptr, *BitBtn15 = nullptr,
        *BitBtn16 = nullptr, *BitBtn17 = nullptr, *BitBtn18 = nullptr, *BitBtn19 = nullptr,
        *BitBtn20 = nullptr, *BitBtn21 = nullptr, *BitBtn22 = nullptr, *BitBtn23 = nullptr,
        *BitBtn24 = nullptr, *BitBtn25 = nullptr, *BitBtn26 = nullptr, *BitBtn27 = nullptr,
        *BitBtn28 = nullptr, *BitBtn29 = nullptr, *BitBtn30 = nullptr, *BitBtn31 = nullptr,
        *BitBtn32 = nullptr, *BitBtn33 = nullptr, *BitBtn34 = nullptr, *BitBtn35 = nullptr,
        *BitBtn36 = nullptr, *BitBtn37 = nullptr, *BitBtn38 = nullptr, *BitBtn39 = nullptr,
        *BitBtn40 = nullptr, *BitBtn41 = nullptr, *BitBtn42 = nullptr, *BitBtn43 = nullptr,
        *BitBtn44 = nullptr, *BitBtn48 = nullptr, *BitBtn45 = nullptr, *BitBtn46 = nullptr,
        *B47 = nullptr, *b48 = nullptr;
    // clang-format on
    QListWidget* List_Sel = nullptr;
    QPushButton* botContextual = nullptr;
    QPushButton* BotCerrarV = nullptr;
    QPushButton* BotBachEsp = nullptr;
    QTimer TimerParpadeo;

    // The handlers, callable as the events call them.
    void pictureButtonClick(int index);
    void BotCerrarVClick();
    void botContextualClick();
    void BotBachEspClick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void applyCaptions();
    void step(const secondary::Advance& advance);
    void showButtons();
    void runAction(const secondary::ItineraryButton& button);
    void showPopup(const secondary::ItemList& list, int type, int left, int top);
    void openingTick();
    void hidePopup();
    void closeList();
    void TimerParpadeoTimer();
    void printItinerary(int p);
    void startHelp(int set);
    bool sectionAvailable(int type) const;

    QWidget& form_;
    Program& program_;
    const secondary::SecondaryData& data_;
    ItineraryHost& host_;
    secondary::ItineraryMode mode_;
    std::array<DiagramStopButton**, 50> buttons_;
    bool informationList_ = false;
    QPoint lastButton_;
    secondary::PopupLayout popup_;
    std::size_t openingFrame_ = 0;
    QTimer openingTimer_;
    QStringList pendingItems_;
    int blinkCount_ = 0;
};

}  // namespace rumbelo
