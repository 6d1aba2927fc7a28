#pragma once
// Bounds-checked little-endian reading of our list containers: a short or damaged file is
// reported, never read past its end.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

namespace rumbelo::list_bytes {

class Reader {
  public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}

    std::optional<std::uint8_t> u8();
    std::optional<std::uint16_t> u16();
    std::optional<std::uint32_t> u32();
    // `count` raw bytes; nothing when fewer remain.
    std::optional<QByteArray> take(qsizetype count);
    // A name: one length byte (1..63), then that many printable ASCII characters.
    std::optional<QString> name();

    bool atEnd() const { return pos_ == bytes_.size(); }
    qsizetype position() const { return pos_; }

  private:
    const QByteArray& bytes_;
    qsizetype pos_ = 0;
};

// Names are limited to what fits a length byte comfortably and prints in messages.
inline constexpr int kMaxNameLength = 63;
bool isValidName(const QString& name);

}  // namespace rumbelo::list_bytes
