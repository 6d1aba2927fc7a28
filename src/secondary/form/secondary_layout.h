#pragma once
// Where the secondary form puts things: the frame strips, the menu panel and the help panel
// on the left, the questionnaire panel (or the results) on the right, the buttons below.
#include <QRect>

namespace rumbelo::secondary::layout {

inline constexpr int kFrame = 20;  // the frame strips along the top and the sides
inline constexpr QRect kMenuPanel{24, 24, 180, 233};
inline constexpr int kMenuButtonHeight = 62;
inline constexpr int kMenuButtonGap = 11;
// The questionnaire menu opens beside the menu panel, over its right edge.
inline constexpr QRect kQuestionnaireMenu{kMenuPanel.right() + 1 - 20, kMenuPanel.top() + 4, 400,
                                          160};
// The help panel stands under the menu panel; the itinerary diagram starts right of it.
inline constexpr QRect kHelpPanel{24, 268, 180, 320};
inline constexpr int kHelpLines = 8;
inline constexpr QRect kQuestionnairePanel{200, 24, 577, 521};
inline constexpr QRect kGrid{12, 10, 550, 455};
inline constexpr int kGridColumns[3] = {323, 100, 53};
inline constexpr int kGridScrollBar = 16;
// The results take the questionnaire panel's place; their lower panel holds the buttons.
inline constexpr QRect kResultsList{200, 24, 577, 466};
inline constexpr QRect kResultsLowerPanel{200, 490, 577, 55};
inline constexpr QRect kResultsButton{257, 498, 137, 36};
inline constexpr QRect kEndButton{401, 498, 80, 36};
inline constexpr QRect kPrintButton{489, 498, 120, 36};
inline constexpr QRect kSaveButton{616, 498, 121, 36};
inline constexpr QRect kContinueButton{478, 494, 38, 38};
inline constexpr QRect kTitlesPanel{352, 64, 385, 473};
inline constexpr int kHintBarHeight = 22;

}  // namespace rumbelo::secondary::layout
