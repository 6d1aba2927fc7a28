#pragma once
// Small FP files and geography built in memory, so each listing test states only the
// titles, centres and offers it needs.
#include <string>
#include <vector>

#include "common/data/family_index.h"
#include "common/fp_listing/fp_files.h"
#include "common/geography/geography.h"

namespace rumbelo::testing {

struct FpListingFixture {
    FpListingFixture();

    // Title line t (family headers begin with "-").
    void setTitles(const std::vector<std::string>& lines);
    // Centre line k of zone z: province letter, name field (padded to 44), telephone.
    int addCentre(int zone, char letter, const std::string& name, const std::string& phone);
    // offer[z-1][t] = centres.
    void offer(int zone, int t, std::vector<int> centres);
    fp_listing::FpFiles files() const;

    LineTable titles;
    FamilyIndex families;
    GroupedTable blocks;
    fp_listing::OfferTable offerTable;
    GeographyData geo;
};

// A locality padded to the 17 or 35 characters it takes in a centre's name field.
std::string locality(const std::string& name, std::size_t width = 17);

}  // namespace rumbelo::testing
