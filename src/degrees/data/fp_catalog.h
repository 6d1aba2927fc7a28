#pragma once
// The higher-FP catalogue of the degrees form: the titles of "FP" grouped by family, their
// access requirements ("REQFP"), the university degrees they lead to ("carreFP"), their
// text blocks ("asignafp"), where they are taught ("datFPL") and how they link to
// requirements, degrees and interest groups ("datFPR"). Title numbers are lines of "FP",
// family headers included.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/family_index.h"
#include "common/data/tables.h"

namespace rumbelo {
class InterfaceTexts;
}

namespace rumbelo::degrees {

// Rows of the offer table, the link tables and the text blocks.
constexpr int kFpTitleRows = 130;
constexpr int kFpZones = 4;

// Fixed lines of "REQFP".
constexpr int kListingHeadingLine = 1;  // first heading of the centres listing
constexpr int kFirstRouteLine = 8;      // lines 8..11: the four access routes
constexpr int kRouteCount = 4;
constexpr int kEveryRouteLine = 12;      // qualifies for every route; first entry of the routes
constexpr int kThirdRouteAlsoLine = 31;  // also qualifies for route 3

// What ties one title to the other tables (one row of each table of "datFPR").
struct FpLinks {
    std::vector<int> requirements;  // lines of "REQFP"
    std::vector<int> degrees;       // lines of "carreFP"
    std::vector<int> groups;        // lines of "GRUPOS"
};

// The family headers of "FP" and their marked count are those of every FP title file.
using rumbelo::FamilyIndex;
using rumbelo::markedFamilyCount;

// Whether a title with these access requirements is open to route r: 0 = every route,
// 1..4 = the routes of "REQFP" lines 8..11. Route 3 also accepts line 31.
bool qualifiesForRoute(const std::vector<int>& requirements, int route);

struct FpCatalog {
    LineTable titles;            // "FP", every line; entry 0 becomes the list heading
    FamilyIndex families;        // "FP", family headers
    int markedFamilies = 0;      // see markedFamilyCount
    LineTable reachableDegrees;  // "carreFP"
    LineTable requirements;      // "REQFP"
    GroupedTable blocks;         // "asignafp": block t = title t
    // offer[z-1][t] = centre numbers (lines of "LU"z) that teach title t; row 0 unused.
    std::array<std::vector<std::vector<int>>, kFpZones> offer;
    std::vector<FpLinks> links;  // links[t] for title t; entry 0 unused

    int titleCount() const { return titles.count(); }
    bool isFamilyHeader(int t) const;

    // Lookups. Numbers out of range give empty answers.
    const std::string& titleName(int t) const { return titles[t]; }
    // The family whose header stands at or above line t; 0 for lines before the first.
    int familyOf(int t) const;
    const std::string& familyName(int f) const { return families.names[f]; }
    // The titles of family f: the lines strictly between its header and the next one.
    std::vector<int> familyTitles(int f) const;
    const std::vector<int>& accessRequirements(int t) const;
    const std::vector<int>& degreesReached(int t) const;
    const std::vector<int>& groups(int t) const;
    // Centres of zone z (1..4) that teach title t.
    const std::vector<int>& centres(int t, int zone) const;
    // Line i (1..25) of title t's text block.
    const std::string& blockLine(int t, int i) const { return blocks.line(t, i); }
    bool qualifies(int t, int route) const {
        return qualifiesForRoute(accessRequirements(t), route);
    }
    // Titles whose groups include group g, in "FP" order (one entry per listing).
    std::vector<int> titlesOfGroup(int g) const;
};

// Loading, in the degrees form's order. Each text file goes through the language folder;
// a missing file is reported and sets the abort flag, and loading goes on as the readers do.
// Step 1, after "CUALIDAD", "INTERES", "GRUPOS": "FP" (full), "FP" (headers), "carreFP",
// "REQFP".
void loadFpTexts(DataFiles& files, FpCatalog& fp);
// Step 1, after "asignacar": "asignafp".
void loadFpBlocks(DataFiles& files, FpCatalog& fp);
// Step 3: the marked-family count and the entry-0 headings of "FP", "carreFP", "REQFP".
void finishFpTexts(FpCatalog& fp, const InterfaceTexts& texts);
// Step 4, after "datcar": the offer table "datFPL", then the link tables "datFPR". A missing
// or short file is reported like a missing text file and sets the abort flag.
void loadFpOffer(DataFiles& files, FpCatalog& fp);
void loadFpLinks(DataFiles& files, FpCatalog& fp);

// Record sizes of the binary files.
constexpr std::size_t kFpOfferRecordSize = 84760;  // 130 rows of 326 uint16
constexpr int kOfferRowWords = 326;
constexpr std::size_t kFpLinksRecordSize = 6630;
constexpr int kRequirementRowBytes = 21;
constexpr int kDegreeRowBytes = 26;
constexpr int kGroupRowBytes = 4;
constexpr std::size_t kDegreeTableOffset = 2730;
constexpr std::size_t kGroupTableOffset = 6110;

// Decoding of the binary rows, shared with the data check.
std::vector<std::vector<int>> decodeOfferRecord(const std::string& record);
std::vector<FpLinks> decodeLinksRecord(const std::string& record);

}  // namespace rumbelo::degrees
