// data/texts/textos.<language>.tsv -> textos: line k = interface text k.
// Source lines are "number<TAB>text"; numbers may come in any order; missing numbers are
// empty lines. A text longer than its slot, or any text for a number without a slot, is an
// error, so that no caption is ever cut on screen.
#include <map>

#include "common/text/fixed_text.h"
#include "common/texts/interface_texts.h"
#include "data/compile.h"
#include "data/source.h"
#include "data/wording.h"

namespace rumbelo::data {
namespace {

struct LanguageFiles {
    const char* source;
    const char* output;
};

constexpr LanguageFiles kLanguages[] = {
    {"texts/textos.es.tsv", "textos"},
    {"texts/textos.catVal.tsv", "catVal/textos"},
    {"texts/textos.galego.tsv", "galego/textos"},
    {"texts/textos.euskera.tsv", "euskera/textos"},
};

void compileOne(CompileContext& ctx, const LanguageFiles& files) {
    const auto source = readSource(ctx.src, files.source, ctx.diag);
    if (!source) return;
    std::map<int, std::string> texts;
    for (const auto& line : source->lines) {
        const auto tab = line.text.find('\t');
        const auto number = parseNumber(line.text.substr(0, tab));
        if (!number || *number < 1 || *number > 1000) {
            ctx.diag.error(line.pos, "expected \"number<TAB>text\" with a number from 1 to 1000");
            continue;
        }
        const std::string text =
            TrimRight(tab == std::string::npos ? std::string() : line.text.substr(tab + 1));
        checkWording(text, line.pos, ctx.diag);
        const std::string bytes = toCp1252(text, line.pos, ctx.diag);
        const int slot = InterfaceTexts::slotLength(*number);
        if (slot == 0 && *number <= InterfaceTexts::kLastUsed && !bytes.empty())
            ctx.diag.error(line.pos,
                           "text " + std::to_string(*number) + " has no slot and must stay empty");
        if (slot > 0 && static_cast<int>(bytes.size()) > slot)
            ctx.diag.error(line.pos, "text " + std::to_string(*number) + " is " +
                                         std::to_string(bytes.size()) +
                                         " characters long; its slot holds " +
                                         std::to_string(slot));
        if (bytes.size() > 75) ctx.diag.error(line.pos, "a text line holds at most 75 characters");
        if (!texts.emplace(*number, bytes).second)
            ctx.diag.error(line.pos, "text " + std::to_string(*number) + " is given twice");
    }
    const int last = std::max(InterfaceTexts::kLastUsed, texts.empty() ? 0 : texts.rbegin()->first);
    std::vector<std::string> lines(static_cast<std::size_t>(last));
    for (const auto& [number, text] : texts)
        lines[static_cast<std::size_t>(number - 1)] = text;
    ctx.output.writeText(files.output, lines);
}

}  // namespace

void compileTextos(CompileContext& ctx) {
    for (const auto& language : kLanguages) {
        // Translations arrive one by one; Spanish is always required.
        if (language.output != std::string("textos") &&
            !std::filesystem::exists(ctx.src / language.source))
            continue;
        compileOne(ctx, language);
    }
}

}  // namespace rumbelo::data
