#pragma once
// Tiles the forms draw with: the static scene's mosaic tile (one door bay, repeated under the
// door labels), the floor tile behind every section, and the top, right and left frame tiles.
#include <QImage>

#include "theme_art.h"

namespace rumbelo::art {

enum class FrameSide { Top, Right, Left };

QImage mosaicTile(const ThemeArt& art);
QImage sectionFloorTile(const ThemeArt& art);
QImage frameTile(const ThemeArt& art, FrameSide side);

}  // namespace rumbelo::art
