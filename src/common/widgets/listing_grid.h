#pragma once
// The two-column listing grid `reja` of the FP sections, filled from the rows the FP
// listing core built: a row that names a title runs over the empty telephone column, and
// the grid scrolls so that the remembered row is at the top.
class QTableWidget;

namespace rumbelo {

namespace fp_listing {
struct GridRows;
}

void fillListingGrid(QTableWidget* grid, const fp_listing::GridRows& rows);

}  // namespace rumbelo
