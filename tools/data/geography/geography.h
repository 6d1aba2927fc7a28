#pragma once
// The geography passes: communities and provinces, universities, training centres,
// comarcas and areas, maps and region grids. They run before the catalogues, which name
// universities and centres by the keys registered here.
#include <vector>

#include "data/compile.h"
#include "data/geography/centres.h"
#include "data/geography/districts.h"
#include "data/geography/places.h"

namespace rumbelo::data {

// The pass: reads the communities and provinces once, then runs the steps below in order.
void compileGeography(CompileContext& ctx);

// COMUNIDA and COMUINT.
void compileCommunities(CompileContext& ctx, const PlacesSource& places);
// LUGAR; registers the "LUGAR" keys.
void compileUniversities(CompileContext& ctx, const PlacesSource& places);
// LU1..LU4; registers the "LU1".."LU4" keys. Returns the centres read.
std::vector<CentreRecord> compileCentres(CompileContext& ctx, const PlacesSource& places,
                                         const DistrictsSource& districts);
// comarcas and comarcasm.
void compileDistricts(CompileContext& ctx, const DistrictsSource& districts,
                      const std::vector<CentreRecord>& centres);
// mapa, mapac, mapam and puntos3.
void compileMaps(CompileContext& ctx, const DistrictsSource& districts);

}  // namespace rumbelo::data
