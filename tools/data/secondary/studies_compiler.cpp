// The degree and higher-FP catalogues with data/secondary/areas.txt -> TITULOS and record B
// of datitine: the names of the studies the areas list, and each area's list.
#include <algorithm>
#include <set>

#include "data/degrees/degree_sources.h"
#include "data/fp/fp_sources.h"
#include "data/secondary/questionnaire_parts.h"
#include "secondary/data/area_lists.h"

namespace rumbelo::data::secondary {
namespace {

using rumbelo::secondary::kAreaRecordSize;
using rumbelo::secondary::kAreaRowBytes;
using rumbelo::secondary::kAreaRowCapacity;

constexpr int kFirstGroupLines = 88;
constexpr int kMaxTitles = 255;

struct Studies {
    std::map<std::string, std::string> cycles;  // fp title key -> name
    std::vector<std::string> cycleOrder;        // in "FP" order
    std::map<std::string, std::string> degrees;
    std::vector<std::string> degreeOrder;  // in "CARRERA" order
};

Studies readStudies(const CompileContext& ctx) {
    CompileContext quiet(ctx.src, ctx.output.dir());
    Studies studies;
    for (const auto& family : fp::readFamilies(quiet, fp::higherGrade()))
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

}  // namespace

void putAreaRow(Record& record, int h, const std::vector<int>& numbers, const SourcePos& pos,
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

Record writeAreaStudies(CompileContext& ctx, const std::vector<Area>& areas,
                        const AreasByPlace& byPlace) {
    const auto titleLines = writeTitles(ctx, areas, readStudies(ctx));
    Record record(kAreaRecordSize);
    for (const auto& [h, area] : byPlace) {
        if (h > kRankedAreas) continue;
        std::vector<int> numbers;
        for (const auto& key : area->cycles)
            if (titleLines.count("fp:" + key)) numbers.push_back(titleLines.at("fp:" + key));
        for (const auto& key : area->degrees)
            if (titleLines.count("carrera:" + key))
                numbers.push_back(titleLines.at("carrera:" + key));
        putAreaRow(record, h, numbers, area->pos, ctx.diag, "studies of " + area->key);
    }
    return record;
}

}  // namespace rumbelo::data::secondary
