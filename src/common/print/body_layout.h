#pragma once
// Where the lines of a report go on a page. The lines sit on the rows of the page's grid;
// on a page that carries the heading, a grid too fine to clear it would print the first
// lines over the heading, so the lines then start just below it and keep the grid's spacing,
// drawing closer only as far as needed for the last line to stay on the page. Text too wide
// for its place is cut where the next column (or the page) begins, as a printer would hide
// it under the next column.
#include <string>

#include "common/print/hard_copy.h"

namespace rumbelo {

// The first line clears the heading's frame by this much, in inches.
inline constexpr double kGapBelowHeading = 0.1;

class LineRows {
  public:
    // Rows firstRow, firstRow + 1, ... of the grid for `count` lines of lineHeight pixels.
    LineRows(const HardCopy& page, int firstRow, int count, int lineHeight, bool belowHeading);
    // The top of line i, counted from 0.
    int y(int i) const;
    // The bottom of the last line.
    int bottom() const { return y(count_ - 1) + lineHeight_; }

  private:
    double top_;
    double step_;
    int count_;
    int lineHeight_;
};

// The longest beginning of `text` (without trailing blanks) no wider than `width` pixels in
// the canvas's current font.
std::string fitText(PageCanvas& canvas, const std::string& text, int width);
// A report title in `width` pixels: when it is too long, a closing remark in brackets goes
// first, then whole words from the end.
std::string fitTitle(PageCanvas& canvas, const std::string& title, int width);

}  // namespace rumbelo
