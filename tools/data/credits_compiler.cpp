// data/creditos.txt -> creditos.txt beside the program: who made the maps and which
// figures are illustrative, in Windows-1252 like every text the program folder holds.
#include <filesystem>

#include "data/compile.h"
#include "data/source.h"

namespace rumbelo::data {

void compileCredits(CompileContext& ctx) {
    // A catalogue without credits (a test's) compiles all the same.
    if (!std::filesystem::exists(ctx.src / "creditos.txt")) return;
    const auto source = readSource(ctx.src, "creditos.txt", ctx.diag, false);
    if (!source) return;
    std::vector<std::string> lines;
    for (const auto& line : source->lines)
        lines.push_back(toCp1252(line.text, line.pos, ctx.diag));
    ctx.output.writeText("creditos.txt", lines);
}

}  // namespace rumbelo::data
