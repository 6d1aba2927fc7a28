#include "common/widgets/listing_grid.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>

#include "common/fp_listing/listing.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"

namespace rumbelo {

QTableWidget* makeListingGrid(QWidget* parent, QRect geometry, int textColumn, int phoneColumn,
                              int rowHeight) {
    auto* grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(QStringLiteral("reja"));
    grid->setGeometry(geometry);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, textColumn);
    grid->setColumnWidth(1, phoneColumn);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setShowGrid(false);
    grid->setWordWrap(false);
    grid->setTextElideMode(Qt::ElideNone);
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->hide();
    return grid;
}

void fillListingGrid(QTableWidget* grid, const fp_listing::GridRows& rows) {
    grid->clearSpans();
    grid->clearContents();
    // The columns end where the scroll bar starts, and a title too long for its row (it runs
    // over both columns) ends in "…": cut off at the edge, it read as a whole, wrong name.
    const int visible =
        grid->width() - 2 * grid->frameWidth() - grid->verticalScrollBar()->sizeHint().width();
    grid->setColumnWidth(0, std::max(0, visible - grid->columnWidth(1)));
    const QFontMetrics metrics(grid->font());
    const int titleWidth = visible - 2 * metrics.averageCharWidth();
    grid->setRowCount(static_cast<int>(rows.text.size()));
    for (int row = 0; row < grid->rowCount(); ++row) {
        const auto k = static_cast<std::size_t>(row);
        QString text = toQt(TrimRight(rows.text[k]));
        if (rows.titles[k] != 0) {
            text = metrics.elidedText(text, Qt::ElideRight, titleWidth);
            grid->setSpan(row, 0, 1, 2);
        }
        grid->setItem(row, 0, new QTableWidgetItem(text));
        grid->setItem(row, 1, new QTableWidgetItem(toQt(TrimRight(rows.phone[k]))));
    }
    grid->show();
    grid->raise();
    // Row by row: the remembered row at the top (the first row when there is none).
    // (Laid out first: the scroll range of new rows is otherwise set only later.)
    grid->doItemsLayout();
    grid->verticalScrollBar()->setValue(rows.topRow);
}

}  // namespace rumbelo
