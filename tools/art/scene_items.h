#pragma once
// The theme's scene image list: walls, side walls, doors, statues, signs, plates, the bubble,
// the ceiling mask and the mini-map, assembled from the theme's surfaces at the world's sizes.
#include <QString>
#include <vector>

#include "list_writer.h"
#include "theme_art.h"

namespace rumbelo::art {

// `artDir` holds the SVG sources (the statues).
std::vector<ImageEntry> themeSceneList(const ThemeArt& art, const QString& artDir);

// The pieces, for the scene picture and the static scene, which reuse them.
QImage floorTile(const ThemeArt& art);
QImage wallBlock(const ThemeArt& art);  // "paredEx"
QImage doorPicture(const ThemeArt& art, DoorState state);
QImage statuePicture(const ThemeArt& art, const QString& artDir, bool greeting);
QImage pedestalPicture(const ThemeArt& art);
QImage boardPicture(const ThemeArt& art, int width, int height, BoardShape shape);

}  // namespace rumbelo::art
