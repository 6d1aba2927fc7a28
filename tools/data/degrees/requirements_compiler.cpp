// degrees/requisitos.tsv -> REQUISIT and degrees/salidas.tsv -> SALIDAS. Some requirement
// lines are captions and choices of the degrees form, so their keys go to fixed lines and
// the other texts fill the free lines in source order.
#include <map>

#include "common/text/fixed_text.h"
#include "data/degrees/degrees_pass.h"

namespace rumbelo::data::degrees {
namespace {

constexpr std::size_t kLineWidth = 60;
constexpr int kMaxNumber = 255;  // requirement and outlet numbers are bytes

void writeKeyed(CompileContext& ctx, const std::string& table,
                const std::vector<const KeyedText*>& lines) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const KeyedText* text = lines[i];
        if (!text) {
            out.emplace_back();
            continue;
        }
        out.push_back(TrimRight(fixedField(text->text, kLineWidth, text->pos, ctx.diag, "text")));
        ctx.keys.add(table, text->key, static_cast<int>(i) + 1, text->pos, ctx.diag);
    }
    if (static_cast<int>(out.size()) > kMaxNumber)
        ctx.diag.error({"degrees", 0}, table + " has " + std::to_string(out.size()) +
                                           " lines; its numbers are bytes (at most 255)");
    ctx.output.writeText(table, out);
}

}  // namespace

void compileRequirements(CompileContext& ctx) {
    const std::string name = "degrees/requisitos.tsv";
    const auto texts = readKeyedTexts(ctx, name);
    std::map<int, const KeyedText*> fixed;
    std::vector<const KeyedText*> free;
    for (const auto& text : texts) {
        bool isFixed = false;
        for (const auto& role : kFixedRequirements) {
            if (text.key == role.key) {
                fixed[role.line] = &text;
                isFixed = true;
            }
        }
        if (!isFixed) free.push_back(&text);
    }
    for (const auto& role : kFixedRequirements)
        if (!fixed.count(role.line))
            ctx.diag.error({name, 0}, "the fixed line " + std::to_string(role.line) + " (\"" +
                                          role.key + "\") is missing");
    std::vector<const KeyedText*> lines;
    auto next = free.begin();
    const int lastFixed = fixed.empty() ? 0 : fixed.rbegin()->first;
    for (int line = 1; line <= lastFixed || next != free.end(); ++line) {
        if (const auto f = fixed.find(line); f != fixed.end()) {
            lines.push_back(f->second);
        } else {
            lines.push_back(next == free.end() ? nullptr : *next);
            if (next != free.end()) ++next;
        }
    }
    writeKeyed(ctx, "REQUISIT", lines);
}

void compileOutlets(CompileContext& ctx) {
    std::vector<const KeyedText*> lines;
    const auto texts = readKeyedTexts(ctx, "degrees/salidas.tsv");
    for (const auto& text : texts)
        lines.push_back(&text);
    writeKeyed(ctx, "SALIDAS", lines);
}

}  // namespace rumbelo::data::degrees
