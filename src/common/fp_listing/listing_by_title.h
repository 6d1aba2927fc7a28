#pragma once
// Where one FP title is taught in a community: its centres province by province, with a
// heading per province only when the community has several. Returns the listing. Qt-free.
#include <optional>
#include <vector>

#include "common/fp_listing/fp_files.h"
#include "common/fp_listing/listing.h"
#include "common/geography/geography.h"

namespace rumbelo::fp_listing {

// The lines of zone z's centre file that begin with `letter`, in file order.
std::vector<int> centresOfProvince(const GeographyData& geo, int zone, char letter);

// The centres of community c that teach title t. For each province: "- ", its heading
// name and seven blanks (only with several provinces), then a row per entry of the title's
// offer row that is a centre of the province (name field and telephone), then a row of 60
// blanks; a province without such a centre leaves nothing. The zone of the community's
// first province chooses the centre file and the offer record; nothing (nullopt) when it is
// no zone.
std::optional<Listing> listByTitle(const FpFiles& files, const GeographyData& geo, int community,
                                   int t);

}  // namespace rumbelo::fp_listing
