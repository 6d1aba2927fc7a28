#pragma once
// Pictures stored without an alpha channel mark their see-through parts with one colour.
#include <QColor>
#include <QImage>

namespace rumbelo {

// `picture` as ARGB with every pixel of the key colour made fully transparent.
QImage keyedPicture(const QImage& picture, const QColor& key = Qt::white);

}  // namespace rumbelo
