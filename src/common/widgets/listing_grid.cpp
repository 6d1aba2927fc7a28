#include "common/widgets/listing_grid.h"

#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "common/fp_listing/listing.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"

namespace rumbelo {

void fillListingGrid(QTableWidget* grid, const fp_listing::GridRows& rows) {
    grid->clearSpans();
    grid->clearContents();
    // The columns end where the scroll bar starts: a title too long for the row then ends in
    // "…" instead of running on unseen under the scroll bar.
    const int visible =
        grid->width() - 2 * grid->frameWidth() - grid->verticalScrollBar()->sizeHint().width();
    grid->setColumnWidth(0, std::max(0, visible - grid->columnWidth(1)));
    grid->setRowCount(static_cast<int>(rows.text.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const auto k = static_cast<std::size_t>(row);
        grid->setItem(row, 0, new QTableWidgetItem(toQt(TrimRight(rows.text[k]))));
        grid->setItem(row, 1, new QTableWidgetItem(toQt(TrimRight(rows.phone[k]))));
        if (rows.titles[k] != 0) grid->setSpan(row, 0, 1, 2);
    }
    grid->show();
    grid->raise();
    // Row by row: the remembered row at the top (the first row when there is none).
    // (Laid out first: the scroll range of new rows is otherwise set only later.)
    grid->doItemsLayout();
    grid->verticalScrollBar()->setValue(rows.topRow);
}

}  // namespace rumbelo
