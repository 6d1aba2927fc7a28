#pragma once
// The pictures loaded once at start and shared by the forms: the guide girl, the maps and
// the theme's tiles.
#include <QImage>
#include <QString>

#include "common/program/themes.h"

namespace rumbelo {

// Pictures are BMP files whatever their name ("mapa", "suelof", "chica.bmp").
QImage loadBitmap(const QString& fileName);

// The mean colour of a picture (black for a null one): the background a text drawn over a
// tiled picture is read against.
Rgb averageColour(const QImage& picture);

struct SharedPictures {
    QImage guide;        // "chica.bmp": splash, report headings
    QImage frameBitmap;  // the guide frame shown in the current help panel
    QImage mapa, mapac, mapam;
    QImage floorTile, frameTop, frameRight, frameLeft, mosaicTile;
    QImage leaveSign, decoration, heli, scenePicture;
};

}  // namespace rumbelo
