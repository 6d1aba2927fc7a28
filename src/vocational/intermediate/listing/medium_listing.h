#pragma once
// The intermediate-FP listings and reports, on the FP listing core shared with higher FP:
// "FP2", "asignagm" and "datFPL2" are the files passed in. What differs from higher FP is
// said here: a place lists each title once per centre and has no heading rows, a title's
// report carries its requirements, jobs and subjects before its centres. Qt-free.
#include <string>
#include <vector>

#include "common/fp_listing/fp_files.h"
#include "common/fp_listing/listing.h"
#include "common/fp_listing/listing_by_place.h"
#include "common/geography/geography.h"
#include "common/print/report_table.h"
#include "common/texts/interface_texts.h"
#include "secondary/data/fp2_catalog.h"

namespace rumbelo::intermediate {

// The FP2 catalogue as the listing core reads it.
fp_listing::FpFiles mediumFiles(const secondary::Fp2Catalog& fp2);

// The centres of zone z in `centres` with the titles each teaches, each title once under a
// centre however often the centre appears in its offer row. The grid starts at the row of
// `topCentre` (0: at the first row).
fp_listing::Listing mediumPlaceListing(const fp_listing::FpFiles& files, const GeographyData& geo,
                                       int zone, const std::vector<int>& centres, int topCentre);

// The localities of a province that teach something: 17 characters, 35 with the long-name
// flag; consecutive equal names once.
fp_listing::Localities mediumLocalities(const fp_listing::FpFiles& files, const GeographyData& geo,
                                        const ProvinceEntry& province,
                                        const std::vector<int>& centres);

// The report of a place: entry 0 = text 289 + ": " + place + " - " + text 113, then every
// listing row's first 44 characters and its telephone. No bold lines. The number of lines.
int mediumPlaceReport(const fp_listing::Listing& listing, const InterfaceTexts& texts,
                      const std::string& placeName, ReportTable& report, BoldLines& bold);

struct TitleReportResult {
    int lines = 0;                // body lines, counted past the table's end too
    bool needsSelection = false;  // every community and too long: ask which to print
};

// The report of title t over `communities` (all 19 in order, or those chosen in the order
// chosen): requirements, jobs, subjects (trailing blank lines dropped within the last 11),
// then the centres of each community that has any. When it is printed the bold lines are
// the three headings and every community heading.
TitleReportResult mediumTitleReport(const fp_listing::FpFiles& files, const GeographyData& geo,
                                    const InterfaceTexts& texts, int t,
                                    const std::vector<int>& communities, ReportTable& report,
                                    BoldLines& bold);

// The questionnaire report's lines of a title's centres in a community: each centre's
// name field and telephone, without the province headings and the blank rows.
std::vector<std::string> centreLines(const fp_listing::Listing& listing);

// The community numbers 1..19.
std::vector<int> allCommunities();

}  // namespace rumbelo::intermediate
