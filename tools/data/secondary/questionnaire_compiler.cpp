// data/secondary/areas.txt, preparacion.tsv and intereses.tsv -> CUESTION (the statements)
// and record A of datitine (the statements of each area), then ITINERAR, TITULOS and
// record B (see questionnaire_parts.h).
#include <map>

#include "common/text/fixed_text.h"
#include "data/secondary/questionnaire_parts.h"
#include "data/secondary/secondary_pass.h"
#include "secondary/data/area_lists.h"

namespace rumbelo::data::secondary {
namespace {

using rumbelo::secondary::kAreaRecordSize;

constexpr int kReadinessStatements = 35;
constexpr std::size_t kStatementWidth = 48;
constexpr std::size_t kAreaNameWidth = 45;
constexpr std::size_t kAreaIdentity = 20;
constexpr int kDegreesOnlyAreas[] = {11, 12};

// The advice lines of each advice area, from ITINERAR line 35 on.
constexpr int kAdviceLines[] = {2, 3, 2, 2, 2, 2};  // areas 14..19

bool validWeight(int w) {
    return w == 2 || w == 3 || w == 4 || w == 5 || w == 8 || w == 9;
}

void checkStatement(const Statement& s, Diagnostics& diag) {
    if (!validWeight(s.weight)) diag.error(s.pos, "weight must be 2, 3, 4, 5, 8 or 9");
    if (s.format < 2 || s.format > 5) diag.error(s.pos, "answers must be 2, 3, 4 or 5");
    if (s.format == 5 && s.weight <= 5)
        diag.error(s.pos, "weights 2-5 give no points for a fifth answer: use answers 2-4");
    if (s.areas.empty()) diag.error(s.pos, "a statement counts for at least one area");
}

}  // namespace

void compileQuestionnaire(CompileContext& ctx) {
    auto areas = readAreas(ctx);
    const auto readiness = readStatements(ctx, "preparacion.tsv");
    const auto interests = readStatements(ctx, "intereses.tsv");
    if (static_cast<int>(readiness.size()) != kReadinessStatements)
        ctx.diag.error(
            {"secondary/preparacion.tsv", 0},
            std::to_string(readiness.size()) + " statements: the first block holds exactly 35");

    // Areas by their line.
    std::map<std::string, const Area*> byKey;
    std::map<int, const Area*> byPlace;
    for (const auto& area : areas) {
        if (!byKey.emplace(area.key, &area).second)
            ctx.diag.error(area.pos, "area " + area.key + " given twice");
        if (area.place < 1 || area.place > 20)
            ctx.diag.error(area.pos, "puesto must be 1-20");
        else if (!byPlace.emplace(area.place, &area).second)
            ctx.diag.error(area.pos, "two areas at puesto " + std::to_string(area.place));
        if (area.name.size() > kAreaNameWidth)
            ctx.diag.error(area.pos, "area name longer than 45 characters");
        const bool ranked = area.place >= 1 && area.place <= kRankedAreas;
        const bool advice = area.place >= 14 && area.place <= 19;
        if (!ranked && (!area.cycles.empty() || !area.degrees.empty()))
            ctx.diag.error(area.pos, "only areas 1-13 list studies");
        if (ranked && area.cycles.empty() && area.degrees.empty())
            ctx.diag.error(area.pos, "a ranked area lists its studies");
        for (const int only : kDegreesOnlyAreas)
            if (area.place == only && !area.cycles.empty())
                ctx.diag.error(area.cyclesPos, "area " + std::to_string(only) +
                                                   " has no cycles heading: list degrees only");
        const std::size_t wanted =
            advice ? static_cast<std::size_t>(kAdviceLines[area.place - 14]) : 0;
        if (area.advice.size() != wanted)
            ctx.diag.error(area.pos, "area " + area.key + " needs " + std::to_string(wanted) +
                                         " advice lines");
    }
    for (int h = 1; h <= 19; ++h)
        if (!byPlace.count(h))
            ctx.diag.error({"secondary/areas.txt", 0}, "no area at puesto " + std::to_string(h));
    for (int a = 1; a <= kRankedAreas; ++a)
        for (int b = a + 1; b <= kRankedAreas; ++b)
            if (byPlace.count(a) && byPlace.count(b) &&
                cut(byPlace[a]->name, kAreaIdentity) == cut(byPlace[b]->name, kAreaIdentity))
                ctx.diag.error(byPlace[b]->pos, "the first 20 characters of area " +
                                                    std::to_string(b) + " repeat area " +
                                                    std::to_string(a));

    // CUESTION, and record A: which statements make up each area.
    std::vector<std::string> statementLines;
    std::map<int, std::vector<int>> rowA;
    std::map<int, int> interestCount, readinessCount;
    int number = 0;
    for (const auto* block : {&readiness, &interests}) {
        const bool first = block == &readiness;
        for (const auto& s : *block) {
            ++number;
            checkStatement(s, ctx.diag);
            statementLines.push_back(
                std::to_string(s.weight % 10) + std::to_string(s.format % 10) +
                fixedField(s.text, kStatementWidth, s.pos, ctx.diag, "statement"));
            for (std::size_t i = 0; i < s.areas.size(); ++i) {
                const auto area = byKey.find(s.areas[i]);
                if (area == byKey.end()) {
                    ctx.diag.error(s.pos, "unknown area \"" + s.areas[i] + "\"");
                    continue;
                }
                const int h = area->second->place;
                const bool advice = h >= 14 && h <= 19;
                if (first && i == 0 && !advice)
                    ctx.diag.error(s.pos, "a readiness statement names its advice area first");
                if (!first && advice)
                    ctx.diag.error(s.pos, "advice areas take readiness statements only");
                rowA[h].push_back(number);
                (first ? readinessCount : interestCount)[h]++;
            }
        }
    }
    for (const auto& [h, area] : byPlace) {
        if (h <= kRankedAreas && interestCount[h] == 0)
            ctx.diag.error(area->pos, "area " + area->key + " has no interest statement");
        if (h >= 14 && h <= 19 && readinessCount[h] == 0)
            ctx.diag.error(area->pos, "advice area " + area->key + " has no statement");
    }
    if (statementLines.size() > 255)
        ctx.diag.error({"secondary/intereses.tsv", 0}, "more than 255 statements");
    ctx.output.writeText("CUESTION", statementLines);

    writeItinerary(ctx, byPlace);
    const Record recordB = writeAreaStudies(ctx, areas, byPlace);
    Record recordA(kAreaRecordSize);
    for (const auto& [h, numbers] : rowA)
        putAreaRow(recordA, h, numbers, byPlace[h]->pos, ctx.diag, "area " + byPlace[h]->key);
    ctx.output.writeBinary("datitine", recordA.bytes() + recordB.bytes());
}

}  // namespace rumbelo::data::secondary
