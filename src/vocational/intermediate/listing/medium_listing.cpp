#include "vocational/intermediate/listing/medium_listing.h"

#include "common/fp_listing/fp_reports.h"
#include "common/fp_listing/listing_by_title.h"
#include "common/fp_listing/title_text.h"
#include "common/text/fixed_text.h"
#include "vocational/intermediate/listing/title_panels.h"

namespace rumbelo::intermediate {

using namespace fp_listing;

FpFiles mediumFiles(const secondary::Fp2Catalog& fp2) {
    return FpFiles{fp2.titles, fp2.families, fp2.firstGroupSize, fp2.blocks, fp2.offer};
}

Listing mediumPlaceListing(const FpFiles& files, const GeographyData& geo, int zone,
                           const std::vector<int>& centres, int topCentre) {
    PlaceListingOptions options;
    options.rowPerOfferEntry = false;
    options.topCentre = topCentre;
    return listByPlace(files, geo, zone, centres, options);
}

Localities mediumLocalities(const FpFiles& files, const GeographyData& geo,
                            const ProvinceEntry& province, const std::vector<int>& centres) {
    return localitiesOf(files, geo, zoneNumber(province.zone), centres,
                        province.longLocalities ? kLongLocality : kShortLocality);
}

int mediumPlaceReport(const Listing& listing, const InterfaceTexts& texts,
                      const std::string& placeName, ReportTable& report, BoldLines& bold) {
    const std::string title = texts.trimmed(kPlaceReportWord) + ": " + TrimRight(placeName) +
                              " - " + texts.trimmed(kSectionWord);
    return placeReport(listing, title, 0, report, bold);
}

std::vector<std::string> centreLines(const Listing& listing) {
    std::vector<std::string> lines;
    for (const ListingRow& row : listing.rows) {
        if (IsBlank(row.text) || row.text.rfind("- ", 0) == 0) continue;
        lines.push_back(joinedLine(row));
    }
    return lines;
}

std::vector<int> allCommunities() {
    std::vector<int> all;
    for (int c = 1; c <= kCommunityCount; ++c)
        all.push_back(c);
    return all;
}

TitleReportResult mediumTitleReport(const FpFiles& files, const GeographyData& geo,
                                    const InterfaceTexts& texts, int t,
                                    const std::vector<int>& communities, ReportTable& report,
                                    BoldLines& bold) {
    const auto heading = [&](int k) { return "** " + texts.trimmed(k) + " **"; };
    TitleReportBuilder b(report, bold,
                         TrimRight(files.titles[t]) + " (" + texts.trimmed(kSectionWord) + ")");
    b.line(heading(kRequirementsWord), true);
    b.lines(requirementRows(texts));
    b.line("");
    b.line("");
    b.line(heading(kJobsHeading), true);
    b.lines(jobRows(files.blocks, t));
    b.line("");
    b.line(heading(kSubjectsHeading), true);
    std::vector<std::string> subjects = subjectRows(files.blocks, t);
    dropTrailingBlankRowsWithin(subjects, 11);
    b.lines(subjects);
    b.line(std::string(34, '_'));
    b.line("");
    b.line("-" + upperName(texts.trimmed(kWhereWord)));
    b.line("");
    for (int c : communities) {
        const auto listing = listByTitle(files, geo, c, t);
        if (!listing) continue;
        b.community(padTo(colsFrom(geo.communities[c], 3), 30), *listing, "***  ", "  ***");
    }
    TitleReportResult result;
    result.lines = b.count();
    result.needsSelection =
        needsPrintSelection(result.lines, static_cast<int>(communities.size()), /*printing=*/true);
    if (!result.needsSelection) b.markCommunityHeadings();
    return result;
}

}  // namespace rumbelo::intermediate
