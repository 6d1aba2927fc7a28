#pragma once
// Readability of a text colour on its background, measured as the WCAG contrast ratio, and
// the way a theme's colour that fails is brought to a readable one of the same hue.
#include "common/program/themes.h"

namespace rumbelo {

// The ratios text must reach: body and list text, and large captions (18 pt, or 14 pt bold).
inline constexpr double kBodyContrast = 4.5;
inline constexpr double kLargeContrast = 3.0;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(Rgb c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double contrastRatio(Rgb a, Rgb b);

// `text` itself when it reaches `minimum` on `background`; otherwise the colour of the same
// hue and saturation whose lightness is the nearest one that does, towards black or white
// (whichever side can reach it; black or white themselves when neither shade can).
Rgb readableOn(Rgb text, Rgb background, double minimum = kBodyContrast);

}  // namespace rumbelo
