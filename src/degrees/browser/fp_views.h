#pragma once
// The higher-FP face's lists and reports over "FP", "asignafp", "datFPL" and "datFPR": a
// title's requirements, contents and degrees, the headings of the centres of a place, and
// the title report community by community. Built on the FP listing core. Qt-free.
#include <string>
#include <vector>

#include "common/fp_listing/fp_files.h"
#include "common/fp_listing/listing.h"
#include "common/geography/geography.h"
#include "common/print/report_table.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/fp_catalog.h"

namespace rumbelo::degrees {

// The higher-FP files as the FP listings take them.
fp_listing::FpFiles higherFpFiles(const FpCatalog& fp);

// What the title's menu shows: "REQFP" lines of its access requirements, its contents
// page, the "carreFP" lines of the degrees it gives access to.
std::vector<std::string> fpRequirementRows(const FpCatalog& fp, int t);
std::vector<std::string> fpContentsRows(const FpCatalog& fp, int t, const InterfaceTexts& texts);
std::vector<std::string> fpDegreeRows(const FpCatalog& fp, int t);

// The four rows over the centres of a place: "REQFP" line 1 trimmed, the route entry and
// two blanks, 34 underscores, an empty row. The first two are the report's bold lines.
std::vector<std::string> placeHeadingRows(const FpCatalog& fp, const std::string& routeEntry);
constexpr int kPlaceBoldLines = 2;

// The centres of a place with the titles of each that are open to `route`; the row of
// `topCentre` (first centre of the chosen locality, 0 for none) becomes the top row.
fp_listing::Listing fpPlaceListing(const FpCatalog& fp, const GeographyData& geo, int zone,
                                   const std::vector<int>& centres, int route,
                                   const std::string& routeEntry, int topCentre);

// The title report of title t: title, requirements, contents, degrees (bold slots 1-3), the
// communities heading (slot 4), then for each of `communities` its centres under "***  "
// NAME "***". Returns the number of lines (counted beyond the table's end too); the
// community headings join the bold lines when `markHeadings`.
struct FpTitleReport {
    int lines = 0;
    int communityHeadings = 0;
};
FpTitleReport fpTitleReport(const FpCatalog& fp, const GeographyData& geo, int t,
                            const std::vector<int>& communities, const InterfaceTexts& texts,
                            bool markHeadings, ReportTable& report, BoldLines& bold);
// Communities 1..19 in order.
std::vector<int> everyCommunity();

}  // namespace rumbelo::degrees
