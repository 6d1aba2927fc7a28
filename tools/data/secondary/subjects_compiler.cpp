// data/secondary/materias.tsv -> MATERIAS: the two key digits, then the subject.
#include <cctype>

#include "data/output.h"
#include "data/secondary/secondary_pass.h"
#include "data/secondary/secondary_sources.h"

namespace rumbelo::data::secondary {

void compileSubjects(CompileContext& ctx) {
    std::vector<std::string> lines;
    for (const auto& line : readTabbedLines(ctx, "materias.tsv")) {
        const auto& keys = line.head;
        if (keys.size() != 2 || !std::isdigit(static_cast<unsigned char>(keys[0])) ||
            !std::isdigit(static_cast<unsigned char>(keys[1]))) {
            ctx.diag.error(line.pos, "expected two key digits, then a tab and the subject");
            continue;
        }
        const auto text = toCp1252(line.text, line.pos, ctx.diag);
        lines.push_back(keys + fixedField(text, 58, line.pos, ctx.diag, "subject"));
    }
    if (lines.size() > 1000) ctx.diag.error({"secondary/materias.tsv", 0}, "more than 1000 lines");
    ctx.output.writeText("MATERIAS", lines);
}

}  // namespace rumbelo::data::secondary
