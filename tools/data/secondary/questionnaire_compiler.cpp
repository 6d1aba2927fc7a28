// data/secondary/areas.txt, preparacion.tsv, intereses.tsv and resultados.tsv -> CUESTION
// (the statements), ITINERAR (areas and result texts at their fixed lines), TITULOS (the
// studies listed for the areas: higher-FP titles in lines 1-88, degrees from line 89) and
// datitine (record A: the statements of each area; record B: the studies of each area).
#include <algorithm>
#include <map>
#include <set>

#include "common/text/fixed_text.h"
#include "data/degrees/degree_sources.h"
#include "data/fp/fp_sources.h"
#include "data/output.h"
#include "data/secondary/secondary_pass.h"
#include "data/secondary/secondary_sources.h"
#include "secondary/data/area_lists.h"
#include "secondary/data/itinerary_texts.h"

namespace rumbelo::data::secondary {
namespace {

using rumbelo::secondary::kAreaRecordSize;
using rumbelo::secondary::kAreaRowBytes;
using rumbelo::secondary::kAreaRowCapacity;

constexpr int kReadinessStatements = 35;
constexpr int kFirstGroupLines = 88;
constexpr int kMaxTitles = 255;
constexpr std::size_t kStatementWidth = 48;
constexpr std::size_t kItineraryWidth = 54;
constexpr std::size_t kAreaNameWidth = 45;
constexpr std::size_t kAreaIdentity = 20;
constexpr int kRankedAreas = 13;
constexpr int kDegreesOnlyAreas[] = {11, 12};

// The advice lines of each advice area, from ITINERAR line 35 on.
constexpr int kAdviceLines[] = {2, 3, 2, 2, 2, 2};  // areas 14..19

// Roles of resultados.tsv and the ITINERAR line each fills; the width is what the program
// keeps of it.
struct Role {
    const char* role;
    int line;
    std::size_t width;
};
constexpr Role kRoles[] = {
    {"heading", 21, 35},
    {"recomendacion-salud", 22, 35},
    {"recomendacion-sociales", 23, 35},
    {"recomendacion-humanidades", 24, 35},
    {"recomendacion-tecnica", 25, 35},
    {"recomendacion-tecnologia", 26, 35},
    {"recomendacion-artes", 27, 35},
    {"areas-titulo", 30, kItineraryWidth},
    {"areas-nota", 32, kItineraryWidth},
    {"areas-campo", 33, kItineraryWidth},
    {"consejos-titulo", 34, kItineraryWidth},
    {"sin-consejos-1", 48, kItineraryWidth},
    {"sin-consejos-2", 49, kItineraryWidth},
    {"cierre-1", 50, kItineraryWidth},
    {"cierre-2", 51, kItineraryWidth},
    {"cierre-3", 52, kItineraryWidth},
};
constexpr int kLastLine = 52;

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

struct Studies {
    std::map<std::string, std::string> cycles;  // fp title key -> name
    std::vector<std::string> cycleOrder;        // in "FP" order
    std::map<std::string, std::string> degrees;
    std::vector<std::string> degreeOrder;  // in "CARRERA" order
};

Studies readStudies(const CompileContext& ctx) {
    CompileContext quiet(ctx.src, ctx.output.dir());
    Studies studies;
    for (const auto& family : fp::readFamilies(quiet))
        for (const auto& title : family.titles) {
            studies.cycles[title.key] = title.name;
            studies.cycleOrder.push_back(title.key);
        }
    auto degreeList = degrees::readDegrees(quiet);
    const auto& lines = ctx.keys.table("CARRERA");
    std::sort(degreeList.begin(), degreeList.end(), [&lines](const auto& a, const auto& b) {
        const auto la = lines.count(a.key) ? lines.at(a.key) : 0;
        const auto lb = lines.count(b.key) ? lines.at(b.key) : 0;
        return la < lb;
    });
    for (const auto& degree : degreeList) {
        studies.degrees[degree.key] = degree.name;
        studies.degreeOrder.push_back(degree.key);
    }
    return studies;
}

// TITULOS: the titles any area lists, then the degrees, each group in catalogue order.
// Returns the line of each key ("fp:" or "carrera:" + key).
std::map<std::string, int> writeTitles(CompileContext& ctx, const std::vector<Area>& areas,
                                       const Studies& studies) {
    std::set<std::string> cycles, degreeKeys;
    for (const auto& area : areas) {
        for (const auto& key : area.cycles)
            if (!studies.cycles.count(key))
                ctx.diag.error(area.cyclesPos, "unknown higher-FP title \"" + key + "\"");
            else
                cycles.insert(key);
        for (const auto& key : area.degrees)
            if (!studies.degrees.count(key))
                ctx.diag.error(area.degreesPos, "unknown degree \"" + key + "\"");
            else
                degreeKeys.insert(key);
    }
    std::map<std::string, int> lineOf;
    std::vector<std::string> lines;
    for (const auto& key : studies.cycleOrder)
        if (cycles.count(key)) {
            lines.push_back(studies.cycles.at(key));
            lineOf["fp:" + key] = static_cast<int>(lines.size());
        }
    if (static_cast<int>(lines.size()) > kFirstGroupLines)
        ctx.diag.error({"secondary/areas.txt", 0},
                       std::to_string(lines.size()) +
                           " higher-FP titles: the first group of TITULOS holds 88");
    lines.resize(kFirstGroupLines);  // the degrees start at line 89 whatever the count
    for (const auto& key : studies.degreeOrder)
        if (degreeKeys.count(key)) {
            lines.push_back(studies.degrees.at(key));
            lineOf["carrera:" + key] = static_cast<int>(lines.size());
        }
    if (static_cast<int>(lines.size()) > kMaxTitles)
        ctx.diag.error({"secondary/areas.txt", 0}, "more than 255 lines of TITULOS");
    ctx.output.writeText("TITULOS", lines);
    return lineOf;
}

void putRow(Record& record, int h, const std::vector<int>& numbers, const SourcePos& pos,
            Diagnostics& diag, const std::string& what) {
    if (static_cast<int>(numbers.size()) > kAreaRowCapacity) {
        diag.error(pos, what + ": more than 100 entries");
        return;
    }
    const std::size_t offset = static_cast<std::size_t>(h - 1) * kAreaRowBytes;
    record.setByte(offset, static_cast<int>(numbers.size()));
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 1 || numbers[i] > 255) diag.error(pos, what + ": number beyond 255");
        record.setByte(offset + 1 + i, numbers[i]);
    }
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

