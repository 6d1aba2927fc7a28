#include "data/fp/block_layout.h"

#include <sstream>

#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"

namespace rumbelo::data::fp {
namespace {

// Lines 1-5: a paragraph that must fit there; shorter ones leave blank lines.
std::vector<std::string> summaryLines(const std::string& text, const SourcePos& pos,
                                      Diagnostics& diag, const std::string& what) {
    auto lines = wrap(text, kBlockWidth, pos, diag);
    if (lines.empty()) diag.error(pos, what + " is missing");
    if (static_cast<int>(lines.size()) > kSummaryLines)
        diag.error(pos, what + " takes " + std::to_string(lines.size()) +
                            " lines of 50 characters; the preview shows 5");
    lines.resize(kSummaryLines);
    return lines;
}

void fitBlock(std::vector<std::string>& block, const SourcePos& pos, Diagnostics& diag) {
    if (static_cast<int>(block.size()) > kBlockLines)
        diag.error(pos, "the text block takes " + std::to_string(block.size()) +
                            " lines; a block holds 25 (shorten the summary, modules or salidas)");
    block.resize(kBlockLines);
}

}  // namespace

std::vector<std::string> wrap(const std::string& text, std::size_t width, const SourcePos& pos,
                              Diagnostics& diag, const std::string& indent) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    for (std::string word; in >> word;) {
        if (word.size() + indent.size() > width) {
            diag.error(pos, "the word \"" + cp1252ToUtf8(word) + "\" does not fit in " +
                                std::to_string(width) + " characters");
            word = word.substr(0, width - indent.size());
        }
        if (line.empty()) {
            line = (lines.empty() ? "" : indent) + word;
        } else if (line.size() + 1 + word.size() <= width) {
            line += ' ' + word;
        } else {
            lines.push_back(line);
            line = indent + word;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::string modulesHeading(int totalHours) {
    return "M\xF3"
           "dulos profesionales (" +
           std::to_string(totalHours) + " horas):";
}

std::vector<std::string> titleBlock(const Title& title, const Grade& grade, Diagnostics& diag) {
    if (title.jobs.empty()) diag.error(title.pos, title.key + " has no salidas");
    auto block = grade.higher
                     ? summaryLines(title.summary, title.pos, diag, "the summary of " + title.key)
                     : summaryLines(title.jobs, title.pos, diag, "the salidas of " + title.key);
    int total = 0;
    for (const auto& module : title.modules)
        total += module.hours;
    if (title.modules.empty()) diag.error(title.pos, title.key + " lists no modulo");
    block.push_back(modulesHeading(total));
    for (const auto& module : title.modules) {
        if (module.name.size() > kModuleNameWidth)
            diag.error(module.pos, "a module name holds at most 42 characters: \"" +
                                       cp1252ToUtf8(module.name) + "\"");
        block.push_back(padTo(cut(module.name, kModuleNameWidth), kModuleNameWidth + 1) +
                        rightAligned(module.hours, 4) + " h");
    }
    if (grade.higher) {
        block.emplace_back();
        for (const auto& line : wrap("Salidas: " + title.jobs, kBlockWidth, title.pos, diag))
            block.push_back(line);
    }
    fitBlock(block, title.pos, diag);
    return block;
}

std::vector<std::string> familyBlock(const Family& family, const Grade& grade, Diagnostics& diag) {
    auto block =
        summaryLines(family.description, family.pos, diag, "the texto of family " + family.key);
    block.push_back(
        "T\xED"
        "tulos de " +
        grade.levelName + " de la familia (" + std::to_string(family.titles.size()) + "):");
    for (const auto& title : family.titles)
        for (const auto& line : wrap("- " + title.name, kBlockWidth, title.pos, diag, "  "))
            block.push_back(line);
    fitBlock(block, family.pos, diag);
    return block;
}

}  // namespace rumbelo::data::fp
