// data/fp/familias* -> FP (family headers and titles), asignafp (one text block per line of
// FP) and datFPR (each title's access requirements, reachable degrees and interest groups);
// data/fp/medio/familias* -> FP2 and asignagm, in the same way.
#include <map>

#include "common/text/cp1252.h"
#include "data/fp/block_layout.h"
#include "data/fp/fp_passes.h"
#include "data/source.h"
#include "degrees/data/fp_catalog.h"

namespace rumbelo::data::fp {
namespace {

using degrees::kFpTitleRows;

constexpr std::size_t kLineWidth = 60;
// Row 130 of the link tables is read by the catalogue of qualifications for its family "5"
// whatever the length of FP, so FP stops one line short of it.
constexpr int kCatalogueRow = kFpTitleRows;
constexpr int kMaxLines = kFpTitleRows - 1;
constexpr int kMaxRequirements = degrees::kRequirementRowBytes - 1;
constexpr int kMaxDegrees = degrees::kDegreeRowBytes - 1;
constexpr int kMaxGroups = degrees::kGroupRowBytes - 1;
// The bridges dialog keeps at most 50 titles per degree.
constexpr int kMaxTitlesPerDegree = 50;

std::string headerLine(const Family& family) {
    return std::string("-") + (family.secondGroup ? "|" : "") + family.name;
}

void checkFamilyOrder(const std::vector<Family>& families, Diagnostics& diag) {
    bool secondGroupSeen = false;
    for (const auto& family : families) {
        if (family.secondGroup) {
            secondGroupSeen = true;
            continue;
        }
        if (secondGroupSeen)
            diag.error(family.pos,
                       "first-group family " + family.key + " after a second-group family");
        // The families list is sorted by bytes; a first-group name must sort before "|".
        if (!family.name.empty() && static_cast<unsigned char>(family.name[0]) >= '|')
            diag.error(family.pos, "a family name must begin with a plain letter: \"" +
                                       cp1252ToUtf8(family.name) + "\"");
    }
}

// The decree fixes a title's length; its modules must add up to it. LOGSE cycles last one
// of four lengths; the artistic and sports teachings of the second group have their own.
void checkHours(const Title& title, const Family& family, Diagnostics& diag) {
    int total = 0;
    for (const auto& module : title.modules)
        total += module.hours;
    if (title.decree.hours == 0) {
        if (!family.secondGroup)
            diag.error(title.pos, title.key + " names no decreto (royal decree and total hours)");
        return;
    }
    if (total != title.decree.hours)
        diag.error(title.decree.pos, title.key + ": the modules add up to " +
                                         std::to_string(total) + " hours, the decree gives " +
                                         std::to_string(title.decree.hours));
    if (!family.secondGroup && !isLogseTotal(title.decree.hours))
        diag.error(title.decree.pos, title.key + ": " + std::to_string(title.decree.hours) +
                                         " hours; a LOGSE cycle lasts 1300, 1400, 1700 or 2000");
}

std::vector<int> resolveAll(CompileContext& ctx, const std::string& table, const KeyList& list) {
    std::vector<int> numbers;
    for (const auto& key : list.keys)
        numbers.push_back(ctx.keys.resolve(table, key, list.pos, ctx.diag));
    return numbers;
}

// One row of a byte table: the count, then the numbers.
void writeRow(Record& record, std::size_t offset, const std::vector<int>& numbers) {
    record.setByte(offset, static_cast<int>(numbers.size()));
    for (std::size_t i = 0; i < numbers.size(); ++i)
        record.setByte(offset + 1 + i, numbers[i]);
}

void limit(std::vector<int>& numbers, std::size_t most, const SourcePos& pos, Diagnostics& diag,
           const std::string& what) {
    if (numbers.size() <= most) return;
    diag.error(pos, "at most " + std::to_string(most) + " " + what + " per title");
    numbers.resize(most);
}

degrees::FpLinks titleLinks(CompileContext& ctx, const Title& title) {
    degrees::FpLinks links{resolveAll(ctx, "REQFP", title.access),
                           resolveAll(ctx, "carreFP", title.degrees),
                           resolveAll(ctx, "GRUPOS", title.groups)};
    limit(links.requirements, kMaxRequirements, title.access.pos, ctx.diag, "requirements");
    limit(links.degrees, kMaxDegrees, title.degrees.pos, ctx.diag, "reachable degrees");
    limit(links.groups, kMaxGroups, title.groups.pos, ctx.diag, "groups");
    if (links.groups.empty())
        ctx.diag.error(title.pos, title.key + " belongs to no interest group (grupos)");
    bool someRoute = false;
    for (int route = 1; route <= degrees::kRouteCount; ++route)
        someRoute = someRoute || degrees::qualifiesForRoute(links.requirements, route);
    if (!someRoute)
        ctx.diag.error(title.access.pos.line ? title.access.pos : title.pos,
                       title.key + " is open to no Bachillerato route (acceso)");
    return links;
}

std::vector<int> catalogueRequirements(CompileContext& ctx) {
    const auto source = readSource(ctx.src, "fp/catalogo.tsv", ctx.diag);
    if (!source) return {};
    for (const auto& line : source->lines) {
        if (line.field(0) != "acceso") {
            ctx.diag.error(line.pos, "expected acceso<TAB>requirement keys");
            continue;
        }
        KeyList list{line.pos, {}};
        std::string key;
        for (const char c : line.field(1) + ' ') {
            if (c != ' ') {
                key += c;
            } else if (!key.empty()) {
                list.keys.push_back(key);
                key.clear();
            }
        }
        auto numbers = resolveAll(ctx, "REQFP", list);
        limit(numbers, kMaxRequirements, line.pos, ctx.diag, "requirements");
        return numbers;
    }
    return {};
}

}  // namespace

std::vector<FpLine> compileTitleLines(CompileContext& ctx, const Grade& grade,
                                      const std::vector<Family>& families) {
    checkFamilyOrder(families, ctx.diag);
    const std::string listFile = grade.folder + "/familias.tsv";
    std::vector<FpLine> lines;
    for (const auto& family : families) {
        lines.push_back({&family, nullptr});
        ctx.keys.add(grade.titles, family.key, static_cast<int>(lines.size()), family.pos,
                     ctx.diag);
        if (family.titles.empty())
            ctx.diag.error(family.pos, "family " + family.key + " has no titles");
        for (const auto& title : family.titles) {
            lines.push_back({&family, &title});
            ctx.keys.add(grade.titles, title.key, static_cast<int>(lines.size()), title.pos,
                         ctx.diag);
            checkHours(title, family, ctx.diag);
        }
    }
    if (static_cast<int>(lines.size()) > grade.maxLines)
        ctx.diag.error({listFile, 0}, grade.titles + " has " + std::to_string(lines.size()) +
                                          " lines; at most " + std::to_string(grade.maxLines) +
                                          " fit its tables");

    std::vector<std::string> text;
    std::vector<std::string> blocks;
    for (std::size_t i = 0; i < lines.size() && static_cast<int>(i) < grade.maxLines; ++i) {
        const auto& [family, title] = lines[i];
        const std::string line = title ? title->name : headerLine(*family);
        const SourcePos& pos = title ? title->pos : family->pos;
        if (line.size() > kLineWidth)
            ctx.diag.error(pos, "a line of " + grade.titles + " holds at most 60 characters: \"" +
                                    cp1252ToUtf8(line) + "\"");
        text.push_back(line);
        blocks.push_back("[" + (title ? title->key : family->key) + "]");
        for (const auto& blockLine :
             title ? titleBlock(*title, grade, ctx.diag) : familyBlock(*family, grade, ctx.diag))
            blocks.push_back(blockLine);
    }
    ctx.output.writeText(grade.titles, text);
    ctx.output.writeText(grade.blocks, blocks);
    return lines;
}

std::vector<FpLine> compileFpTitles(CompileContext& ctx, const std::vector<Family>& families) {
    const auto lines = compileTitleLines(ctx, higherGrade(), families);
    Record links(degrees::kFpLinksRecordSize);
    std::map<int, int> titlesPerDegree;
    for (std::size_t i = 0; i < lines.size() && static_cast<int>(i) < kMaxLines; ++i) {
        const Title* title = lines[i].title;
        if (!title) continue;  // a header's rows stay empty
        const auto row = titleLinks(ctx, *title);
        writeRow(links, i * degrees::kRequirementRowBytes, row.requirements);
        writeRow(links, degrees::kDegreeTableOffset + i * degrees::kDegreeRowBytes, row.degrees);
        writeRow(links, degrees::kGroupTableOffset + i * degrees::kGroupRowBytes, row.groups);
        for (const int degree : row.degrees)
            if (++titlesPerDegree[degree] == kMaxTitlesPerDegree + 1)
                ctx.diag.error(title->degrees.pos,
                               "more than 50 titles reach carreFP entry " + std::to_string(degree));
    }
    writeRow(links, static_cast<std::size_t>(kCatalogueRow - 1) * degrees::kRequirementRowBytes,
             catalogueRequirements(ctx));
    ctx.output.writeBinary("datFPR", links.bytes());
    return lines;
}

}  // namespace rumbelo::data::fp
