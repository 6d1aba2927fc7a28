#pragma once
// "zoomC": the heads-up plan of the building. The scene puts the character's dot at
// (30 + X / 24, 70 + Y / 22) inside it, so the plan is drawn at that scale and origin.
#include <QImage>

#include "theme_art.h"

namespace rumbelo::art {

QImage miniMap(const ThemeArt& art);

}  // namespace rumbelo::art
