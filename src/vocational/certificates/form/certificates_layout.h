#pragma once
// Where the certificates form puts things: the help panel and the group or family list on
// the left, the certificate panel and the certificate list on the right, buttons below.
#include <QRect>

namespace rumbelo::certificates::layout {

inline constexpr QRect kHelpPanel{22, 22, 360, 200};
inline constexpr QRect kGroupTitle{22, 232, 360, 28};
inline constexpr int kGroupRowHeight = 30;
inline constexpr int kIconTextLeft = 35;
inline constexpr int kIconTextTop = 2;
inline constexpr int kItemHeight = 20;
inline constexpr int kCertificateLeft = 392;
inline constexpr int kCertificateWidth = 386;
// The certificate list never runs under the buttons.
inline constexpr int kListsBottom = 548;
inline constexpr QRect kResultPanel{392, 22, 386, 194};
inline constexpr QRect kBackButton{22, 558, 140, 30};
inline constexpr QRect kPrintButton{176, 558, 140, 30};
inline constexpr QRect kInternetButton{598, 558, 180, 30};

}  // namespace rumbelo::certificates::layout
