#pragma once
// Where a report goes: the default printer (or the one the pupil picks in the print
// dialog), or, when RUMBELO_PRINT_PDF names a folder, a numbered PDF file in that folder
// with no dialog at all. A missing printer or a printing error is told to the pupil in
// Spanish; the report is left as it was, ready to be printed again.
#include <QString>
#include <functional>
#include <memory>

#include "common/messages.h"
#include "common/print/page_canvas.h"

class QPrinter;
class QWidget;

namespace rumbelo {

class ReportPrinter {
  public:
    // Failures are told through `messages`. Reads RUMBELO_PRINT_PDF.
    explicit ReportPrinter(MessageSink& messages);
    ~ReportPrinter();
    ReportPrinter(const ReportPrinter&) = delete;
    ReportPrinter& operator=(const ReportPrinter&) = delete;

    // The PDF folder, or empty when reports go to a printer.
    const QString& pdfFolder() const { return pdfFolder_; }

    // The platform's print dialog (it offers printing to a PDF file too): false when the
    // pupil cancels it. Printing to the PDF folder skips it.
    bool askDialog(QWidget* parent = nullptr);

    // One document: `draw` lays it out on a canvas and returns whether the printer took
    // every page. True when the report was printed.
    bool print(const std::function<bool(PageCanvas&)>& draw);

    // The PDF file the last report was written to (empty when none was).
    const QString& lastPdfFile() const { return lastPdfFile_; }

  private:
    bool hasPrinter() const;
    bool preparePdfFile();
    void resetPrinter();

    MessageSink& messages_;
    QString pdfFolder_;
    QString lastPdfFile_;
    std::unique_ptr<QPrinter> printer_;
};

// The next free "informe-NNN.pdf" of a folder: one past the highest number there.
QString nextNumberedPdf(const QString& folder);

}  // namespace rumbelo
