#include "common/lists/image_list.h"

#include <QFile>
#include <QSize>
#include <QtEndian>
#include <cstring>
#include <optional>

#include "common/lists/list_bytes.h"

namespace rumbelo {
namespace {
constexpr char kMagic[4] = {'R', 'D', 'X', 'G'};
constexpr int kPngVersion = 1;
constexpr int kPixelsVersion = 2;
constexpr int kMaxColours = 256;
// No picture of ours comes near it; a damaged header must not make us allocate gigabytes.
constexpr qint64 kMaxPixelBytes = 64 * 1024 * 1024;

// The width and height a PNG declares in its IHDR chunk, which always comes first.
std::optional<QSize> declaredPngSize(const QByteArray& png) {
    static const QByteArray signature("\x89PNG\r\n\x1a\n", 8);
    if (png.size() < 24 || !png.startsWith(signature) || png.mid(12, 4) != "IHDR")
        return std::nullopt;
    const auto be32 = [&](int at) {
        return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(png.constData() + at));
    };
    const quint32 width = be32(16);
    const quint32 height = be32(20);
    if (width > 0x7fff || height > 0x7fff) return std::nullopt;
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

// The pixel count a version-2 picture declares: its inflated size leads the zlib stream.
std::optional<qint64> declaredPixelBytes(const QByteArray& picture) {
    if (picture.size() < 5) return std::nullopt;
    return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(picture.constData()));
}

QImage blankFrame(int width, int height) {
    QImage frame(width, height, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    return frame;
}

}  // namespace

ImageItem::ImageItem(QString name, QList<QImage> frames)
    : name_(std::move(name)),
      patterns_(static_cast<int>(frames.size())),
      frames_(std::move(frames)) {
    if (!frames_.isEmpty()) {
        width_ = frames_.front().width();
        height_ = frames_.front().height();
    }
}

ImageItem::ImageItem(QString name, int width, int height, int patterns, QByteArray picture,
                     Encoding encoding)
    : name_(std::move(name)),
      width_(width),
      height_(height),
      patterns_(patterns),
      encoding_(encoding),
      picture_(std::move(picture)) {}

void ImageItem::decode() const {
    if (picture_.isEmpty()) return;  // made from frames, or decoded already
    frames_.clear();
    frames_.reserve(patterns_);
    const qsizetype stripWidth = qsizetype{width_} * patterns_;
    if (encoding_ == Encoding::Pixels) {
        // Rows of premultiplied ARGB words, little-endian, the patterns side by side.
        const QByteArray pixels = qUncompress(picture_);
        if (pixels.size() == stripWidth * height_ * 4) {
            const auto* words = reinterpret_cast<const uchar*>(pixels.constData());
            for (int p = 0; p < patterns_; ++p) {
                QImage frame(width_, height_, QImage::Format_ARGB32_Premultiplied);
                for (int y = 0; y < height_; ++y) {
                    const uchar* from = words + (y * stripWidth + qsizetype{p} * width_) * 4;
                    auto* to = reinterpret_cast<quint32*>(frame.scanLine(y));
                    if constexpr (Q_BYTE_ORDER == Q_LITTLE_ENDIAN)
                        std::memcpy(to, from, static_cast<std::size_t>(width_) * 4);
                    else
                        for (int x = 0; x < width_; ++x)
                            to[x] = qFromLittleEndian<quint32>(from + x * 4);
                }
                frames_.append(frame);
            }
        } else {
            qWarning("image list item %s: picture cannot be decoded", qPrintable(name_));
            for (int p = 0; p < patterns_; ++p)
                frames_.append(blankFrame(width_, height_));
        }
        picture_ = QByteArray();
        return;
    }
    QImage strip;
    if (!strip.loadFromData(picture_, "PNG") || strip.width() != stripWidth ||
        strip.height() != height_) {
        qWarning("image list item %s: picture cannot be decoded", qPrintable(name_));
        strip = blankFrame(static_cast<int>(stripWidth), height_);
    }
    strip = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int p = 0; p < patterns_; ++p)
        frames_.append(strip.copy(p * width_, 0, width_, height_));
    picture_ = QByteArray();
}

void ImageItem::decodeOnce() const {
    if (decoding_) std::call_once(*decoding_, [this] { decode(); });
}

const QImage& ImageItem::frame(int i) const {
    decodeOnce();
    const int count = patternCount();
    const int wrapped = ((i % count) + count) % count;
    return frames_[wrapped];
}

