#pragma once
// The helicopter's pilot of the intermediate-FP section: eight frames of a short walk to the
// right, drawn with the guide girl's figure at a smaller size, in a flying suit and helmet.
#include <QImage>
#include <QList>

namespace rumbelo::art {

QList<QImage> pilotFrames();

}  // namespace rumbelo::art
