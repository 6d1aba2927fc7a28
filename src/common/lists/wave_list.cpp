#include "common/lists/wave_list.h"

#include <QFile>

#include "common/lists/list_bytes.h"

namespace rumbelo {
namespace {
constexpr char kMagic[4] = {'R', 'D', 'X', 'W'};
constexpr int kVersion = 1;
}  // namespace

bool WaveList::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        origin_ = path;
        error_ = QStringLiteral("%1: cannot be opened").arg(path);
        entries_.clear();
        index_.clear();
        return false;
    }
    return loadFromBytes(file.readAll(), path);
}

bool WaveList::loadFromBytes(const QByteArray& bytes, const QString& origin) {
    origin_ = origin;
    error_.clear();
    entries_.clear();
    index_.clear();
    auto fail = [&](const QString& why) {
        error_ = QStringLiteral("%1: %2").arg(origin, why);
        entries_.clear();
        index_.clear();
        return false;
    };

    list_bytes::Reader in(bytes);
    const auto magic = in.take(4);
    if (!magic || *magic != QByteArray(kMagic, 4)) return fail(QStringLiteral("not a wave list"));
    const auto version = in.u16();
    if (!version || *version != kVersion) return fail(QStringLiteral("unknown version"));
    const auto count = in.u16();
    if (!count) return fail(QStringLiteral("damaged header"));
    entries_.reserve(*count);
    for (int n = 0; n < *count; ++n) {
        const auto name = in.name();
        if (!name) return fail(QStringLiteral("item %1: bad name").arg(n + 1));
        const auto size = in.u32();
        if (!size) return fail(*name + QStringLiteral(": size cut short"));
        const auto wav = in.take(static_cast<qsizetype>(*size));
        if (!wav) return fail(*name + QStringLiteral(": sound cut short"));
        if (!wav->startsWith("RIFF") || wav->mid(8, 4) != "WAVE")
            return fail(*name + QStringLiteral(": not a WAVE sound"));
        const QString key = name->toLower();
        if (index_.contains(key)) return fail(*name + QStringLiteral(": name appears twice"));
        index_.insert(key, static_cast<int>(entries_.size()));
        entries_.push_back({*name, *wav});
    }
    if (!in.atEnd()) return fail(QStringLiteral("unexpected bytes after the last item"));
    return true;
}

const QByteArray* WaveList::find(QStringView name) const {
    const auto it = index_.constFind(name.toString().toLower());
    return it == index_.cend() ? nullptr : &entries_[static_cast<std::size_t>(*it)].wav;
}

const QByteArray& WaveList::wave(QStringView name) const {
    if (const QByteArray* found = find(name)) return *found;
    throw ListError(
        QStringLiteral("%1: no sound named \"%2\"")
            .arg(origin_.isEmpty() ? QStringLiteral("wave list") : origin_, name.toString()));
}

QStringList WaveList::names() const {
    QStringList out;
    for (const Entry& e : entries_)
        out.append(e.name);
    return out;
}

}  // namespace rumbelo
