#include "common/program/shared_pictures.h"

#include <QFile>

namespace rumbelo {

QImage loadBitmap(const QString& fileName) {
    QImage image;
    if (fileName.isEmpty() || !QFile::exists(fileName)) return image;
    if (!image.load(fileName, "BMP")) image.load(fileName);
    return image;
}

}  // namespace rumbelo
