// data/interest/grupos.tsv -> GRUPOS: one interest group per line, registered under the key
// "GRUPOS" so that degrees, titles and questionnaire items can name their groups.
#include "data/compile.h"
#include "data/source.h"

namespace rumbelo::data {

namespace {
constexpr int kMaxGroups = 12;
constexpr std::size_t kShownLength = 40;
}  // namespace

void compileGrupos(CompileContext& ctx) {
    const auto source = readSource(ctx.src, "interest/grupos.tsv", ctx.diag);
    if (!source) return;
    std::vector<std::string> lines;
    for (const auto& line : source->lines) {
        const std::string& key = line.field(0);
        if (key.empty() || line.field(1).empty()) {
            ctx.diag.error(line.pos, "expected key<TAB>name");
            continue;
        }
        const std::string name = toCp1252(line.field(1), line.pos, ctx.diag);
        if (name.size() > kShownLength)
            ctx.diag.error(line.pos,
                           "group names are shown cut to 40 characters: \"" + line.field(1) + "\"");
        lines.push_back(name);
        ctx.keys.add("GRUPOS", key, static_cast<int>(lines.size()), line.pos, ctx.diag);
    }
    if (lines.size() > kMaxGroups)
        ctx.diag.error({source->name, 0}, "at most 12 interest groups are scored");
    ctx.output.writeText("GRUPOS", lines);
}

}  // namespace rumbelo::data