    // ITINERAR.
    std::vector<std::string> itinerary(kLastLine);
    const auto put = [&](int line, const std::string& text, std::size_t width, const SourcePos& pos,
                         const std::string& what) {
        itinerary[static_cast<std::size_t>(line - 1)] =
            TrimRight(fixedField(text, width, pos, ctx.diag, what));
    };
    for (const auto& [h, area] : byPlace)
        put(h, area->name, kItineraryWidth, area->pos, "area name");
    int adviceLine = 35;
    for (int h = 14; h <= 19; ++h)
        if (byPlace.count(h))
            for (const auto& line : byPlace[h]->advice)
                put(adviceLine++, line, kItineraryWidth, byPlace[h]->pos, "advice line");
    std::set<std::string> given;
    for (const auto& line : readTabbedLines(ctx, "resultados.tsv")) {
        const auto role = std::find_if(std::begin(kRoles), std::end(kRoles),
                                       [&line](const Role& r) { return line.head == r.role; });
        if (role == std::end(kRoles)) {
            ctx.diag.error(line.pos, "unknown role \"" + line.head + "\"");
            continue;
        }
        if (!given.insert(line.head).second)
            ctx.diag.error(line.pos, "role " + line.head + " given twice");
        put(role->line, toCp1252(line.text, line.pos, ctx.diag), role->width, line.pos, line.head);
    }
    for (const auto& role : kRoles)
        if (!given.count(role.role))
            ctx.diag.error({"secondary/resultados.tsv", 0},
                           std::string("no text for role ") + role.role);
    // Area 5 recommends two options joined by " o ", after six blanks, in a 60-column line.
    if (TrimRight(itinerary[23]).size() + 3 + itinerary[22].size() + 6 > 60)
        ctx.diag.error({"secondary/resultados.tsv", 0},
                       "recomendacion-humanidades + \" o \" + recomendacion-sociales does not "
                       "fit the results line");
    ctx.output.writeText("ITINERAR", itinerary);

    // TITULOS and record B: the studies of each ranked area, cycles first.
    const auto titleLines = writeTitles(ctx, areas, readStudies(ctx));
    Record recordA(kAreaRecordSize), recordB(kAreaRecordSize);
    for (const auto& [h, numbers] : rowA)
        putRow(recordA, h, numbers, byPlace[h]->pos, ctx.diag, "area " + byPlace[h]->key);
    for (const auto& [h, area] : byPlace) {
        if (h > kRankedAreas) continue;
        std::vector<int> numbers;
        for (const auto& key : area->cycles)
            if (titleLines.count("fp:" + key)) numbers.push_back(titleLines.at("fp:" + key));
        for (const auto& key : area->degrees)
            if (titleLines.count("carrera:" + key))
                numbers.push_back(titleLines.at("carrera:" + key));
        putRow(recordB, h, numbers, area->pos, ctx.diag, "studies of " + area->key);
    }
    ctx.output.writeBinary("datitine", recordA.bytes() + recordB.bytes());
}

}  // namespace rumbelo::data::secondary
