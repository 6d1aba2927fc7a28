#pragma once
// Where the catalogue's controls stand on its 800x600 client area.
#include <QRect>
#include <array>

#include "secondary/catalogue/core/catalogue_sources.h"

namespace rumbelo::catalogue::layout {

inline constexpr int kFrame = 20;  // the frame strips along the top and the sides
inline constexpr QRect kFamilies{16, 42, 281, 505};
inline constexpr QRect kFamiliesLabel{18, 21, 279, 25};
inline constexpr std::array<QRect, kLevels> kLevelLists{{
    {320, 48, 249, 97},
    {512, 160, 241, 89},
    {312, 256, 233, 89},
    {504, 352, 249, 81},
    {298, 456, 297, 81},
}};
inline constexpr std::array<QPoint, kLevels> kLevelLabels{{
    {322, 31},
    {576, 142},
    {313, 238},
    {546, 336},
    {304, 437},
}};
inline constexpr QRect kDetail{362, 72, 325, 217};
inline constexpr QSize kCloseButton{49, 25};
inline constexpr QPoint kSlidingLabelStart{300, 0};
inline constexpr int kSlideStep = 4;
inline constexpr int kSlideStopLeft = 100;
inline constexpr int kSlideIntervalMs = 50;
inline constexpr QRect kPrintButton{597, 480, 85, 49};
inline constexpr QRect kBackButton{683, 480, 85, 49};

}  // namespace rumbelo::catalogue::layout
