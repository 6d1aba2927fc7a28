#pragma once
// What the initial-programmes section shows and prints: a group's popup, a programme's
// modules, the requirements and subjects shared by every programme, the centres of a
// programme in a community and the centres of a place with their programmes, and both
// reports. The centres name their programmes themselves (columns 56-75 of "LU1"-"LU4"); the
// listings are the FP listing core's over an offer table made from those numbers. Qt-free.
#include <optional>
#include <string>
#include <vector>

#include "common/data/family_index.h"
#include "common/data/tables.h"
#include "common/fp_listing/fp_files.h"
#include "common/fp_listing/listing.h"
#include "common/fp_listing/listing_by_place.h"
#include "common/geography/geography.h"
#include "common/print/report_table.h"
#include "common/texts/interface_texts.h"
#include "vocational/initial/data/programme_files.h"

namespace rumbelo::initial {

// Interface text numbers.
inline constexpr int kYearWord = 175;
inline constexpr int kRequirementsHeading = 29;
inline constexpr int kSubjectsCaption = 30;
inline constexpr int kPrintCaption = 36;
inline constexpr int kBackCaption = 82;
inline constexpr int kSectionName = 229;
inline constexpr int kNoCentres = 292;
inline constexpr int kPlaceHeading = 294;
inline constexpr int kPlaceReportWord = 289;
inline constexpr int kSubjectsHeading = 312;
inline constexpr int kCentresHeading = 323;
inline constexpr int kWindowWord = 338;
inline constexpr int kModulesLead = 501;
inline constexpr int kSubjectsLead = 67;
inline constexpr int kGroupsHelp = 577;
inline constexpr int kByPlaceCaption = 584;
inline constexpr int kChooseCommunityFirst = 585;
inline constexpr int kFirstHelpText = 569;
inline constexpr int kHelpTexts = 6;
inline constexpr int kHelpLabels = 7;
// "INFORMA" paragraphs: the requirements and the subjects common to every programme.
inline constexpr char kRequirementsCode[] = "38";
inline constexpr char kCommonSubjectsCode[] = "39";

// The icon of the scene's icon list beside group row r (1-based).
int groupIcon(int row);

// A row of a group's popup: a sub-heading shows its heading, a programme "• " and its text.
struct PopupRow {
    int programme = 0;
    bool heading = false;
    std::string text;
};
std::vector<PopupRow> popupRows(const ProgrammeFiles& files, int group);

// The module panel under the popup for programme p: "    " + text 501 and its five module
// lines; empty for a sub-heading.
std::vector<std::string> modulePanel(const ProgrammeFiles& files, const InterfaceTexts& texts,
                                     int p);

// The "INFORMA" lines of a paragraph code, from column 3, in file order.
std::vector<std::string> informationLines(const LineTable& information, const char* code);

// The subjects of programme p: text 67, its five module lines, an empty row unless the
// fifth line begins with five blanks, then the common subjects.
std::vector<std::string> subjectRows(const ProgrammeFiles& files, const InterfaceTexts& texts,
                                     const LineTable& information, int p);

// The programme name on view: its text without trailing blanks.
std::string programmeName(const ProgrammeFiles& files, int p);

// The programme numbers centre line k of zone z names, in its order: those that name a
// programme of "fpip" (not a sub-heading).
std::vector<int> centreProgrammes(const ProgrammeFiles& files, const GeographyData& geo, int zone,
                                  int centre);

// The centres of each programme, zone by zone, in centre-file order, as the FP listing core
// reads an offer table; the programme lines stand for the titles.
class ProgrammeOffer {
  public:
    ProgrammeOffer(const ProgrammeFiles& files, const GeographyData& geo);
    fp_listing::FpFiles files() const;

  private:
    const ProgrammeFiles& programmes_;
    fp_listing::OfferTable offer_;
    FamilyIndex noFamilies_;
    GroupedTable noBlocks_;
};

// The centres of community c that offer programme p, province by province (headings only
// with several provinces); nothing when the community has no zone.
std::optional<fp_listing::Listing> programmeCentres(const ProgrammeOffer& offer,
                                                    const GeographyData& geo, int community, int p);

// The localities of a province whose centres offer a programme.
fp_listing::Localities programmeLocalities(const ProgrammeOffer& offer, const GeographyData& geo,
                                           const ProvinceEntry& province,
                                           const std::vector<int>& centres);

// The centres of zone z in `centres` that offer something, each followed by the texts of
// the programmes it names, in its order (columns 2-61 of the programme line).
fp_listing::Listing placeListing(const ProgrammeOffer& offer, const ProgrammeFiles& files,
                                 const GeographyData& geo, int zone,
                                 const std::vector<int>& centres, int topCentre);

// Report of a place: entry 0 = text 289 + ": " + place + " - " + text 229, then each row's
// first 44 characters and its telephone. No bold lines. The number of lines.
int placeReport(const fp_listing::Listing& listing, const InterfaceTexts& texts,
                const std::string& placeName, ReportTable& report, BoldLines& bold);

// Report of programme p with its centres in community c, as the grid shows them (`grid`:
// its two columns). Entry 0 = name + " (" + text 229 + ")"; the requirements, the subjects,
// text 323 in bold slots 1-3, then "***  COMMUNITY  ***" and each grid row as its first
// cell, two blanks and its second cell; every line beginning with "***" is bold after the
// slots. The number of lines.
int programmeReport(const ProgrammeFiles& files, const InterfaceTexts& texts,
                    const LineTable& information, const GeographyData& geo, int p, int community,
                    const fp_listing::GridRows& grid, ReportTable& report, BoldLines& bold);

}  // namespace rumbelo::initial