void AheadDecoder::start(std::vector<const ImageItem*> items) {
    thread_ = std::jthread([items = std::move(items)](std::stop_token stop) {
        for (const ImageItem* item : items) {
            if (stop.stop_requested()) return;
            item->decodeOnce();
        }
    });
}

bool ImageList::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        origin_ = path;
        error_ = QStringLiteral("%1: cannot be opened").arg(path);
        items_.clear();
        index_.clear();
        colours_.clear();
        return false;
    }
    return loadFromBytes(file.readAll(), path);
}

bool ImageList::loadFromBytes(const QByteArray& bytes, const QString& origin) {
    origin_ = origin;
    error_.clear();
    items_.clear();
    index_.clear();
    colours_.clear();
    auto fail = [&](const QString& why) {
        error_ = QStringLiteral("%1: %2").arg(origin, why);
        items_.clear();
        index_.clear();
        colours_.clear();
        return false;
    };

    list_bytes::Reader in(bytes);
    const auto magic = in.take(4);
    if (!magic || *magic != QByteArray(kMagic, 4)) return fail(QStringLiteral("not an image list"));
    const auto version = in.u16();
    if (!version || (*version != kPngVersion && *version != kPixelsVersion))
        return fail(QStringLiteral("unknown version"));
    const auto encoding =
        *version == kPixelsVersion ? ImageItem::Encoding::Pixels : ImageItem::Encoding::Png;
    const auto count = in.u16();
    const auto colourCount = in.u16();
    if (!count || !colourCount || *colourCount > kMaxColours)
        return fail(QStringLiteral("damaged header"));
    for (int c = 0; c < *colourCount; ++c) {
        const auto rgb = in.take(3);
        if (!rgb) return fail(QStringLiteral("colour table cut short"));
        colours_.append(qRgb(static_cast<unsigned char>((*rgb)[0]),
                             static_cast<unsigned char>((*rgb)[1]),
                             static_cast<unsigned char>((*rgb)[2])));
    }

    items_.reserve(*count);
    for (int n = 0; n < *count; ++n) {
        const QString where = QStringLiteral("item %1").arg(n + 1);
        const auto name = in.name();
        if (!name) return fail(where + QStringLiteral(": bad name"));
        const auto width = in.u16();
        const auto height = in.u16();
        const auto patterns = in.u16();
        const auto pictureSize = in.u32();
        if (!width || !height || !patterns || !pictureSize || *width == 0 || *height == 0 ||
            *patterns == 0)
            return fail(*name + QStringLiteral(": bad size"));
        const auto picture = in.take(static_cast<qsizetype>(*pictureSize));
        if (!picture) return fail(*name + QStringLiteral(": picture cut short"));
        if (encoding == ImageItem::Encoding::Png) {
            const auto declared = declaredPngSize(*picture);
            if (!declared) return fail(*name + QStringLiteral(": not a PNG picture"));
            if (declared->width() != *width * *patterns || declared->height() != *height)
                return fail(*name + QStringLiteral(": picture does not match its size"));
        } else {
            const auto declared = declaredPixelBytes(*picture);
            if (!declared || *declared != qint64{*width} * *patterns * *height * 4)
                return fail(*name + QStringLiteral(": picture does not match its size"));
            if (*declared > kMaxPixelBytes)
                return fail(*name + QStringLiteral(": picture larger than the 64 MB a list item "
                                                   "may hold"));
        }

        const QString key = name->toLower();
        if (index_.contains(key)) return fail(*name + QStringLiteral(": name appears twice"));
        index_.insert(key, static_cast<int>(items_.size()));
        items_.emplace_back(*name, *width, *height, *patterns, *picture, encoding);
    }
    if (!in.atEnd()) return fail(QStringLiteral("unexpected bytes after the last item"));
    return true;
}

const ImageItem* ImageList::find(QStringView name) const {
    const auto it = index_.constFind(name.toString().toLower());
    return it == index_.cend() ? nullptr : &items_[static_cast<std::size_t>(*it)];
}

const ImageItem& ImageList::item(QStringView name) const {
    if (const ImageItem* found = find(name)) return *found;
    throw ListError(
        QStringLiteral("%1: no image named \"%2\"")
            .arg(origin_.isEmpty() ? QStringLiteral("image list") : origin_, name.toString()));
}

}  // namespace rumbelo
