#pragma once
// Where the professions form puts things: the phrase list or the short-phrase list filling
// the window, the question box over it, the results panel on top, the buttons below.
#include <QRect>

namespace rumbelo::professions::layout {

inline constexpr QRect kPhraseList{20, 20, 760, 0};  // height from its rows
inline constexpr int kPhraseRowHeight = 27;
inline constexpr int kPhraseTextLeft = 30;
inline constexpr int kPhraseTextTop = 5;
inline constexpr QRect kQuestionBox{130, 170, 540, 210};
inline constexpr QRect kTitlePanel{20, 20, 760, 32};
inline constexpr int kTitleStop = 80;  // the sliding title halts this far from the left
inline constexpr int kShortRowHeight = 34;
inline constexpr int kShortListTop = 54;
inline constexpr QRect kResultPanel{20, 20, 760, 508};
inline constexpr int kResultRowHeight = 21;
inline constexpr int kResultColumnWidth = 360;
inline constexpr int kRightColumnLeft = 388;
inline constexpr int kSlideStop = 20;  // the result headings halt this far from the left
inline constexpr QRect kActivityProfessions{408, 88, 352, 0};  // on the form, beside the list
inline constexpr QRect kBackButton{20, 540, 64, 48};
inline constexpr QRect kNextButton{716, 540, 64, 48};
inline constexpr QRect kPrintButton{240, 550, 150, 34};
inline constexpr QRect kExitButton{410, 550, 150, 34};
inline constexpr int kFrameIntervalMs = 1;
inline constexpr int kSlideIntervalMs = 50;
inline constexpr int kSlideStep = 4;
// The professions heading slides first; the activities heading from this tick on.
inline constexpr int kSecondSlideTick = 71;

}  // namespace rumbelo::professions::layout
