#include "common/lists/list_bytes.h"

namespace rumbelo::list_bytes {

std::optional<std::uint8_t> Reader::u8() {
    if (bytes_.size() - pos_ < 1) return std::nullopt;
    return static_cast<std::uint8_t>(bytes_[pos_++]);
}

std::optional<std::uint16_t> Reader::u16() {
    const auto lo = u8();
    const auto hi = u8();
    if (!lo || !hi) return std::nullopt;
    return static_cast<std::uint16_t>(*lo | (*hi << 8));
}

std::optional<std::uint32_t> Reader::u32() {
    const auto lo = u16();
    const auto hi = u16();
    if (!lo || !hi) return std::nullopt;
    return static_cast<std::uint32_t>(*lo) | (static_cast<std::uint32_t>(*hi) << 16);
}

std::optional<QByteArray> Reader::take(qsizetype count) {
    if (count < 0 || bytes_.size() - pos_ < count) return std::nullopt;
    QByteArray out = bytes_.mid(pos_, count);
    pos_ += count;
    return out;
}

std::optional<QString> Reader::name() {
    const auto length = u8();
    if (!length || *length == 0 || *length > kMaxNameLength) return std::nullopt;
    const auto raw = take(*length);
    if (!raw) return std::nullopt;
    QString text = QString::fromLatin1(*raw);
    if (!isValidName(text)) return std::nullopt;
    return text;
}

bool isValidName(const QString& name) {
    if (name.isEmpty() || name.size() > kMaxNameLength) return false;
    for (QChar c : name) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f) return false;
    }
    return true;
}

}  // namespace rumbelo::list_bytes
