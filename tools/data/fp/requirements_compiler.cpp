// data/fp/requisitos.tsv -> REQFP and data/fp/carreras.tsv -> carreFP.
// Some requirement lines have a fixed place that the program relies on; the source names
// that role in its third field and the compiler keeps the role at its line.
#include "data/fp/fp_passes.h"

#include <map>

#include "common/text/cp1252.h"
#include "data/fp/fp_sources.h"

namespace rumbelo::data::fp {
namespace {

constexpr std::size_t kLineWidth = 60;
constexpr int kMaxNumbered = 255;  // the link tables store numbers in bytes
// Requirement lines are shown as a list; the route names are read from column 4 on.
const std::string kBullet = " - ";

// Role -> the line it must stand on.
const std::map<std::string, int>& fixedRoles() {
    static const std::map<std::string, int> roles = {
        {"cabecera", 1}, {"ruta1", 8},  {"ruta2", 9},          {"ruta3", 10},
        {"ruta4", 11},   {"todas", 12}, {"ruta3-tambien", 31},
    };
    return roles;
}

void compileRequirements(CompileContext& ctx) {
    const std::string source = "fp/requisitos.tsv";
    const auto entries = readKeyedLines(ctx, source);
    std::vector<std::string> lines;
    std::map<std::string, bool> seen;
    for (const auto& entry : entries) {
        const int number = static_cast<int>(lines.size()) + 1;
        std::string line = entry.text;
        if (!entry.role.empty()) {
            const auto role = fixedRoles().find(entry.role);
            if (role == fixedRoles().end()) {
                ctx.diag.error(entry.pos, "unknown role \"" + entry.role + "\"");
            } else {
                seen[entry.role] = true;
                if (role->second != number)
                    ctx.diag.error(entry.pos, "the " + entry.role + " requirement must be entry " +
                                                  std::to_string(role->second) + ", not " +
                                                  std::to_string(number));
            }
        }
        if (entry.role != "cabecera") line = kBullet + line;
        if (line.size() > kLineWidth)
            ctx.diag.error(entry.pos, "a requirement holds at most " +
                                          std::to_string(kLineWidth - kBullet.size()) +
                                          " characters: \"" + cp1252ToUtf8(entry.text) + "\"");
        lines.push_back(line);
        ctx.keys.add("REQFP", entry.key, number, entry.pos, ctx.diag);
    }
    for (const auto& [role, line] : fixedRoles())
        if (!seen[role])
            ctx.diag.error({source, 0}, "no requirement has the role \"" + role + "\" (entry " +
                                            std::to_string(line) + ")");
    if (static_cast<int>(lines.size()) > kMaxNumbered)
        ctx.diag.error({source, 0}, "at most 255 requirements can be referred to");
    ctx.output.writeText("REQFP", lines);
}

void compileReachableDegrees(CompileContext& ctx) {
    const std::string source = "fp/carreras.tsv";
    std::vector<std::string> lines;
    for (const auto& entry : readKeyedLines(ctx, source)) {
        if (entry.text.size() > kLineWidth)
            ctx.diag.error(entry.pos, "a degree name holds at most 60 characters");
        lines.push_back(entry.text);
        ctx.keys.add("carreFP", entry.key, static_cast<int>(lines.size()), entry.pos, ctx.diag);
    }
    if (static_cast<int>(lines.size()) > kMaxNumbered)
        ctx.diag.error({source, 0}, "at most 255 degrees can be referred to");
    ctx.output.writeText("carreFP", lines);
}

}  // namespace

void compileFpReferences(CompileContext& ctx) {
    compileRequirements(ctx);
    compileReachableDegrees(ctx);
}

}  // namespace rumbelo::data::fp
