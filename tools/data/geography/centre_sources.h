#pragma once
// Reading the centre files with full checks, for the geography pass and for readCentres.
#include <vector>

#include "data/geography/centres.h"
#include "data/geography/districts.h"
#include "data/geography/places.h"

namespace rumbelo::data {

constexpr int kZoneCount = 4;
constexpr std::size_t kLocalityColumns = 17;
constexpr std::size_t kNameFieldColumns = 44;  // columns 2-45
constexpr int kCentresPerZone = 1000;          // the program's line tables

// The four zone files; problems go to diag.
std::vector<CentreRecord> readCentreSources(const std::filesystem::path& src,
                                            const PlacesSource& places,
                                            const DistrictsSource& districts, Diagnostics& diag);

}  // namespace rumbelo::data
