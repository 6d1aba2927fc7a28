// Faults no single source shows: a university the pupil can click that teaches nothing, and a
// degree that says "open from higher FP" while no title leads to it (or the reverse).
#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "data/degrees/degrees_pass.h"
#include "data/source.h"
#include "degrees/data/fp_catalog.h"

namespace rumbelo::data::degrees {
namespace {

// Where a key stands in a tab-separated source, so that the error points at its line.
SourcePos keyPosition(CompileContext& ctx, const std::string& name, const std::string& key) {
    Diagnostics quiet;
    if (const auto source = readSource(ctx.src, name, quiet))
        for (const auto& line : source->lines)
            if (line.field(0) == key) return line.pos;
    return {name, 0};
}

// The "carreFP" lines some title reaches, from the "datFPR" the FP pass wrote.
std::optional<std::set<int>> reachedFpLines(CompileContext& ctx) {
    std::ifstream in(ctx.output.dir() / "datFPR", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() < rumbelo::degrees::kFpLinksRecordSize) return std::nullopt;
    std::set<int> reached;
    for (const auto& links :
         rumbelo::degrees::decodeLinksRecord(bytes.substr(0, rumbelo::degrees::kFpLinksRecordSize)))
        reached.insert(links.degrees.begin(), links.degrees.end());
    return reached;
}

bool listsFpAccess(const Degree& degree) {
    const auto& keys = degree.requirements.keys;
    return std::find(keys.begin(), keys.end(), kFpAccessRequirement) != keys.end();
}

}  // namespace

void checkEveryPlaceTeaches(CompileContext& ctx, const std::vector<Degree>& degrees) {
    std::set<std::string> teaching;
    for (const auto& degree : degrees)
        for (const auto& place : degree.places)
            teaching.insert(place.place);
    for (const auto& [key, line] : ctx.keys.table("LUGAR"))
        if (!teaching.count(key))
            ctx.diag.error(keyPosition(ctx, "geography/universidades.tsv", key),
                           "\"" + key +
                               "\" teaches no degree in degrees/plazas.txt: the pupil "
                               "would find an empty list there");
}

void checkFpAccess(CompileContext& ctx, const std::vector<Degree>& degrees) {
    const bool anyEntry = std::any_of(degrees.begin(), degrees.end(),
                                      [](const Degree& d) { return !d.fpEntries.keys.empty(); });
    const auto reached = reachedFpLines(ctx);
    if (!reached && (anyEntry || !ctx.keys.table("carreFP").empty()))
        ctx.diag.error({"fp/carreras.tsv", 0}, "no datFPR to tell which titles reach which degree");
    std::set<std::string> named;
    for (const auto& degree : degrees) {
        const bool open = listsFpAccess(degree);
        if (open && degree.fpEntries.keys.empty())
            ctx.diag.error(degree.requirements.pos, "\"" + degree.key + "\" lists " +
                                                        kFpAccessRequirement +
                                                        " but names no carreFP entry (desde-fp)");
        if (!open && !degree.fpEntries.keys.empty())
            ctx.diag.error(degree.fpEntries.pos, "\"" + degree.key +
                                                     "\" names carreFP entries but does not list " +
                                                     kFpAccessRequirement);
        for (const auto& key : degree.fpEntries.keys) {
            named.insert(key);
            const int line = ctx.keys.resolve("carreFP", key, degree.fpEntries.pos, ctx.diag);
            if (line > 0 && reached && !reached->count(line))
                ctx.diag.error(degree.fpEntries.pos, "\"" + degree.key +
                                                         "\": no higher-FP title "
                                                         "leads to carreFP \"" +
                                                         key + "\"");
        }
    }
    if (!reached) return;
    for (const auto& [key, line] : ctx.keys.table("carreFP"))
        if (reached->count(line) && !named.count(key))
            ctx.diag.error(keyPosition(ctx, "fp/carreras.tsv", key),
                           "titles lead to \"" + key +
                               "\" but no degree says it is open from higher FP (desde-fp)");
}

}  // namespace rumbelo::data::degrees
