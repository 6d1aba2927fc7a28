#pragma once
// Where the intermediate-FP form puts things: the maps and the title's buttons on the
// left, the families list, text panels and the listing grid on the right, the start menu
// in the middle where the helicopter brings it, the questionnaire across the form.
#include <QRect>

namespace rumbelo::intermediate::layout {

inline constexpr int kFormWidth = 800;
inline constexpr int kFormHeight = 600;
inline constexpr int kFrame = 20;

inline constexpr QRect kSectionTitle{30, 22, 550, 30};  // LabelFPGM
inline constexpr QRect kYear{590, 24, 186, 22};         // LabelAno

// The start menu where the flight leaves each button (left 292, tops 138 and 234).
inline constexpr QRect kByTitle{292, 138, 220, 60};  // botTit2
inline constexpr QRect kByPlace{292, 234, 220, 60};  // botLug2
inline constexpr QRect kExit{292, 330, 220, 60};     // botSalir

// The right column: name on view, heading, then the list or the grid.
inline constexpr QRect kNameOnView{388, 52, 390, 46};  // PanelCarSel
inline constexpr QRect kHeading{388, 100, 390, 26};    // PanelSelTit
inline constexpr QRect kList{388, 128, 390, 420};      // listSelFP
inline constexpr QRect kGrid{388, 128, 390, 420};      // reja
inline constexpr int kGridTextColumn = 306;
inline constexpr int kGridPhoneColumn = 68;
inline constexpr int kItemHeight = 18;
inline constexpr int kPopupOffset = 310;  // the title popup stands this far left of the list
inline constexpr int kPopupWidth = 300;

// The left column: the maps, the place lists, the title's buttons.
inline constexpr QRect kCommunityMap{22, 56, 286, 214};
inline constexpr QRect kPlaceList{22, 56, 356, 300};  // ListSelLugFP
inline constexpr QRect kComarcaList{100, 280, 220, 190};
inline constexpr int kTitleButtonsTop = 290;
inline constexpr int kTitleButtonHeight = 34;
inline constexpr int kLeftWidth = 380;
inline constexpr QRect kPrintSelection{22, 280, 380, 262};  // PanelImp
inline constexpr QRect kBack{22, 552, 150, 32};             // BotRetrocederFP
inline constexpr QRect kPrint{184, 552, 150, 32};           // BotImprimir
inline constexpr QRect kPhone{22, 362, 180, 30};            // BotTelefono

// The questionnaire.
inline constexpr int kAreaRowHeight = 32;
inline constexpr QRect kAreas{40, 110, 560, 11 * kAreaRowHeight + 4};  // ListGM
inline constexpr QRect kStatements{40, 110, 720, 420};                 // ListGM2
inline constexpr QRect kForward{704, 540, 56, 40};                     // BitFleGMde
inline constexpr QRect kBackward{640, 540, 56, 40};                    // BitFleGMiz
inline constexpr QRect kLeaveQuestionnaire{40, 544, 170, 34};          // BotSalirCues
inline constexpr QRect kPrintQuestionnaire{388, 548, 300, 36};         // BotImprimirCuesGM
inline constexpr int kSmallListWidth = 380;                            // ListPeque

// The guide.
inline constexpr int kHeliWidth = 83, kHeliHeight = 28;
inline constexpr int kSmallHeliWidth = 42, kSmallHeliHeight = 14;
inline constexpr int kHelpLineHeight = 22;
inline constexpr int kPilotWidth = 26, kPilotHeight = 54;

}  // namespace rumbelo::intermediate::layout
