#pragma once
// The geography passes: communities and provinces, universities, training centres,
// comarcas and areas, maps and region grids. They run before the catalogues, which name
// universities and centres by the keys registered here.
#include "data/compile.h"
#include "data/geography/places.h"

namespace rumbelo::data {

// The pass: reads the communities and provinces once, then runs the steps below in order.
void compileGeography(CompileContext& ctx);

// COMUNIDA and COMUINT.
void compileCommunities(CompileContext& ctx, const PlacesSource& places);
// LUGAR; registers the "LUGAR" keys.
void compileUniversities(CompileContext& ctx, const PlacesSource& places);

}  // namespace rumbelo::data
