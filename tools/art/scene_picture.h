#pragma once
// The theme's scene picture ("todo" + letter), 800 x 600: the school's front in the theme's
// own stone, doors, statues and sky, behind the scene's help panel and its transitions.
#include <QImage>
#include <QString>

#include "theme_art.h"

namespace rumbelo::art {

QImage scenePicture(const ThemeArt& art, const QString& artDir);

}  // namespace rumbelo::art
