#pragma once
// The two shared report printers: a portrait list, and three columns on landscape pages
// for long reports. Both return true when the document reached the printer; on a printer
// failure the document is dropped and false returned, leaving the report as it was so that
// it can be printed again.
#include "common/print/page_canvas.h"
#include "common/print/report_heading.h"
#include "common/print/report_table.h"

namespace rumbelo {

// Lines 1..n of the report in "Courier New" (fixedPitch) or "Arial" at fontSize, under a
// portrait heading on the first page; 51 lines a page at size 12, 71 otherwise.
bool PrintList(PageCanvas& canvas, const HeadingTexts& heading, const ReportTable& report, int n,
               bool fixedPitch, int fontSize, const BoldLines& bold);

// Lines 1..n in three columns on landscape pages (reports of up to 74 lines go to PrintList,
// fixed pitch, size 10). Blanks the report's entries n+1..1300 first.
bool PrintColumns(PageCanvas& canvas, const HeadingTexts& heading, ReportTable& report, int n,
                  bool compact, const BoldLines& bold);

}  // namespace rumbelo
