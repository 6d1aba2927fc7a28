// The families become "familias" (key in column 1, name after it) and the family of every
// degree and FP title becomes "indices": line r holds two keys for each of "CARRERA", "FP"
// and "FP2" line r. Sources name degrees, titles and FP families by key; a family given to
// an FP family goes to each of its titles unless the title has its own line.
#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "common/text/cp1252.h"
#include "data/catalogue/catalogue_pass.h"
#include "data/source.h"

namespace rumbelo::data {
namespace {

constexpr const char* kFamiliesSource = "catalogo/familias.tsv";
constexpr const char* kIndexSource = "catalogo/indices.tsv";
constexpr std::size_t kNameWidth = 59;
constexpr int kMaxFamilies = 1000;
constexpr int kMaxIndexLines = 600;

// The three indexed tables, in the column order of "indices".
struct Level {
    const char* table;         // key table of the registry
    const char* directive;     // a single row
    const char* familyHeader;  // a whole FP family ("" for degrees)
    const char* headerList;    // the source listing the family header keys
};
constexpr std::array<Level, 3> kLevels{{
    {"CARRERA", "carrera", "", ""},
    {"FP", "fp", "fp-familia", "fp/familias.tsv"},
    {"FP2", "fp2", "fp2-familia", "fp/medio/familias.tsv"},
}};

std::set<char> compileFamilies(CompileContext& ctx) {
    std::set<char> keys;
    std::vector<std::string> lines;
    const auto source = readSource(ctx.src, kFamiliesSource, ctx.diag);
    if (!source) return keys;
    for (const auto& line : source->lines) {
        const std::string& key = line.field(0);
        const std::string name = toCp1252(line.field(1), line.pos, ctx.diag);
        if (key.size() != 1 || key[0] == ' ' || key[0] == '-') {
            ctx.diag.error(line.pos, "a family key is one letter or digit");
            continue;
        }
        if (!keys.insert(key[0]).second) ctx.diag.error(line.pos, "family key " + key + " twice");
        if (name.empty() || name.size() > kNameWidth)
            ctx.diag.error(line.pos, "a family name takes 1 to 59 characters");
        lines.push_back(key + name);
    }
    if (lines.size() > static_cast<std::size_t>(kMaxFamilies))
        ctx.diag.error({kFamiliesSource, 0}, "at most 1000 families");
    ctx.output.writeText("familias", lines);
    return keys;
}

std::set<std::string> headerKeys(CompileContext& ctx, const Level& level) {
    std::set<std::string> keys;
    if (!*level.headerList) return keys;
    if (const auto source = readSource(ctx.src, level.headerList, ctx.diag))
        for (const auto& line : source->lines)
            keys.insert(line.field(0));
    return keys;
}

// The lines of a table that are not qualifications: FP family headers, the closing lines
// of "CARRERA".
std::set<int> inertLines(CompileContext& ctx, std::size_t level,
                         const std::set<std::string>& headers) {
    std::set<int> lines;
    const auto& table = ctx.keys.table(kLevels[level].table);
    for (const auto& key : headers)
        if (const auto found = table.find(key); found != table.end()) lines.insert(found->second);
    if (level == 0)
        if (const auto source = readSource(ctx.src, "degrees/cierre.tsv", ctx.diag))
            for (const auto& line : source->lines)
                if (const auto found = table.find(line.field(0)); found != table.end())
                    lines.insert(found->second);
    return lines;
}

struct Assignment {
    std::string families;
    bool ownLine = false;  // given to the row itself, not through its FP family
};

}  // namespace

void compileCatalogue(CompileContext& ctx) {
    const std::set<char> families = compileFamilies(ctx);
    const auto source = readSource(ctx.src, kIndexSource, ctx.diag);
    if (!source || ctx.diag.failed()) return;

    std::array<std::set<std::string>, 3> headers;
    std::array<std::set<int>, 3> inert;
    std::array<int, 3> rows{};
    std::array<std::map<int, Assignment>, 3> given;
    int lineCount = 0;
    for (std::size_t l = 0; l < kLevels.size(); ++l) {
        headers[l] = headerKeys(ctx, kLevels[l]);
        inert[l] = inertLines(ctx, l, headers[l]);
        for (const auto& [key, line] : ctx.keys.table(kLevels[l].table))
            rows[l] = std::max(rows[l], line);
        lineCount = std::max(lineCount, rows[l]);
    }

    for (const auto& line : source->lines) {
        const std::string& directive = line.field(0);
        const std::string& key = line.field(1);
        const std::string& keys = line.field(2);
        if (keys.empty() || keys.size() > 2)
            ctx.diag.error(line.pos, "one or two family keys, written together");
        for (const char c : keys)
            if (!families.count(c))
                ctx.diag.error(line.pos,
                               std::string("family key ") + c + " is not in familias.tsv");
        bool known = false;
        for (std::size_t l = 0; l < kLevels.size(); ++l) {
            const Level& level = kLevels[l];
            if (directive == level.directive) {
                known = true;
                const int row = ctx.keys.resolve(level.table, key, line.pos, ctx.diag);
                if (!row) continue;
                if (inert[l].count(row))
                    ctx.diag.error(line.pos, key + " is not a qualification of " + level.table);
                else if (given[l][row].ownLine)
                    ctx.diag.error(line.pos, key + " is given its families twice");
                given[l][row] = {keys, true};
            } else if (*level.familyHeader && directive == level.familyHeader) {
                known = true;
                if (!headers[l].count(key)) {
                    ctx.diag.error(line.pos, "unknown " + std::string(level.table) + " family \"" +
                                                 key + "\"");
                    continue;
                }
                const int header = ctx.keys.resolve(level.table, key, line.pos, ctx.diag);
                for (int row = header + 1; row <= rows[l] && !inert[l].count(row); ++row)
                    if (!given[l][row].ownLine) given[l][row] = {keys, false};
            }
        }
        if (!known) ctx.diag.error(line.pos, "unknown directive \"" + directive + "\"");
    }

    const SourcePos file{kIndexSource, 0};
    if (lineCount > kMaxIndexLines) ctx.diag.error(file, "indices would pass its 600 lines");
    for (std::size_t l = 0; l < kLevels.size(); ++l)
        for (const auto& [key, row] : ctx.keys.table(kLevels[l].table))
            if (!inert[l].count(row) && !given[l].count(row))
                ctx.diag.error(file,
                               std::string(kLevels[l].table) + " " + key + " belongs to no family");

    std::vector<std::string> lines;
    for (int r = 1; r <= lineCount; ++r) {
        std::string line;
        for (std::size_t l = 0; l < kLevels.size(); ++l) {
            std::string pair;
            if (const auto found = given[l].find(r); found != given[l].end())
                pair = found->second.families;
            pair.resize(2, ' ');
            line += pair;
        }
        lines.push_back(line);
    }
    ctx.output.writeText("indices", lines);
}

}  // namespace rumbelo::data
