#include "degrees/data/fp_catalog.h"

#include "common/fp_listing/route_test.h"

#include <algorithm>

#include "common/data/counted_rows.h"
#include "common/data/readers.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::degrees {
namespace {

const std::vector<int> kNone;

// Entry-0 headings of the tables (interface texts).
constexpr int kFpHeading = 294;
constexpr int kDegreesHeading = 48;
constexpr int kRequirementsHeading = 277;

}  // namespace

bool qualifiesForRoute(const std::vector<int>& requirements, int route) {
    return fp_listing::openToRoute(requirements, route);
}

bool FpCatalog::isFamilyHeader(int t) const {
    const auto& lines = families.headerLines;
    return std::find(lines.begin(), lines.begin() + families.count(), t) !=
           lines.begin() + families.count();
}

int FpCatalog::familyOf(int t) const {
    if (t < 1 || t > titleCount()) return 0;
    int family = 0;
    for (int f = 1; f <= families.count(); ++f)
        if (families.headerLine(f) <= t) family = f;
    return family;
}

std::vector<int> FpCatalog::familyTitles(int f) const {
    std::vector<int> titles;
    if (f < 1 || f > families.count()) return titles;
    for (int t = families.headerLine(f) + 1; t < families.headerLine(f + 1); ++t)
        titles.push_back(t);
    return titles;
}

const std::vector<int>& FpCatalog::accessRequirements(int t) const {
    if (t < 1 || t >= static_cast<int>(links.size())) return kNone;
    return links[static_cast<std::size_t>(t)].requirements;
}

const std::vector<int>& FpCatalog::degreesReached(int t) const {
    if (t < 1 || t >= static_cast<int>(links.size())) return kNone;
    return links[static_cast<std::size_t>(t)].degrees;
}

const std::vector<int>& FpCatalog::groups(int t) const {
    if (t < 1 || t >= static_cast<int>(links.size())) return kNone;
    return links[static_cast<std::size_t>(t)].groups;
}

const std::vector<int>& FpCatalog::centres(int t, int zone) const {
    if (zone < 1 || zone > kFpZones) return kNone;
    const auto& rows = offer[static_cast<std::size_t>(zone - 1)];
    if (t < 1 || t >= static_cast<int>(rows.size())) return kNone;
    return rows[static_cast<std::size_t>(t)];
}

std::vector<int> FpCatalog::titlesOfGroup(int g) const {
    std::vector<int> titles;
    for (int t = 1; t <= titleCount(); ++t)
        for (const int group : groups(t))
            if (group == g) titles.push_back(t);
    return titles;
}

std::vector<std::vector<int>> decodeOfferRecord(const std::string& record) {
    return decodeOfferRows(record);
}

std::vector<FpLinks> decodeLinksRecord(const std::string& record) {
    std::vector<FpLinks> links(1);
    for (int t = 1; t <= kFpTitleRows; ++t) {
        const auto row = static_cast<std::size_t>(t - 1);
        links.push_back(
            {countedRow(record, row * kRequirementRowBytes, kRequirementRowBytes),
             countedRow(record, kDegreeTableOffset + row * kDegreeRowBytes, kDegreeRowBytes),
             countedRow(record, kGroupTableOffset + row * kGroupRowBytes, kGroupRowBytes)});
    }
    return links;
}

void loadFpTexts(DataFiles& files, FpCatalog& fp) {
    ReadLineTable(files, files.localized("FP"), fp.titles, kStandardWidth);
    ReadFamilyIndex(files, files.localized("FP"), fp.titles.count(), fp.families);
    ReadLineTable(files, files.localized("carreFP"), fp.reachableDegrees, kStandardWidth);
    ReadLineTable(files, files.localized("REQFP"), fp.requirements, kStandardWidth);
}

void loadFpBlocks(DataFiles& files, FpCatalog& fp) {
    ReadGroupedTable(files, files.localized("asignafp"), kTitleBlocks, fp.blocks);
}

void finishFpTexts(FpCatalog& fp, const InterfaceTexts& texts) {
    fp.markedFamilies = markedFamilyCount(fp.families);
    fp.titles.set(0, texts[kFpHeading]);
    fp.reachableDegrees.set(0, texts[kDegreesHeading]);
    fp.requirements.set(0, texts[kRequirementsHeading]);
}

void loadFpOffer(DataFiles& files, FpCatalog& fp) {
    const auto records = ReadBinaryRecords(files, "datFPL", kFpOfferRecordSize, kFpZones);
    if (!records) return;
    for (std::size_t z = 0; z < kFpZones; ++z)
        fp.offer[z] = decodeOfferRecord((*records)[z]);
}

void loadFpLinks(DataFiles& files, FpCatalog& fp) {
    const auto records = ReadBinaryRecords(files, "datFPR", kFpLinksRecordSize, 1);
    if (!records) return;
    fp.links = decodeLinksRecord(records->front());
}

}  // namespace rumbelo::degrees
