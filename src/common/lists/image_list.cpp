#include "common/lists/image_list.h"

#include <QFile>

#include "common/lists/list_bytes.h"

namespace rumbelo {
namespace {
constexpr char kMagic[4] = {'R', 'D', 'X', 'G'};
constexpr int kVersion = 1;
constexpr int kMaxColours = 256;
}  // namespace

ImageItem::ImageItem(QString name, QList<QImage> frames)
    : name_(std::move(name)), frames_(std::move(frames)) {
    if (!frames_.isEmpty()) {
        width_ = frames_.front().width();
        height_ = frames_.front().height();
    }
}

const QImage& ImageItem::frame(int i) const {
    const int count = patternCount();
    const int wrapped = ((i % count) + count) % count;
    return frames_[wrapped];
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
    if (!version || *version != kVersion) return fail(QStringLiteral("unknown version"));
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
        const auto pngSize = in.u32();
        if (!width || !height || !patterns || !pngSize || *width == 0 || *height == 0 ||
            *patterns == 0)
            return fail(*name + QStringLiteral(": bad size"));
        const auto png = in.take(static_cast<qsizetype>(*pngSize));
        if (!png) return fail(*name + QStringLiteral(": picture cut short"));
        QImage strip;
        if (!strip.loadFromData(*png, "PNG"))
            return fail(*name + QStringLiteral(": picture cannot be decoded"));
        if (strip.width() != *width * *patterns || strip.height() != *height)
            return fail(*name + QStringLiteral(": picture does not match its size"));
        strip = strip.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QList<QImage> frames;
        frames.reserve(*patterns);
        for (int p = 0; p < *patterns; ++p)
            frames.append(strip.copy(p * *width, 0, *width, *height));

        const QString key = name->toLower();
        if (index_.contains(key)) return fail(*name + QStringLiteral(": name appears twice"));
        index_.insert(key, static_cast<int>(items_.size()));
        items_.emplace_back(*name, std::move(frames));
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
