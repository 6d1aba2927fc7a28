#include "data/secondary/secondary_sources.h"

#include "common/text/fixed_text.h"
#include "data/degrees/block_source.h"
#include "data/output.h"
#include "data/source.h"

namespace rumbelo::data::secondary {
namespace {

const std::string kFolder = "secondary/";

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::optional<int> number(const std::string& text) {
    return parseNumber(text);
}

}  // namespace

std::vector<TabbedLine> readTabbedLines(CompileContext& ctx, const std::string& name) {
    std::vector<TabbedLine> lines;
    const auto file = readSource(ctx.src, kFolder + name, ctx.diag);
    if (!file) return lines;
    for (const auto& line : file->lines) {
        const auto tab = line.text.find('\t');
        TabbedLine out{line.pos, trimmed(line.text.substr(0, tab)), ""};
        if (tab != std::string::npos) {
            out.text = line.text.substr(tab + 1);
            out.text.erase(out.text.find_last_not_of(" \t") + 1);
        }
        lines.push_back(out);
    }
    return lines;
}

std::vector<Area> readAreas(CompileContext& ctx) {
    std::vector<Area> areas;
    const auto file = readSource(ctx.src, kFolder + "areas.txt", ctx.diag);
    if (!file) return areas;
    const auto blocks = degrees::readBlocks(
        *file, ctx.diag, {"puesto", "nombre", "ciclos", "carreras", "consejo"}, false);
    for (const auto& block : blocks) {
        Area area;
        area.pos = block.pos;
        area.key = block.key;
        const auto* place = block.find("puesto");
        const auto placeNumber = place ? number(place->value) : std::nullopt;
        if (!placeNumber) {
            ctx.diag.error(block.pos, "area " + block.key + " needs puesto: a number");
        } else {
            area.place = *placeNumber;
        }
        if (const auto* name = block.find("nombre")) {
            area.name = toCp1252(name->value, name->pos, ctx.diag);
        } else {
            ctx.diag.error(block.pos, "area " + block.key + " needs nombre:");
        }
        area.cycles = block.words("ciclos");
        area.degrees = block.words("carreras");
        if (const auto* f = block.find("ciclos")) area.cyclesPos = f->pos;
        if (const auto* f = block.find("carreras")) area.degreesPos = f->pos;
        if (const auto* advice = block.find("consejo"))
            for (std::size_t i = 0; i < advice->text.size(); ++i)
                area.advice.push_back(
                    toCp1252(advice->text[i], advice->textPositions[i], ctx.diag));
        areas.push_back(std::move(area));
    }
    return areas;
}

std::vector<Statement> readStatements(CompileContext& ctx, const std::string& name) {
    std::vector<Statement> statements;
    const auto file = readSource(ctx.src, kFolder + name, ctx.diag);
    if (!file) return statements;
    for (const auto& line : file->lines) {
        Statement s;
        s.pos = line.pos;
        const auto weight = number(line.field(0));
        const auto format = number(line.field(1));
        if (!weight || !format || line.field(2).empty()) {
            ctx.diag.error(line.pos, "expected weight<TAB>answers<TAB>statement<TAB>areas");
            continue;
        }
        s.weight = *weight;
        s.format = *format;
        s.text = toCp1252(line.field(2), line.pos, ctx.diag);
        s.areas = splitWords(line.field(3));
        statements.push_back(std::move(s));
    }
    return statements;
}

}  // namespace rumbelo::data::secondary
