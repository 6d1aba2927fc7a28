// data/secondary/informacion.txt -> INFORMA: each paragraph wrapped to the lists' width,
// every line led by its code right-aligned in two columns.
#include "common/text/fixed_text.h"
#include "data/output.h"
#include "data/secondary/secondary_pass.h"
#include "data/source.h"

namespace rumbelo::data::secondary {
namespace {

// The words of `text` in lines of at most `width` characters; a longer word is an error.
std::vector<std::string> wrap(const std::string& text, std::size_t width, const SourcePos& pos,
                              Diagnostics& diag) {
    std::vector<std::string> lines;
    std::string current;
    for (const auto& word : splitWords(text)) {
        if (word.size() > width) diag.error(pos, "word longer than a line: " + word);
        if (!current.empty() && current.size() + 1 + word.size() > width) {
            lines.push_back(current);
            current.clear();
        }
        current += (current.empty() ? "" : " ") + word;
    }
    if (!current.empty()) lines.push_back(current);
    return lines;
}

struct Paragraph {
    SourcePos pos;
    std::string text;  // Windows-1252, joined lines
};

}  // namespace

void compileInformation(CompileContext& ctx) {
    const std::string name = "secondary/informacion.txt";
    const auto file = readSource(ctx.src, name, ctx.diag, false);
    if (!file) return;
    std::vector<std::string> lines;
    std::string code;
    std::vector<std::string> seen;
    Paragraph paragraph;
    bool paragraphOpen = false;
    const auto flush = [&]() {
        if (!paragraphOpen) return;
        for (const auto& line : wrap(paragraph.text, kParagraphWidth, paragraph.pos, ctx.diag))
            lines.push_back(code + line);
        paragraphOpen = false;
        paragraph.text.clear();
    };
    for (const auto& line : file->lines) {
        const std::string& text = line.text;
        if (!text.empty() && text.front() == '[') {
            flush();
            const auto close = text.find(']');
            const auto number =
                close == std::string::npos ? std::nullopt : parseNumber(text.substr(1, close - 1));
            if (!number || *number < 1 || *number > 99) {
                ctx.diag.error(line.pos, "expected [code] with a code from 1 to 99");
                code.clear();
                continue;
            }
            code = rightAligned(*number, 2);
            // Paragraph 20 is shown after the paragraph it joins: an empty line parts them.
            if (*number == 20) lines.push_back(code);
            for (const auto& other : seen)
                if (other == code) ctx.diag.error(line.pos, "paragraph " + text + " given twice");
            seen.push_back(code);
            continue;
        }
        if (IsBlank(text)) {
            if (paragraphOpen) {
                flush();
                lines.push_back(code);  // an empty line between paragraphs of one code
            }
            continue;
        }
        if (code.empty()) {
            ctx.diag.error(line.pos, "text before the first [code]");
            continue;
        }
        if (!paragraphOpen) paragraph.pos = line.pos;
        paragraph.text += (paragraph.text.empty() ? "" : " ") + toCp1252(text, line.pos, ctx.diag);
        paragraphOpen = true;
    }
    flush();
    // A paragraph ends without an empty line even when the file leaves one before the next.
    std::vector<std::string> tidy;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool empty = lines[i].size() == 2;
        const bool lastOfCode = i + 1 == lines.size() || lines[i + 1].substr(0, 2) != lines[i];
        if (!(empty && lastOfCode)) tidy.push_back(lines[i]);
    }
    if (tidy.size() > 1000) ctx.diag.error({name, 0}, "more than 1000 lines");
    ctx.output.writeText("INFORMA", tidy);
}

}  // namespace rumbelo::data::secondary
