#include "common/fp_listing/family_list.h"

#include "common/data/line_order.h"
#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {

FamilyList buildFamilyList(const FamilyIndex& families, int markedFamilies) {
    FamilyList list;
    LineTable sorted;
    const int n = families.count();
    for (int f = 1; f <= n; ++f)
        sorted.set(f, families.names[f]);
    std::vector<int> index;
    SortLineTable(sorted, index, n);
    for (int k = 1; k <= n; ++k) {
        const std::string& text = sorted[k];
        const std::string shown = k <= markedFamilies ? text : colsFrom(text, 2);
        list.rows.push_back(cut("< " + shown, 62));
        list.order.push_back(index[static_cast<std::size_t>(k - 1)]);
    }
    return list;
}

int restoredTopRow(int top, int familyCount) {
    return top < 0 || top > familyCount ? 0 : top;
}

int rowUnderPointer(int y, int itemHeight, int topRow) {
    return itemHeight > 0 ? y / itemHeight + topRow : topRow;
}

PopupPlacement placeTitlePopup(int listLeft, int listTop, int listHeight, int itemHeight,
                               int clickY, int visibleRow, int titles, int leftOffset) {
    PopupPlacement p;
    p.left = listLeft - leftOffset;
    p.height = titles * itemHeight + 4;
    const int rowTop = visibleRow * itemHeight + listTop;
    p.top = clickY < listHeight / 2 ? rowTop : rowTop - itemHeight * (titles - 1) - 5;
    p.previewTop = p.top + p.height + 1;
    p.labelTop = p.top - 30;
    return p;
}

std::vector<std::string> titlePreview(const GroupedTable& blocks, int t, int lead,
                                      const std::string& heading) {
    std::vector<std::string> rows{spaces(static_cast<std::size_t>(lead)) + heading};
    for (int i = 1; i <= 5; ++i)
        rows.push_back(blocks.line(t, i));
    return rows;
}

}  // namespace rumbelo::fp_listing
