#pragma once
// The guide girl: her eight 56 x 118 frames (0-5 a walk to the right, 6 turning to the pupil,
// 7 waving while she talks) and her larger portrait "chica.bmp".
#include <QImage>
#include <QList>

namespace rumbelo::art {

QList<QImage> guideFrames();
QImage guidePortrait();

}  // namespace rumbelo::art
