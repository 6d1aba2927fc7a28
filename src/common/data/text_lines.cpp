#include "common/data/text_lines.h"

namespace rumbelo {

std::vector<std::string> splitLines(std::string_view bytes) {
    const std::size_t ctrlZ = bytes.find('\x1A');
    if (ctrlZ != std::string_view::npos) bytes = bytes.substr(0, ctrlZ);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace rumbelo
