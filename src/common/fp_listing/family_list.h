#pragma once
// The families list of an FP browser and the title popup beside it: rows of the sorted
// family headers, the family each row stands for, the popup's place, the preview under it.
// Returns rows and rectangles. Qt-free.
#include <string>
#include <vector>

#include "common/data/family_index.h"
#include "common/data/tables.h"

namespace rumbelo::fp_listing {

struct FamilyList {
    std::vector<std::string> rows;  // "< " and the header
    std::vector<int> order;         // order[k] = family number of row k (from 0)
};

// The headers sorted by byte order (a copy; the index keeps file order). The first
// `markedFamilies` sorted rows show the whole header text, the others lose its first
// character (the "|" that sends those families to the end). Rows are cut to 62.
FamilyList buildFamilyList(const FamilyIndex& families, int markedFamilies);

// The remembered top row, or 0 when it is negative or beyond the families.
int restoredTopRow(int top, int familyCount);

// The row under a pointer at y (pixels from the list's top): y / item height + top row.
int rowUnderPointer(int y, int itemHeight, int topRow);

struct PopupPlacement {
    int left = 0;
    int top = 0;
    int height = 0;      // titles x item height + 4
    int previewTop = 0;  // the preview goes right under the popup
    int labelTop = 0;    // the "pick a title" caption 30 pixels above it
};

// Where the title popup of a clicked family goes. `visibleRow` is the clicked row counted
// from the list's top row, `clickY` the pointer's y within the list. A click in the upper
// half puts the popup's top at the row; lower down the popup ends at the row instead.
// `leftOffset` is how far left of the list the popup stands (300 for higher FP).
PopupPlacement placeTitlePopup(int listLeft, int listTop, int listHeight, int itemHeight,
                               int clickY, int visibleRow, int titles, int leftOffset);

// The preview of title t: `lead` blanks and the heading (interface text 271), then lines
// 1 to 5 of its text block.
std::vector<std::string> titlePreview(const GroupedTable& blocks, int t, int lead,
                                      const std::string& heading);

}  // namespace rumbelo::fp_listing
