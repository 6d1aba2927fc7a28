#pragma once
// The pictures loaded once at start and shared by the forms: the guide girl, the maps,
// the theme's tiles and the icons beside the rows of several sections' lists.
#include <QImage>
#include <QList>
#include <QString>

#include "common/program/themes.h"

namespace rumbelo {

// Pictures are BMP files whatever their name ("mapa", "suelof", "chica.bmp").
QImage loadBitmap(const QString& fileName);

// The mean colour of a picture (black for a null one): the background a text drawn over a
// tiled picture is read against.
Rgb averageColour(const QImage& picture);

// The icon list file and the number of icons the sections draw from it.
inline constexpr char kIconListFile[] = "iconos.DXG";
inline constexpr int kIconCount = 17;

// The icons of an icon list file, in order; empty when the file is missing or damaged (the
// lists then show their rows without icons).
QList<QImage> loadIconList(const QString& fileName);

struct SharedPictures {
    QImage guide;        // "chica.bmp": splash, report headings
    QImage frameBitmap;  // the guide frame shown in the current help panel
    QImage mapa, mapac, mapam;
    QImage floorTile, frameTop, frameRight, frameLeft, mosaicTile;
    QImage leaveSign, decoration, heli, scenePicture;
    // "ImageListIconos": icon i = the picture for meaning i (0 machines, 1 office, 2 care,
    // 3 cooking, 4 building, 5 electricity, 6 nature, 7 art, 8 beauty and textile,
    // 9 commerce, 10 way out, 11 sport, 12 science, 13 teaching, 14 music, 15 travel,
    // 16 helping).
    QList<QImage> ImageListIconos;
};

}  // namespace rumbelo
