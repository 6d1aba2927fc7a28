// The geography pass: every step shares one reading of the communities and provinces.
#include "data/geography/geography.h"

namespace rumbelo::data {

void compileGeography(CompileContext& ctx) {
    const auto places = readPlaces(ctx.src, ctx.diag);
    if (!places) return;
    compileCommunities(ctx, *places);
    compileUniversities(ctx, *places);
    const auto districts = readDistricts(ctx.src, *places, ctx.diag);
    const auto centres = compileCentres(ctx, *places, districts);
    compileDistricts(ctx, districts, centres);
    compileMaps(ctx, districts);
}

}  // namespace rumbelo::data
