// LU1..LU4: one training centre a line. Column 1 is the province letter; columns 2-45 the
// name field (the locality in 2-18, then the centre's name; for a centre listed by comarca
// or area, column 45 holds the second character of that district's key); 46-54 the
// telephone; from 56 up to ten two-digit programme numbers.
#include "common/text/fixed_text.h"
#include "data/geography/centre_sources.h"
#include "data/geography/geography.h"
#include "data/initial/initial_pass.h"

namespace rumbelo::data {
namespace {

std::string centreLine(const CentreRecord& centre, const DistrictsSource& districts) {
    std::string field =
        cut(padTo(centre.locality, kLocalityColumns) + centre.name, kNameFieldColumns);
    field = padTo(field, static_cast<int>(kNameFieldColumns));
    if (const DistrictSource* district = districts.find(centre.district))
        field.back() = district->programKey[1];
    std::string line = std::string(1, centre.letter) + field + padTo(centre.phone, 9);
    if (!centre.programmes.empty()) {
        line += ' ';
        for (const int programme : centre.programmes)
            line += (programme < 10 ? "0" : "") + std::to_string(programme);
    }
    return line;
}

}  // namespace

std::vector<CentreRecord> compileCentres(CompileContext& ctx, const PlacesSource& places,
                                         const DistrictsSource& districts) {
    auto centres = readCentreSources(ctx.src, places, districts, ctx.diag);
    compileInitialProgrammes(ctx, centres);
    std::vector<std::string> lines[kZoneCount + 1];
    for (const auto& centre : centres) {
        lines[centre.zone].push_back(centreLine(centre, districts));
        if (!centre.key.empty())
            ctx.keys.add("LU" + std::to_string(centre.zone), centre.key, centre.line, centre.pos,
                         ctx.diag);
    }
    for (int zone = 1; zone <= kZoneCount; ++zone)
        ctx.output.writeText("LU" + std::to_string(zone), lines[zone]);
    return centres;
}

}  // namespace rumbelo::data
