#pragma once
// The report printers sections call: a section fills a report table and a bold-line list,
// shows the print dialog where it has one, and hands them over:
//
//     ReportPrinter printer(program.state().messages());
//     if (!printer.askDialog(this)) return;
//     PrintColumns(program, printer, report, n, /*compact=*/false, bold);
//
// Each returns true when the report was printed; otherwise the pupil has been told why.
#include <QImage>
#include <string>

#include "common/print/report_printer.h"
#include "common/print/report_table.h"

namespace rumbelo {

class Program;

// What every page heading shows besides the report's title.
struct ReportHeading {
    std::string schoolName;  // Windows-1252
    std::string yearWord;    // interface text 175
    QImage guide;            // "chica.bmp"
};

// The school's name, interface text 175 and the guide picture of the running program.
ReportHeading reportHeadingOf(Program& program);

bool PrintList(ReportPrinter& printer, const ReportHeading& heading, const ReportTable& report,
               int n, bool fixedPitch, int fontSize, const BoldLines& bold);
bool PrintColumns(ReportPrinter& printer, const ReportHeading& heading, ReportTable& report, int n,
                  bool compact, const BoldLines& bold);

// The same with the heading of the running program.
bool PrintList(Program& program, ReportPrinter& printer, const ReportTable& report, int n,
               bool fixedPitch, int fontSize, const BoldLines& bold);
bool PrintColumns(Program& program, ReportPrinter& printer, ReportTable& report, int n,
                  bool compact, const BoldLines& bold);

}  // namespace rumbelo
