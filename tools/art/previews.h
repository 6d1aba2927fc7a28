#pragma once
// Previews for looking the art over in place.
#include <QImage>

#include "forge.h"

namespace rumbelo::art {

// The building of a theme put together as the scene's building table places it, with the
// torches and the character at its start, scaled down: walls meet, passages open, doors,
// plates and statues line up.
QImage worldPreview(const Forge& forge, char letter, double scale);

// The static scene of a theme at 800 x 600: the mosaic with black door labels where the form
// puts them, the leave sign, the decoration, the guide walker's last frame and the bubble.
QImage staticScenePreview(const Forge& forge, char letter);

}  // namespace rumbelo::art
