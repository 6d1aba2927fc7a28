#include "key_colour.h"

namespace rumbelo::art {
namespace {
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kNearWhite = 0xfffefefe;
}  // namespace

// A key colour cannot be half transparent: edge pixels at least half covered keep their own
// colour at full strength (no pale halo on dark backgrounds), the rest become the key.
QImage onKeyColour(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    QImage out(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb pixel = from[x] | 0xff000000;
            if (qAlpha(from[x]) < 128)
                line[x] = kWhite;
            else
                line[x] = pixel == kWhite ? kNearWhite : pixel;
        }
    }
    return out;
}

QImage withoutPureWhite(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (line[x] == kWhite) line[x] = kNearWhite;
    }
    return out;
}

}  // namespace rumbelo::art
