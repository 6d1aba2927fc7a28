#pragma once
// The parts of the ESO questionnaire's compile: the statements and record A of "datitine"
// (questionnaire_compiler.cpp), "ITINERAR" (itinerary_compiler.cpp), and "TITULOS" with
// record B of "datitine" (studies_compiler.cpp).
#include <map>
#include <string>
#include <vector>

#include "data/output.h"
#include "data/secondary/secondary_sources.h"

namespace rumbelo::data::secondary {

inline constexpr int kRankedAreas = 13;
inline constexpr std::size_t kItineraryWidth = 54;

// The areas by their line of "ITINERAR".
using AreasByPlace = std::map<int, const Area*>;

// "ITINERAR": the area names at their lines, the advice lines of the advice areas from line
// 35 on, and the texts of resultados.tsv at the lines their roles name.
void writeItinerary(CompileContext& ctx, const AreasByPlace& byPlace);

// "TITULOS" (the higher-FP titles any area lists in lines 1-88, the degrees from line 89)
// and record B of "datitine": the studies of each ranked area, cycles first.
Record writeAreaStudies(CompileContext& ctx, const std::vector<Area>& areas,
                        const AreasByPlace& byPlace);

// Row h of a "datitine" record: the count, then the numbers (at most 100, each 1-255).
void putAreaRow(Record& record, int h, const std::vector<int>& numbers, const SourcePos& pos,
                Diagnostics& diag, const std::string& what);

}  // namespace rumbelo::data::secondary
