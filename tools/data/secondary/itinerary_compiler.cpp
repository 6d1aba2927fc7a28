// data/secondary/areas.txt and resultados.tsv -> ITINERAR: the areas, the results heading,
// the six recommendations and the results page's lines, each at the line the program reads.
#include <algorithm>
#include <set>

#include "common/text/fixed_text.h"
#include "data/secondary/questionnaire_parts.h"

namespace rumbelo::data::secondary {
namespace {

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

}  // namespace

void writeItinerary(CompileContext& ctx, const AreasByPlace& byPlace) {
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
            for (const auto& line : byPlace.at(h)->advice)
                put(adviceLine++, line, kItineraryWidth, byPlace.at(h)->pos, "advice line");
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
}

}  // namespace rumbelo::data::secondary
