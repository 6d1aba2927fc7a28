#pragma once
// The university interest questionnaire's data: the statements of "CUALIDAD" (personal
// qualities) and "INTERES" (interests), the interest groups of "GRUPOS", and for each group
// the statements of each questionnaire that count for it ("datgru").
#include <array>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo {
class InterfaceTexts;
}

namespace rumbelo::degrees {

enum class Questionnaire { Qualities = 0, Interests = 1 };

// At most this many groups are scored.
constexpr int kMaxInterestGroups = 12;
// "datgru": two records (qualities, interests) of 200 rows of 101 bytes.
constexpr std::size_t kGroupItemsRecordSize = 20200;
constexpr int kGroupItemRows = 200;
constexpr int kGroupItemRowBytes = 101;

struct InterestCatalog {
    LineTable qualities;  // "CUALIDAD": item numbers are line numbers
    LineTable interests;  // "INTERES"
    LineTable groups;     // "GRUPOS": group numbers are line numbers
    // items[q][g] = the item numbers of questionnaire q that count for group g, an item
    // listed twice counting twice; entry 0 unused.
    std::array<std::vector<std::vector<int>>, 2> items;

    int groupCount() const { return groups.count(); }
    const LineTable& statements(Questionnaire q) const {
        return q == Questionnaire::Qualities ? qualities : interests;
    }
    // Group g's item list for questionnaire q; empty out of range.
    const std::vector<int>& groupItems(Questionnaire q, int g) const;
};

// Loading, in the degrees form's order (the text files through the language folder).
// Step 1, after "SALIDAS": "CUALIDAD", "INTERES", "GRUPOS".
void loadInterestTexts(DataFiles& files, InterestCatalog& interest);
// Step 3: entry-0 headings of the three tables.
void finishInterestTexts(InterestCatalog& interest, const InterfaceTexts& texts);
// Step 4, after the centre files: "datgru", read in pairs of records until its end (the
// last complete pair counts). A missing or short file is reported and sets the abort flag.
void loadGroupItems(DataFiles& files, InterestCatalog& interest);

// One record of "datgru" as item lists by group (row 0 unused).
std::vector<std::vector<int>> decodeGroupItemsRecord(const std::string& record);

}  // namespace rumbelo::degrees
