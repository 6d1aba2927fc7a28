#pragma once
// The intermediate-FP catalogue: the titles of "FP2" grouped by family (headers included,
// so that a title number is its line in every table keyed by FP2 line), their text blocks
// ("asignagm": lines 1-5 the jobs, 6-25 what is studied) and where they are taught
// ("datFPL2", one record per zone of centres). Loaded by the secondary form; read by the
// intermediate-FP browser, the catalogue of qualifications, the assistant and the
// professions questionnaire.
#include <array>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/family_index.h"
#include "common/data/tables.h"

namespace rumbelo::secondary {

// The offer table has a row per FP2 line, so FP2 holds at most this many lines.
constexpr int kFp2Lines = kOfferRows;
constexpr int kFp2Zones = 4;

struct Fp2Catalog {
    LineTable titles;        // "FP2", every line
    FamilyIndex families;    // its family headers, with the closing sentinel
    int firstGroupSize = 0;  // families before the first "|" family (0 when none)
    GroupedTable blocks;     // "asignagm": block t = FP2 line t
    // offer[z-1][t] = centre numbers (lines of "LU"z) that teach title t; row 0 unused.
    std::array<std::vector<std::vector<int>>, kFp2Zones> offer;

    int titleCount() const { return titles.count(); }
    bool isFamilyHeader(int t) const;
    // The family whose header stands at or above line t; 0 for lines before the first.
    int familyOf(int t) const;
    std::vector<int> familyTitles(int f) const { return families.titlesOf(f); }
    // Line i (1..25) of line t's block.
    const std::string& blockLine(int t, int i) const { return blocks.line(t, i); }
    // Centres of zone z (1..4) that teach title t; empty out of range.
    const std::vector<int>& centres(int t, int zone) const;
};

// "FP2" whole, "FP2" headers (first-group size and sentinel), then "asignagm", each
// through the language folder. An FP2 longer than the offer table is reported by name and
// limit.
void loadFp2Texts(DataFiles& files, Fp2Catalog& fp2);
// "datFPL2", under its plain name: four zone records; a missing or short file is reported
// and sets the abort flag.
void loadFp2Offer(DataFiles& files, Fp2Catalog& fp2);

}  // namespace rumbelo::secondary
