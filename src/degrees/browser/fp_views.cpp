#include "degrees/browser/fp_views.h"

#include "common/fp_listing/fp_reports.h"
#include "common/fp_listing/listing_by_place.h"
#include "common/fp_listing/listing_by_title.h"
#include "common/fp_listing/title_text.h"
#include "common/text/fixed_text.h"

namespace rumbelo::degrees {

using namespace fp_listing;

namespace {
constexpr int kPreviewHeading = 271;
constexpr int kRequirementsHeading = 277;
constexpr int kContentsHeading = 312;
constexpr int kDegreesHeading = 324;
constexpr int kPlacesHeading = 317;
constexpr int kReportKind = 47;
}  // namespace

FpFiles higherFpFiles(const FpCatalog& fp) {
    return {fp.titles, fp.families, fp.markedFamilies, fp.blocks, fp.offer};
}

std::vector<std::string> fpRequirementRows(const FpCatalog& fp, int t) {
    return linesNamed(fp.requirements, fp.accessRequirements(t));
}

std::vector<std::string> fpContentsRows(const FpCatalog& fp, int t, const InterfaceTexts& texts) {
    return contentsRows(fp.blocks, t, texts[kPreviewHeading]);
}

std::vector<std::string> fpDegreeRows(const FpCatalog& fp, int t) {
    return linesNamed(fp.reachableDegrees, fp.degreesReached(t));
}

std::vector<std::string> placeHeadingRows(const FpCatalog& fp, const std::string& routeEntry) {
    return {TrimRight(fp.requirements[kListingHeadingLine]), routeEntry + "  ",
            std::string(34, '_'), std::string()};
}

Listing fpPlaceListing(const FpCatalog& fp, const GeographyData& geo, int zone,
                       const std::vector<int>& centres, int route, const std::string& routeEntry,
                       int topCentre) {
    PlaceListingOptions options;
    options.headingRows = placeHeadingRows(fp, routeEntry);
    options.listed = [&fp, route](int t) { return fp.qualifies(t, route); };
    options.topCentre = topCentre;
    return listByPlace(higherFpFiles(fp), geo, zone, centres, options);
}

FpTitleReport fpTitleReport(const FpCatalog& fp, const GeographyData& geo, int t,
                            const std::vector<int>& communities, const InterfaceTexts& texts,
                            bool markHeadings, ReportTable& report, BoldLines& bold) {
    TitleReportBuilder builder(
        report, bold, TrimRight(fp.titleName(t)) + " (" + texts.trimmed(kReportKind) + ")");
    const auto section = [&](int heading, const std::vector<std::string>& rows) {
        builder.line("- " + texts.trimmed(heading), true);
        builder.lines(rows);
        builder.line(std::string());
    };
    section(kRequirementsHeading, fpRequirementRows(fp, t));
    section(kContentsHeading, fpContentsRows(fp, t, texts));
    section(kDegreesHeading, fpDegreeRows(fp, t));
    builder.line(spaces(6) + std::string(24, '_'));
    builder.line(std::string());
    builder.line("-" + upperName(texts.trimmed(kPlacesHeading)), true);
    builder.line(std::string());
    const FpFiles files = higherFpFiles(fp);
    for (int c : communities) {
        const auto listing = listByTitle(files, geo, c, t);
        if (!listing) continue;
        builder.community(cols(geo.communities[c], 3, 32), *listing, "***  ", "***");
    }
    if (markHeadings) builder.markCommunityHeadings();
    return {builder.count(), builder.communityHeadings()};
}

std::vector<int> everyCommunity() {
    std::vector<int> all;
    for (int c = 1; c <= kCommunityCount; ++c)
        all.push_back(c);
    return all;
}

}  // namespace rumbelo::degrees
