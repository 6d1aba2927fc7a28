#pragma once
// The files an FP browser lists from, handed in by whichever section owns them: higher FP
// passes "FP", "asignafp" and "datFPL"; intermediate FP passes "FP2", "asignagm" and
// "datFPL2". The centre files and places come with the shared geography. Nothing is owned.
#include <array>
#include <vector>

#include "common/data/family_index.h"
#include "common/data/tables.h"

namespace rumbelo::fp_listing {

constexpr int kZones = 4;
// offer[z-1][t] = the centre numbers (lines of "LU"z) that teach title t.
using OfferTable = std::array<std::vector<std::vector<int>>, kZones>;

struct FpFiles {
    const LineTable& titles;      // every line of the title file, family headers included
    const FamilyIndex& families;  // its family headers
    int markedFamilies;           // families listed with their first character
    const GroupedTable& blocks;   // block t = title t's text
    const OfferTable& offer;

    int titleCount() const { return titles.count(); }
    // Centre numbers of zone z ('1'..'4' or 1..4) that teach title t; empty out of range.
    const std::vector<int>& offerRow(int zone, int t) const;
};

// Zone digit '1'..'4' as 1..4; 0 for any other character.
int zoneNumber(char zone);

}  // namespace rumbelo::fp_listing
