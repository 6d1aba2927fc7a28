#pragma once
// The professional families of an FP title file ("FP", "FP2"): lines whose column 1 is "-"
// head a family, every other line is a title of the family above it. Shared by the
// higher-FP browser and the intermediate-FP sections, which list titles the same way.
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo {

// headerLines[f-1] is the line of family f's header; one more entry, the number of lines
// of the title file + 1, closes the last family.
struct FamilyIndex {
    LineTable names;  // entry f = header f's text from column 2
    std::vector<int> headerLines;
    int count() const { return names.count(); }
    // The header line of family f, or the closing sentinel for f = count() + 1; 0 beyond.
    int headerLine(int f) const;
    // The titles of family f: the lines strictly between its header and the next one.
    std::vector<int> titlesOf(int f) const;
};

// The number of headers, in file order, before the first whose text (column 2 onward)
// begins with "|"; 0 when none does. Rows beyond this count lose their first character
// when the families are listed.
int markedFamilyCount(const FamilyIndex& families);

// Reads the headers of `name` (as opened) into `index` and closes the last family after
// `lineCount` lines. Reported like the other readers when missing.
void ReadFamilyIndex(DataFiles& files, const std::string& name, int lineCount, FamilyIndex& index);

// The offer files ("datFPL", "datFPL2"): per zone, 130 rows of 326 little-endian words,
// a count then the centre numbers. rows[t] = row t (1..130); row 0 is unused.
constexpr int kOfferRows = 130;
constexpr int kOfferRowWords = 326;
std::vector<std::vector<int>> decodeOfferRows(const std::string& record);

}  // namespace rumbelo
