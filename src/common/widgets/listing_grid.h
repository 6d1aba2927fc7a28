#pragma once
// The two-column listing grid `reja` of the FP sections, filled from the rows the FP
// listing core built: a row that names a title runs over the empty telephone column, and
// the grid scrolls so that the remembered row is at the top.
#include <QRect>

class QTableWidget;
class QWidget;

namespace rumbelo {

namespace fp_listing {
struct GridRows;
}

// The grid `reja`, hidden: no headers, no edits, whole rows chosen one at a time, unwrapped
// rows `rowHeight` high, no horizontal scroll bar.
QTableWidget* makeListingGrid(QWidget* parent, QRect geometry, int textColumn, int phoneColumn,
                              int rowHeight);

void fillListingGrid(QTableWidget* grid, const fp_listing::GridRows& rows);

}  // namespace rumbelo
