// data/secondary/modalidades.tsv with the degree and higher-FP catalogues -> CARRERAS and
// FPS: every degree and title open from some Bachillerato modality, with the modality
// marks the itinerary lists test, in the catalogues' own order.
#include <algorithm>
#include <map>
#include <set>

#include "common/text/fixed_text.h"
#include "data/degrees/degree_sources.h"
#include "data/fp/fp_sources.h"
#include "data/output.h"
#include "data/secondary/secondary_pass.h"
#include "data/secondary/secondary_sources.h"
#include "data/source.h"

namespace rumbelo::data::secondary {
namespace {

constexpr std::size_t kDegreeNameWidth = 45;
constexpr std::size_t kTitleNameWidth = 43;

struct ColumnRule {
    SourcePos pos;
    int column = 0;
    std::set<std::string> routes;      // routes of the modality
    std::set<std::string> openRoutes;  // routes open to every modality
    std::set<std::string> options;     // subjects of this option of the modality
    std::set<std::string> modality;    // every subject of the modality
};

struct Rules {
    std::vector<ColumnRule> degrees;  // columns 1-5
    std::vector<ColumnRule> titles;   // columns 1-7
    std::set<std::string> earlier;    // keys of studies that need more than Bachillerato
};

std::set<std::string> wordSet(const std::string& text) {
    const auto words = splitWords(text);
    return {words.begin(), words.end()};
}

Rules readRules(CompileContext& ctx) {
    Rules rules;
    const auto file = readSource(ctx.src, "secondary/modalidades.tsv", ctx.diag);
    if (!file) return rules;
    for (const auto& line : file->lines) {
        if (line.field(0) == "previo") {
            const auto keys = wordSet(line.field(1));
            rules.earlier.insert(keys.begin(), keys.end());
            continue;
        }
        ColumnRule rule;
        rule.pos = line.pos;
        const auto column = parseNumber(line.field(1));
        rule.routes = wordSet(line.field(3));
        rule.openRoutes = wordSet(line.field(4));
        rule.options = wordSet(line.field(5));
        rule.modality = wordSet(line.field(6));
        const bool degrees = line.field(0) == "carreras";
        const int columns = degrees ? 5 : 7;
        if ((!degrees && line.field(0) != "fps") || !column || *column < 1 || *column > columns ||
            (rule.routes.empty() && rule.openRoutes.empty())) {
            ctx.diag.error(line.pos, "expected carreras 1-5 or fps 1-7, a label and route keys");
            continue;
        }
        rule.column = *column;
        (degrees ? rules.degrees : rules.titles).push_back(rule);
    }
    for (int c = 1; c <= 7; ++c) {
        const auto has = [c](const std::vector<ColumnRule>& list) {
            return std::any_of(list.begin(), list.end(),
                               [c](const ColumnRule& r) { return r.column == c; });
        };
        if (c <= 5 && !has(rules.degrees))
            ctx.diag.error({"secondary/modalidades.tsv", 0},
                           "no rule for CARRERAS column " + std::to_string(c));
        if (!has(rules.titles))
            ctx.diag.error({"secondary/modalidades.tsv", 0},
                           "no rule for FPS column " + std::to_string(c));
    }
    return rules;
}

// Whether `keys` name a route of one of the columns: then the study is linked to those
// modalities, and being open to every modality too does not put it in the others' lists.
bool namesRoute(const std::vector<ColumnRule>& rules, const std::vector<std::string>& keys) {
    for (const auto& rule : rules)
        for (const auto& key : keys)
            if (rule.routes.count(key)) return true;
    return false;
}

bool opens(const ColumnRule& rule, const std::vector<std::string>& keys, bool linked) {
    bool route = false, modalitySubject = false, optionSubject = false;
    for (const auto& key : keys) {
        // The column of studies open from any Bachillerato (no routes of its own) takes them
        // all; a modality's column only those linked to no modality in particular.
        if (rule.openRoutes.count(key) && (rule.routes.empty() || !linked)) return true;
        route = route || rule.routes.count(key) > 0;
        modalitySubject = modalitySubject || rule.modality.count(key) > 0;
        optionSubject = optionSubject || rule.options.count(key) > 0;
    }
    return route && (!modalitySubject || optionSubject);
}

// The marks of one degree or title: column k holds the digit k when it is open from k. A
// study that also needs an earlier title (a sports title needs the Técnico Deportivo of its
// sport) is not reached from Bachillerato alone and has no marks.
std::string marks(const std::vector<ColumnRule>& rules, const std::set<std::string>& earlier,
                  int columns, const std::vector<std::string>& keys) {
    std::string out(static_cast<std::size_t>(columns), ' ');
    for (const auto& key : keys)
        if (earlier.count(key)) return out;
    const bool linked = namesRoute(rules, keys);
    for (const auto& rule : rules)
        if (opens(rule, keys, linked))
            out[static_cast<std::size_t>(rule.column - 1)] = static_cast<char>('0' + rule.column);
    return out;
}

// The catalogues are read again on their own: their errors were reported by their passes.
struct Catalogues {
    std::vector<degrees::Degree> degrees;
    std::vector<fp::Family> families;
};
Catalogues readCatalogues(const CompileContext& ctx) {
    CompileContext quiet(ctx.src, ctx.output.dir());
    return {degrees::readDegrees(quiet), fp::readFamilies(quiet, fp::higherGrade())};
}

void writeDegrees(CompileContext& ctx, const Rules& rules,
                  const std::vector<degrees::Degree>& list) {
    std::vector<std::pair<int, std::string>> numbered;
    for (const auto& degree : list) {
        const auto m = marks(rules.degrees, rules.earlier, 5, degree.requirements.keys);
        if (m == std::string(5, ' ')) continue;  // second-cycle degrees: not from Bachillerato
        const int line = ctx.keys.table("CARRERA").count(degree.key)
                             ? ctx.keys.table("CARRERA").at(degree.key)
                             : 0;
        numbered.emplace_back(line, m + fixedField(degree.name, kDegreeNameWidth, degree.pos,
                                                   ctx.diag, "degree name"));
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<std::string> lines;
    for (const auto& [line, text] : numbered)
        lines.push_back(text);
    ctx.output.writeText("CARRERAS", lines);
}

std::map<std::string, TabbedLine> readShortNames(CompileContext& ctx) {
    std::map<std::string, TabbedLine> names;
    for (auto& line : readTabbedLines(ctx, "nombres_cortos.tsv"))
        if (!names.emplace(line.head, line).second)
            ctx.diag.error(line.pos, "short name of " + line.head + " given twice");
    return names;
}

void writeTitles(CompileContext& ctx, const Rules& rules, const std::vector<fp::Family>& families) {
    auto shortNames = readShortNames(ctx);
    std::vector<std::string> lines;
    for (const auto& family : families)
        for (const auto& title : family.titles) {
            const auto m = marks(rules.titles, rules.earlier, 7, title.access.keys);
            const auto shortName = shortNames.find(title.key);
            std::string name = title.name;
            SourcePos pos = title.pos;
            if (shortName != shortNames.end()) {
                name = toCp1252(shortName->second.text, shortName->second.pos, ctx.diag);
                pos = shortName->second.pos;
                shortNames.erase(shortName);
            }
            if (m == std::string(7, ' ')) continue;
            if (name.size() > kTitleNameWidth) {
                ctx.diag.error(pos, "name of " + title.key +
                                        " longer than 43 characters; give it a short name in "
                                        "secondary/nombres_cortos.tsv");
                continue;
            }
            lines.push_back(m + fixedField(name, kTitleNameWidth, pos, ctx.diag, "title name"));
        }
    for (const auto& [key, line] : shortNames)
        ctx.diag.error(line.pos, "short name of an unknown title " + key);
    ctx.output.writeText("FPS", lines);
}

}  // namespace

void compileModalityLists(CompileContext& ctx) {
    const auto rules = readRules(ctx);
    const auto catalogues = readCatalogues(ctx);
    writeDegrees(ctx, rules, catalogues.degrees);
    writeTitles(ctx, rules, catalogues.families);
}

}  // namespace rumbelo::data::secondary
