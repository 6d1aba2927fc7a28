#include "list_writer.h"

#include <QBuffer>
#include <QSet>
#include <stdexcept>

#include "common/lists/list_bytes.h"

namespace rumbelo::art {
namespace {

void putU8(QByteArray& out, unsigned value) {
    out.append(static_cast<char>(value & 0xff));
}
void putU16(QByteArray& out, unsigned value) {
    putU8(out, value);
    putU8(out, value >> 8);
}
void putU32(QByteArray& out, quint32 value) {
    putU16(out, value & 0xffff);
    putU16(out, value >> 16);
}

void putName(QByteArray& out, const QString& name, QSet<QString>& seen) {
    if (!list_bytes::isValidName(name))
        throw std::runtime_error("bad list item name: \"" + name.toStdString() + "\"");
    if (seen.contains(name.toLower()))
        throw std::runtime_error("list item named twice: " + name.toStdString());
    seen.insert(name.toLower());
    putU8(out, static_cast<unsigned>(name.size()));
    out.append(name.toLatin1());
}

// Rows of premultiplied ARGB words, little-endian, behind zlib with the inflated size first.
QByteArray encodePixels(const QImage& strip) {
    QByteArray pixels;
    pixels.reserve(static_cast<qsizetype>(strip.width()) * strip.height() * 4);
    for (int y = 0; y < strip.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(strip.constScanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            const quint32 word = row[x];
            for (int shift = 0; shift < 32; shift += 8)
                pixels.append(static_cast<char>((word >> shift) & 0xff));
        }
    }
    return qCompress(pixels, 9);
}

void checkCount(std::size_t count) {
    if (count > 0xffff) throw std::runtime_error("too many list items");
}

}  // namespace

QByteArray encodeImageList(const std::vector<ImageEntry>& entries, const QList<QRgb>& colours) {
    checkCount(entries.size());
    if (colours.size() > 256) throw std::runtime_error("a colour table holds at most 256 colours");
    QByteArray out("RDXG");
    putU16(out, 2);  // pictures as compressed pixels: far quicker to open than PNG
    putU16(out, static_cast<unsigned>(entries.size()));
    putU16(out, static_cast<unsigned>(colours.size()));
    for (QRgb c : colours) {
        putU8(out, static_cast<unsigned>(qRed(c)));
        putU8(out, static_cast<unsigned>(qGreen(c)));
        putU8(out, static_cast<unsigned>(qBlue(c)));
    }
    QSet<QString> seen;
    for (const ImageEntry& entry : entries) {
        putName(out, entry.name, seen);
        if (entry.patterns.isEmpty() || entry.patterns.size() > 0xffff)
            throw std::runtime_error(entry.name.toStdString() + ": no patterns");
        const QSize size = entry.patterns.front().size();
        if (size.isEmpty() || size.width() > 0xffff || size.height() > 0xffff)
            throw std::runtime_error(entry.name.toStdString() + ": empty picture");
        QImage strip(size.width() * static_cast<int>(entry.patterns.size()), size.height(),
                     QImage::Format_ARGB32_Premultiplied);
        strip.fill(Qt::transparent);
        for (qsizetype p = 0; p < entry.patterns.size(); ++p) {
            const QImage pattern =
                entry.patterns[p].convertToFormat(QImage::Format_ARGB32_Premultiplied);
            if (pattern.size() != size)
                throw std::runtime_error(entry.name.toStdString() + ": patterns differ in size");
            for (int y = 0; y < size.height(); ++y) {
                const auto* from = reinterpret_cast<const QRgb*>(pattern.constScanLine(y));
                auto* to = reinterpret_cast<QRgb*>(strip.scanLine(y)) + p * size.width();
                std::copy(from, from + size.width(), to);
            }
        }
        const QByteArray picture = encodePixels(strip);
        putU16(out, static_cast<unsigned>(size.width()));
        putU16(out, static_cast<unsigned>(size.height()));
        putU16(out, static_cast<unsigned>(entry.patterns.size()));
        putU32(out, static_cast<quint32>(picture.size()));
        out.append(picture);
    }
    return out;
}

QByteArray encodeWaveList(const std::vector<WaveEntry>& entries) {
    checkCount(entries.size());
    QByteArray out("RDXW");
    putU16(out, 1);
    putU16(out, static_cast<unsigned>(entries.size()));
    QSet<QString> seen;
    for (const WaveEntry& entry : entries) {
        putName(out, entry.name, seen);
        if (!entry.wav.startsWith("RIFF"))
            throw std::runtime_error(entry.name.toStdString() + ": not a WAVE sound");
        putU32(out, static_cast<quint32>(entry.wav.size()));
        out.append(entry.wav);
    }
    return out;
}

QByteArray encodeBmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        throw std::runtime_error("BMP encoding failed");
    return bytes;
}

QByteArray encodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw std::runtime_error("PNG encoding failed");
    return bytes;
}

}  // namespace rumbelo::art
