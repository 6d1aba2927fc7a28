#include "common/print/report_printing.h"

#include "common/print/painter_canvas.h"
#include "common/print/report_routines.h"
#include "common/program/program.h"

namespace rumbelo {

namespace {

// The heading with its picture in a form the page logic can pass to the canvas.
class HeadingForPages {
  public:
    explicit HeadingForPages(const ReportHeading& heading) : picture_(heading.guide) {
        texts_.schoolName = heading.schoolName;
        texts_.yearWord = heading.yearWord;
        if (!heading.guide.isNull()) texts_.guide = &picture_;
    }
    const HeadingTexts& texts() const { return texts_; }

  private:
    QImagePicture picture_;
    HeadingTexts texts_;
};

}  // namespace

ReportHeading reportHeadingOf(Program& program) {
    return {program.state().schoolName, program.texts()[175], program.pictures().guide};
}

bool PrintList(ReportPrinter& printer, const ReportHeading& heading, const ReportTable& report,
               int n, bool fixedPitch, int fontSize, const BoldLines& bold) {
    const HeadingForPages pages(heading);
    return printer.print([&](PageCanvas& canvas) {
        return PrintList(canvas, pages.texts(), report, n, fixedPitch, fontSize, bold);
    });
}

bool PrintColumns(ReportPrinter& printer, const ReportHeading& heading, ReportTable& report, int n,
                  bool compact, const BoldLines& bold) {
    const HeadingForPages pages(heading);
    return printer.print([&](PageCanvas& canvas) {
        return PrintColumns(canvas, pages.texts(), report, n, compact, bold);
    });
}

bool PrintList(Program& program, ReportPrinter& printer, const ReportTable& report, int n,
               bool fixedPitch, int fontSize, const BoldLines& bold) {
    return PrintList(printer, reportHeadingOf(program), report, n, fixedPitch, fontSize, bold);
}

bool PrintColumns(Program& program, ReportPrinter& printer, ReportTable& report, int n,
                  bool compact, const BoldLines& bold) {
    return PrintColumns(printer, reportHeadingOf(program), report, n, compact, bold);
}

}  // namespace rumbelo
