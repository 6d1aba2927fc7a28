#include "common/program/shared_pictures.h"

#include <QFile>

#include "common/lists/image_list.h"

namespace rumbelo {

QImage loadBitmap(const QString& fileName) {
    QImage image;
    if (fileName.isEmpty() || !QFile::exists(fileName)) return image;
    if (!image.load(fileName, "BMP")) image.load(fileName);
    return image;
}

Rgb averageColour(const QImage& picture) {
    if (picture.isNull()) return {};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    double r = 0, g = 0, b = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            r += qRed(line[x]);
            g += qGreen(line[x]);
            b += qBlue(line[x]);
        }
    }
    const double n = static_cast<double>(rgb.width()) * rgb.height();
    const auto mean = [n](double sum) { return static_cast<std::uint8_t>(sum / n + 0.5); };
    return {mean(r), mean(g), mean(b)};
}

QList<QImage> loadIconList(const QString& fileName) {
    ImageList list;
    if (!list.load(fileName)) return {};
    QList<QImage> icons;
    // One item per icon, in file order.
    for (const ImageItem& item : list.items())
        icons.append(item.frame(0));
    return icons;
}

}  // namespace rumbelo
