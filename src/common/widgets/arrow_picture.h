#pragma once
// The arrow the forms draw on their buttons: orange with a dark outline, painted at run
// time (the style's standard arrow icons go through the icon theme lookup, which costs more
// at start-up than the whole form around them).
#include <QPixmap>

namespace rumbelo {

enum class ArrowPointing { Left, Right };

// A square picture of `size` pixels, transparent around the arrow.
QPixmap arrowPicture(int size, ArrowPointing pointing = ArrowPointing::Right);

}  // namespace rumbelo
