#include "vocational/initial/listing/initial_listing.h"

#include "common/fp_listing/fp_reports.h"
#include "common/fp_listing/listing_by_title.h"
#include "common/text/fixed_text.h"

namespace rumbelo::initial {
namespace {

constexpr char kBullet[] = "\x95 ";  // "• " in the files' code page
constexpr char kModuleIndent[] = "    ";
constexpr std::size_t kHeadingNameWidth = 30;

bool isProgramme(const ProgrammeFiles& files, int p) {
    return p >= 1 && p <= files.count() && !files.isSubHeading(p);
}

}  // namespace

int groupIcon(int row) {
    switch (row) {
        case 2:
            return 2;
        case 3:
            return 9;
        case 4:
            return 7;
        case 5:
            return 8;
        case 6:
            return 3;
        case 7:
        case 8:
            return 0;
        case 9:
            return 10;
        default:
            return 1;
    }
}

std::vector<PopupRow> popupRows(const ProgrammeFiles& files, int group) {
    std::vector<PopupRow> rows;
    for (int p : groupRows(files, group)) {
        const std::string text = files.text(p);
        if (files.isSubHeading(p))
            rows.push_back({p, true, TrimRight(text.substr(1))});
        else
            rows.push_back({p, false, kBullet + TrimRight(text)});
    }
    return rows;
}

std::vector<std::string> modulePanel(const ProgrammeFiles& files, const InterfaceTexts& texts,
                                     int p) {
    if (!isProgramme(files, p)) return {};
    std::vector<std::string> rows{kModuleIndent + texts.trimmed(kModulesLead)};
    for (const std::string& line : files.moduleLines(p))
        rows.push_back(line);
    return rows;
}

std::vector<std::string> informationLines(const LineTable& information, const char* code) {
    std::vector<std::string> lines;
    for (int k = 1; k <= information.count(); ++k) {
        const std::string& line = information[k];
        if (line.size() >= 2 && line[0] == code[0] && line[1] == code[1])
            lines.push_back(colsFrom(line, 3));
    }
    return lines;
}

std::vector<std::string> subjectRows(const ProgrammeFiles& files, const InterfaceTexts& texts,
                                     const LineTable& information, int p) {
    std::vector<std::string> rows{texts.trimmed(kSubjectsLead)};
    const auto modules = files.moduleLines(p);
    rows.insert(rows.end(), modules.begin(), modules.end());
    // A fifth line that is only a continuation (five blanks) runs on into the common
    // subjects without a gap.
    if (modules.back().compare(0, 5, spaces(5)) != 0) rows.emplace_back();
    for (std::string& line : informationLines(information, kCommonSubjectsCode))
        rows.push_back(std::move(line));
    return rows;
}

std::string programmeName(const ProgrammeFiles& files, int p) {
    return TrimRight(files.text(p));
}

std::vector<int> centreProgrammes(const ProgrammeFiles& files, const GeographyData& geo, int zone,
                                  int centre) {
    std::vector<int> programmes;
    if (zone < 1 || zone > fp_listing::kZones) return programmes;
    const ZoneTable& table = geo.zones[static_cast<std::size_t>(zone)];
    if (centre < 1 || centre >= static_cast<int>(table.codes.size())) return programmes;
    const CentreCodes& codes = table.codes[static_cast<std::size_t>(centre)];
    for (int j = 0; j < codes.count; ++j) {
        const int p = codes.codes[static_cast<std::size_t>(j)];
        if (isProgramme(files, p)) programmes.push_back(p);
    }
    return programmes;
}

ProgrammeOffer::ProgrammeOffer(const ProgrammeFiles& files, const GeographyData& geo)
    : programmes_(files) {
    for (int zone = 1; zone <= fp_listing::kZones; ++zone) {
        auto& rows = offer_[static_cast<std::size_t>(zone - 1)];
        rows.assign(static_cast<std::size_t>(files.count()) + 1, {});
        const int centres = geo.zones[static_cast<std::size_t>(zone)].count();
        for (int k = 1; k <= centres; ++k)
            for (int p : centreProgrammes(files, geo, zone, k))
                rows[static_cast<std::size_t>(p)].push_back(k);
    }
}

fp_listing::FpFiles ProgrammeOffer::files() const {
    return fp_listing::FpFiles{programmes_.programmes, noFamilies_, 0, noBlocks_, offer_};
}

std::optional<fp_listing::Listing> programmeCentres(const ProgrammeOffer& offer,
                                                    const GeographyData& geo, int community,
                                                    int p) {
    return fp_listing::listByTitle(offer.files(), geo, community, p);
}

fp_listing::Localities programmeLocalities(const ProgrammeOffer& offer, const GeographyData& geo,
                                           const ProvinceEntry& province,
                                           const std::vector<int>& centres) {
    const std::size_t width =
        province.longLocalities ? fp_listing::kLongLocality : fp_listing::kShortLocality;
    return fp_listing::localitiesOf(offer.files(), geo, fp_listing::zoneNumber(province.zone),
                                    centres, width);
}

fp_listing::Listing placeListing(const ProgrammeOffer& offer, const ProgrammeFiles& files,
                                 const GeographyData& geo, int zone,
                                 const std::vector<int>& centres, int topCentre) {
    fp_listing::PlaceListingOptions options;
    options.topCentre = topCentre;
    options.titlesOfCentre = [&](int centre) { return centreProgrammes(files, geo, zone, centre); };
    options.titleText = [&](int p) { return padTo(files.text(p), fp_listing::kRowWidth); };
    return fp_listing::listByPlace(offer.files(), geo, zone, centres, options);
}

int placeReport(const fp_listing::Listing& listing, const InterfaceTexts& texts,
                const std::string& placeName, ReportTable& report, BoldLines& bold) {
    const std::string title =
        texts.trimmed(kPlaceReportWord) + ": " + placeName + " - " + texts.trimmed(kSectionName);
    return fp_listing::placeReport(listing, title, 0, report, bold);
}

int programmeReport(const ProgrammeFiles& files, const InterfaceTexts& texts,
                    const LineTable& information, const GeographyData& geo, int p, int community,
                    const fp_listing::GridRows& grid, ReportTable& report, BoldLines& bold) {
    fp_listing::TitleReportBuilder out(
        report, bold, programmeName(files, p) + " (" + texts.trimmed(kSectionName) + ")");
    out.line("** " + texts.trimmed(kRequirementsHeading) + " **", true);
    out.lines(informationLines(information, kRequirementsCode));
    out.line({});
    out.line("** " + texts.trimmed(kSubjectsHeading) + " **", true);
    const auto modules = files.moduleLines(p);
    out.lines({modules.begin(), modules.end()});
    out.lines(informationLines(information, kCommonSubjectsCode));
    out.line({});
    out.line(texts.trimmed(kCentresHeading), true);
    const std::string name =
        TrimRight(cut(colsFrom(geo.communities[community], 3), kHeadingNameWidth));
    out.communityHeading("***  " + fp_listing::upperName(name) + "  ***");
    for (std::size_t k = 0; k < grid.text.size(); ++k)
        out.line(cut(grid.text[k], fp_listing::kCentreNameWidth) + "  " + grid.phone[k]);
    out.markCommunityHeadings();
    return std::min(out.count(), ReportTable::kLastEntry);
}

}  // namespace rumbelo::initial
