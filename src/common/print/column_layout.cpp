#include "common/print/column_layout.h"

namespace rumbelo {

namespace {

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

// Up to 150 lines fit in three columns of one page; longer reports take 50 rows a column.
constexpr int kOnePage = 150;
constexpr int kLongColumn = 50;

}  // namespace

ColumnLayout columnLayoutFor(int n, bool compact) {
    ColumnLayout layout;
    if (compact) {
        layout.fontSize = 8;
        layout.gridWidth = 150;
        layout.columnX = {2, 50, 100};
    } else {
        layout.fontSize = 10;
        layout.gridWidth = 130;
        layout.columnX = {4, 44, 86};
    }
    if (n <= kOnePage) {
        layout.rows = ceilDiv(n, 3);
        layout.pages = 1;
    } else if (compact) {
        layout.rows = kLongColumn;
        layout.pages = ceilDiv(n, 3 * kLongColumn);
        layout.numbered = true;
    } else {
        // As many columns as 50-row columns would take, then evened out.
        const int columns = ceilDiv(n, kLongColumn);
        layout.rows = ceilDiv(n, columns);
        layout.pages = ceilDiv(columns, 3);
        layout.numbered = true;
    }
    return layout;
}

}  // namespace rumbelo
