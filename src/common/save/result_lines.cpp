#include "common/save/result_lines.h"

namespace rumbelo {

std::string encodeResultLines(const std::vector<std::string>& lines) {
    std::string bytes;
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + 2;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace rumbelo
