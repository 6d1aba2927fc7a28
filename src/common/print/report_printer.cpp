#include "common/print/report_printer.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>

#include "common/print/painter_canvas.h"
#include "common/print/report_fonts.h"
#include "common/qt_text.h"

namespace rumbelo {

namespace {

// Windows-1252, as every message of the program.
const char* const kNoPrinter =
    "No hay ninguna impresora instalada. Instale una impresora y vuelva a imprimir el "
    "informe.";
const char* const kCannotStart =
    "No se ha podido empezar a imprimir el informe. Compruebe que la impresora est\xE1 "
    "encendida y conectada, y vuelva a imprimirlo.";
const char* const kBrokenOff =
    "Se ha producido un error al imprimir el informe y no se ha impreso entero. Compruebe la "
    "impresora y vuelva a imprimirlo.";

std::string cannotWritePdf(const QString& where) {
    return "No se ha podido guardar el informe en \"" + fromQt(QDir::toNativeSeparators(where)) +
           "\". Compruebe la carpeta y vuelva a imprimirlo.";
}

}  // namespace

QString nextNumberedPdf(const QString& folder) {
    static const QRegularExpression numbered(QStringLiteral("^informe-(\\d+)\\.pdf$"));
    int highest = 0;
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("informe-*.pdf")}, QDir::Files);
    for (const QString& name : names) {
        const auto match = numbered.match(name);
        if (match.hasMatch()) highest = std::max(highest, match.captured(1).toInt());
    }
    return QDir(folder).filePath(
        QStringLiteral("informe-%1.pdf").arg(highest + 1, 3, 10, QLatin1Char('0')));
}

ReportPrinter::ReportPrinter(MessageSink& messages)
    : messages_(messages), pdfFolder_(qEnvironmentVariable("RUMBELO_PRINT_PDF")) {
    installFontSubstitutions();
    resetPrinter();
}

ReportPrinter::~ReportPrinter() = default;

void ReportPrinter::resetPrinter() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
}

bool ReportPrinter::askDialog(QWidget* parent) {
    if (!pdfFolder_.isEmpty()) return true;
    QPrintDialog dialog(printer_.get(), parent);
    return dialog.exec() == QDialog::Accepted;
}

bool ReportPrinter::hasPrinter() const {
    // Without any printer Qt falls back to PDF output with no file to write to.
    if (printer_->outputFormat() == QPrinter::PdfFormat)
        return !printer_->outputFileName().isEmpty();
    return !printer_->printerName().isEmpty();
}

bool ReportPrinter::preparePdfFile() {
    if (!QDir().mkpath(pdfFolder_)) {
        messages_.show(cannotWritePdf(pdfFolder_));
        return false;
    }
    lastPdfFile_ = nextNumberedPdf(pdfFolder_);
    resetPrinter();
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setOutputFileName(lastPdfFile_);
    printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    return true;
}

bool ReportPrinter::print(const std::function<bool(PageCanvas&)>& draw) {
    lastPdfFile_.clear();
    if (!pdfFolder_.isEmpty()) {
        if (!preparePdfFile()) return false;
    } else if (!hasPrinter()) {
        messages_.show(kNoPrinter);
        return false;
    }
    PainterCanvas canvas(*printer_);
    if (draw(canvas)) return true;
    if (!pdfFolder_.isEmpty()) {
        QFile::remove(lastPdfFile_);
        messages_.show(cannotWritePdf(lastPdfFile_));
        lastPdfFile_.clear();
    } else {
        messages_.show(canvas.failure() == PainterCanvas::Failure::Start ? kCannotStart
                                                                         : kBrokenOff);
    }
    // A printer left in its error state would fail the next attempt too.
    resetPrinter();
    return false;
}

}  // namespace rumbelo
