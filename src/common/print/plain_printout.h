#pragma once
// The plain printout of the degrees form's lists: the printer used as a text device, one
// line after another in "Courier New" 12, each after eight blanks, the first `bold` lines
// bold. A report of 55 lines or more carries its page number ("-N-" after 29 blanks) at the
// top of every page; a shorter one fits a page and has none.
#include <string>
#include <vector>

#include "common/print/page_canvas.h"

namespace rumbelo {

inline constexpr int kNumberedFrom = 55;

// The lines as the text device receives them, "" for an empty line, with the page each
// falls on (1-based); the page breaks come from `linesPerPage`. The page-number line (or an
// empty one) comes after `topBlanks` empty lines; the secondary form's lists leave two.
struct PlainLine {
    std::string text;
    bool bold = false;
    int page = 1;
};
std::vector<PlainLine> plainPrintoutLines(const std::vector<std::string>& lines, int bold,
                                          int linesPerPage, int topBlanks = 1);

// Prints them; false when the printer refused a page (the document is then dropped).
bool PrintPlain(PageCanvas& canvas, const std::vector<std::string>& lines, int bold,
                int topBlanks = 1);

}  // namespace rumbelo
