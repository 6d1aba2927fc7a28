#pragma once
// The intermediate-FP questionnaire's three steps: the eleven areas of "CUESGM", the
// statements of the areas a pupil marks, and the titles those statements point to. Each
// statement carries a two-character code: the family ("1"-"9" for families 1-9, "A"-"U" for
// 10-30) and which of its titles ("T" all, "Z" the first two, a digit d the d-th).
#include <array>
#include <string>
#include <vector>

#include "secondary/data/cuesgm_catalog.h"
#include "secondary/data/fp2_catalog.h"

namespace rumbelo::intermediate {

inline constexpr int kAreaRows = 11;  // rows 1-10 the areas, row 11 the way to the map
inline constexpr int kPlacesRow = 11;
inline constexpr int kMarkableTitles = 10;

// Area numbers of the marked rows 1-10, in row order; area 10 is stored as 0, its digit.
std::vector<int> areasOfRows(const std::vector<int>& markedRows);
// Back from the stored areas to their rows (0 is row 10).
std::vector<int> rowsOfAreas(const std::vector<int>& areas);

// Whether statement i belongs to the area with digit `digit`: its first area column is
// that digit, or its second is and is not "0" (which there means "no second area").
bool statementInArea(const secondary::MediumQuestionnaire& q, int i, int digit);

struct StatementRow {
    int statement = 0;  // 1-based, in "CUESGM" order
    std::string text;   // columns 5-74
    std::string code;   // columns 1-2
};
// The statements of the chosen areas, in file order, each once however many areas it
// belongs to.
std::vector<StatementRow> statementsOfAreas(const secondary::MediumQuestionnaire& q,
                                            const std::vector<int>& areas);

// The family number of a code's first character; 0 for any other character.
int familyOfCode(char c);

// Per family (index 1..count): whether a marked statement pointed to it, and which of its
// first ten titles it marked.
struct TitleMarks {
    std::vector<bool> family;
    std::vector<std::array<bool, kMarkableTitles>> titles;
};
TitleMarks marksOfCodes(const secondary::Fp2Catalog& fp2, const std::vector<std::string>& codes);

struct SuggestionRow {
    std::string text;
    int title = 0;  // the FP2 line, 0 for a family row
};
// In family order: " - " + familyWord + the family's name, then each marked title's line.
std::vector<SuggestionRow> suggestionRows(const secondary::Fp2Catalog& fp2, const TitleMarks& marks,
                                          const std::string& familyWord);

}  // namespace rumbelo::intermediate
