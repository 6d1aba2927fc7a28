#pragma once
// Pictures written as BMP have no alpha: the program treats their white as transparent, so
// transparent pixels become pure white and drawn pixels never are.
#include <QImage>

namespace rumbelo::art {

// The picture flattened onto pure white; drawn pixels that came out pure white are moved to
// (254, 254, 254) so that they stay visible.
QImage onKeyColour(const QImage& picture);

// An opaque picture with every pure white pixel moved to (254, 254, 254) (the scene picture,
// whose white turns transparent during the help transition).
QImage withoutPureWhite(const QImage& picture);

}  // namespace rumbelo::art
