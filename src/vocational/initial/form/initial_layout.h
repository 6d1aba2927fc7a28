#pragma once
// Where the initial-programmes form puts things: the guide and the group list on the left,
// a group's popup with its module panel on the right; in the programme view the map and
// the two panel buttons on the left, the name, heading and list or grid on the right.
#include <QRect>

namespace rumbelo::initial::layout {

inline constexpr int kFormWidth = 800;
inline constexpr int kFormHeight = 600;
inline constexpr int kFrame = 20;

inline constexpr QRect kSectionTitle{30, 20, 540, 32};  // LabelFPIp1; LabelFPIp2 3 px off
inline constexpr int kTitleShadow = 3;
inline constexpr QRect kYear{580, 24, 196, 22};  // LabelAno

inline constexpr QRect kHelpPanel{22, 56, 360, 196};   // PanelAyuda
inline constexpr QRect kGroupTitle{22, 258, 360, 28};  // PanelSelTit0
inline constexpr int kGroupRowHeight = 28;
inline constexpr int kIconTextLeft = 35;
inline constexpr int kIconTextTop = 2;
inline constexpr QRect kGroupList{22, 288, 360, 9 * kGroupRowHeight + 4};  // ListSelFp

inline constexpr int kItemHeight = 18;
inline constexpr int kPopupLeft = 392;
inline constexpr int kPopupWidth = 386;
inline constexpr int kPopupTopLimit = 56;
inline constexpr int kModuleRows = 6;
// The lists never run under the buttons.
inline constexpr int kListsBottom = 550;

inline constexpr QRect kMap{22, 56, 286, 214};        // mapa
inline constexpr QRect kPlaceList{22, 56, 356, 300};  // ListSelLugFP
inline constexpr QRect kRequirementsButton{22, 290, 170, 34};
inline constexpr QRect kSubjectsButton{208, 290, 170, 34};

inline constexpr QRect kNameOnView{388, 52, 390, 46};  // PanelCarSel
inline constexpr QRect kHeading{388, 100, 390, 26};    // PanelSelTit
inline constexpr QRect kList{388, 128, 390, 420};      // Listsel and reja
inline constexpr int kGridTextColumn = 306;
inline constexpr int kGridPhoneColumn = 68;

inline constexpr QRect kBack{22, 556, 150, 32};      // BotRetrocederFP
inline constexpr QRect kPrint{184, 556, 150, 32};    // BotImprimir
inline constexpr QRect kByPlace{184, 556, 198, 32};  // BotLug

}  // namespace rumbelo::initial::layout
