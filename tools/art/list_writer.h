#pragma once
// Writes our image-list (.DXG) and wave-list (.dxw) containers and the plain pictures the
// program opens (BMP whatever the name). The layouts are described in docs/formats.md; the
// readers are in src/scene/sprites/.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <vector>

namespace rumbelo::art {

struct ImageEntry {
    QString name;
    QList<QImage> patterns;  // all the same size; at least one
};

struct WaveEntry {
    QString name;
    QByteArray wav;  // a complete RIFF WAVE file
};

// Both throw std::runtime_error on an entry the readers would refuse (bad name, empty or
// uneven patterns, names equal without regard to case, more than 65535 items).
QByteArray encodeImageList(const std::vector<ImageEntry>& entries, const QList<QRgb>& colours);
QByteArray encodeWaveList(const std::vector<WaveEntry>& entries);

// A 24-bit BMP of the picture (alpha dropped: transparent pixels must already be painted
// with the picture's key colour).
QByteArray encodeBmp(const QImage& image);
// A PNG with its alpha channel (the desktop icon).
QByteArray encodePng(const QImage& image);

}  // namespace rumbelo::art
