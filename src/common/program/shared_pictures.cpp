#include "common/program/shared_pictures.h"

#include <QFile>
#include <QtEndian>

#include "common/lists/image_list.h"

namespace rumbelo {

namespace {

// The plain bitmaps the program ships (uncompressed, 24 bits, rows bottom-up) read directly:
// through Qt's image readers they were a tenth of the start-up. Anything else returns null
// and goes to Qt.
QImage readPlainBitmap(const QByteArray& bytes) {
    const auto* b = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 54 || b[0] != 'B' || b[1] != 'M') return {};
    const quint32 offset = qFromLittleEndian<quint32>(b + 10);
    const quint32 headerSize = qFromLittleEndian<quint32>(b + 14);
    const qint32 width = qFromLittleEndian<qint32>(b + 18);
    const qint32 height = qFromLittleEndian<qint32>(b + 22);
    const quint16 planes = qFromLittleEndian<quint16>(b + 26);
    const quint16 bits = qFromLittleEndian<quint16>(b + 28);
    const quint32 compression = qFromLittleEndian<quint32>(b + 30);
    if (headerSize < 40 || planes != 1 || bits != 24 || compression != 0 || width <= 0 ||
        height <= 0 || width > 0x7fff || height > 0x7fff)
        return {};
    const qsizetype stride = (qsizetype{width} * 3 + 3) / 4 * 4;
    if (offset < 54 || offset > size || (size - offset) / stride < height) return {};
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const uchar* from = b + offset + (height - 1 - y) * stride;
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x, from += 3)
            to[x] = qRgb(from[2], from[1], from[0]);
    }
    return image;
}

}  // namespace

QImage loadBitmap(const QString& fileName) {
    QImage image;
    if (fileName.isEmpty()) return image;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return image;
    const QByteArray bytes = file.readAll();
    image = readPlainBitmap(bytes);
    if (image.isNull() && !image.loadFromData(bytes, "BMP")) image.loadFromData(bytes);
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
