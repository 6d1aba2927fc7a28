#include "secondary/data/fp2_catalog.h"

#include "common/data/readers.h"

namespace rumbelo::secondary {
namespace {

const std::vector<int> kNone;

}  // namespace

bool Fp2Catalog::isFamilyHeader(int t) const {
    return t >= 1 && t <= titleCount() && !titles[t].empty() && titles[t][0] == '-';
}

int Fp2Catalog::familyOf(int t) const {
    int family = 0;
    for (int f = 1; f <= families.count() && families.headerLine(f) <= t; ++f)
        family = f;
    return family;
}

const std::vector<int>& Fp2Catalog::centres(int t, int zone) const {
    if (zone < 1 || zone > kFp2Zones) return kNone;
    const auto& rows = offer[static_cast<std::size_t>(zone - 1)];
    if (t < 1 || t >= static_cast<int>(rows.size())) return kNone;
    return rows[static_cast<std::size_t>(t)];
}

void loadFp2Texts(DataFiles& files, Fp2Catalog& fp2) {
    const std::string name = files.localized("FP2");
    ReadLineTable(files, name, fp2.titles, kStandardWidth);
    const bool overCapacity = fp2.titleCount() > kFp2Lines;
    if (overCapacity) {
        files.reportOverCapacity(name, kFp2Lines, "líneas");
        fp2.titles.truncate(kFp2Lines);
    }
    ReadFamilyIndex(files, name, fp2.titleCount(), fp2.families);
    if (overCapacity) {
        // Headers past the kept lines head nothing that is kept.
        int kept = 0;
        while (kept < fp2.families.count() && fp2.families.headerLine(kept + 1) <= kFp2Lines)
            ++kept;
        fp2.families.names.truncate(kept);
        fp2.families.headerLines.resize(static_cast<std::size_t>(kept));
        fp2.families.headerLines.push_back(kFp2Lines + 1);
    }
    fp2.firstGroupSize = markedFamilyCount(fp2.families);
    ReadGroupedTable(files, files.localized("asignagm"), kMediumBlocks, fp2.blocks);
}

void loadFp2Offer(DataFiles& files, Fp2Catalog& fp2) {
    const auto records = ReadRecords(files, "datFPL2");
    if (!records) return;
    for (std::size_t z = 0; z < kFp2Zones; ++z)
        fp2.offer[z] = decodeOfferRows((*records)[z]);
}

}  // namespace rumbelo::secondary
