#include "common/sound/wave_info.h"

#include <cstdint>

namespace rumbelo {
namespace {

std::uint32_t le32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

}  // namespace

std::optional<int> waveDurationMs(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::uint32_t byteRate = 0;
    std::optional<std::uint32_t> dataSize;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint32_t size = le32(bytes, at + 4);
        if (id == "fmt " && size >= 12 && at + 20 <= bytes.size()) byteRate = le32(bytes, at + 16);
        if (id == "data") dataSize = size;
        // Chunks are padded to an even length.
        const std::uint64_t next = at + 8 + static_cast<std::uint64_t>(size) + (size & 1);
        if (next > bytes.size()) break;
        at = static_cast<std::size_t>(next);
    }
    if (byteRate == 0 || !dataSize) return std::nullopt;
    return static_cast<int>(static_cast<std::uint64_t>(*dataSize) * 1000 / byteRate);
}

}  // namespace rumbelo
