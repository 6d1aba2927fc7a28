#include "common/widgets/keyed_picture.h"

namespace rumbelo {

QImage keyedPicture(const QImage& picture, const QColor& key) {
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb colour = key.rgb() & 0xFFFFFF;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & 0xFFFFFF) == colour) line[x] = 0;
    }
    return keyed;
}

}  // namespace rumbelo
