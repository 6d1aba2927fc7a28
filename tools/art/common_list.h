#pragma once
// The common sprite list "segdxg1.DXG": the pupil's 80 frames, the click marker "circ1"-"circ6",
// the highlighted door "puerta2", the lens and exit icons, the map dot, and the colour table
// that becomes the surface palette.
#include <QList>
#include <QRgb>
#include <vector>

#include "list_writer.h"

namespace rumbelo::art {

std::vector<ImageEntry> commonSpriteList();
QList<QRgb> surfacePalette();  // 256 colours

}  // namespace rumbelo::art
