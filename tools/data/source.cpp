#include "data/source.h"

#include <fstream>
#include <iterator>
#include <sstream>

#include "common/data/text_lines.h"

namespace rumbelo::data {
namespace {
const std::string kEmpty;

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return s.substr(first, last - first + 1);
}
}  // namespace

const std::string& SourceLine::field(std::size_t i) const {
    return i < fields.size() ? fields[i] : kEmpty;
}

std::vector<std::string> splitFields(const std::string& text) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto tab = text.find('\t', start);
        fields.push_back(trim(text.substr(start, tab == std::string::npos ? tab : tab - start)));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

std::vector<std::string> splitWords(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

std::optional<SourceFile> readSource(const std::filesystem::path& root, const std::string& name,
                                     Diagnostics& diag, bool skipBlank) {
    std::ifstream in(root / name, std::ios::binary);
    if (!in) {
        diag.error({name, 0}, "source file missing");
        return std::nullopt;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    SourceFile file{name, {}};
    int number = 0;
    for (const auto& line : splitLines(bytes)) {
        ++number;
        if (!line.empty() && line[0] == '#') continue;
        if (skipBlank && line.find_first_not_of(" \t") == std::string::npos) continue;
        file.lines.push_back({{name, number}, line, splitFields(line)});
    }
    return file;
}

}  // namespace rumbelo::data
