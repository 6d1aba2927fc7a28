// Reports printed for real through Qt's printer into numbered PDF files (RUMBELO_PRINT_PDF),
// read back with pdftotext; the font table; what the pupil is told when printing fails.
// Run with RUMBELO_PRINT_PDF set to keep the PDFs of every layout in that folder.
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QtTest>
#include <memory>

#include "common/print/hard_copy.h"
#include "common/print/painter_canvas.h"
#include "common/print/report_fonts.h"
#include "common/print/report_printing.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "program_fixture.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

// "chica.bmp" of the built program when there is one, otherwise a plain stand-in.
QImage guidePicture() {
    QImage built = loadBitmap(QDir(QStringLiteral(RUMBELO_PROGRAM_DIR)).filePath("chica.bmp"));
    if (!built.isNull()) return built;
    QImage standIn(56, 118, QImage::Format_RGB32);
    standIn.fill(QColor(255, 239, 206));
    QPainter painter(&standIn);
    painter.setBrush(QColor(230, 120, 60));
    painter.drawEllipse(14, 6, 28, 30);
    painter.drawRect(16, 38, 24, 60);
    return standIn;
}

std::string line(int k) {
    return "Linea " + QStringLiteral("%1").arg(k, 4, 10, QLatin1Char('0')).toStdString();
}

// A report of n numbered lines; line 2 carries Spanish letters, and every seventh line is a
// centre with its telephone, as wide as a report line gets.
ReportTable sampleReport(int n, const std::string& title) {
    ReportTable report;
    report.setTitle(title);
    const std::string centre =
        utf8ToCp1252("IES Politécnico Hermenegildo Lanz (Granada)  958 123 456 ext");
    for (int k = 1; k <= n; ++k)
        report.set(k, k % 7 == 3 && k != n ? centre : line(k));
    if (n >= 2) report.set(2, utf8ToCp1252("Ingeniería Informática (Cádiz)"));
    return report;
}

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class PrintPdfFormTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup();
    void aListReachesAPdfWithItsHeadingAndLines();
    void everyColumnLayoutReachesAPdf();
    void eachReportTakesTheNextNumber();
    void anUnwritableFolderIsToldAndTheReportPrintsAgain();
    void withoutAPrinterThePupilIsToldInSpanish();
    void namedFontsFindFreeFontsWithTheSameWidths();
    void theRunningProgramSuppliesTheHeading();
    void aLandscapePrinterPageSwapsTheGridAxes();

  private:
    bool print(int n, bool columns, bool compact, int fontSize, const std::string& title);

    std::unique_ptr<TempFolder> ownFolder_;
    QString folder_;
    RecordingSink sink_;
    ReportHeading heading_;
};

void PrintPdfFormTest::initTestCase() {
    folder_ = qEnvironmentVariable("RUMBELO_PRINT_PDF");
    if (folder_.isEmpty()) {
        ownFolder_ = std::make_unique<TempFolder>();
        folder_ = QString::fromStdString(ownFolder_->path().string());
    }
    qputenv("RUMBELO_PRINT_PDF", folder_.toLocal8Bit());
    heading_ = {utf8ToCp1252("IES Jardín de Prueba"), "Curso", guidePicture()};
}

void PrintPdfFormTest::cleanup() {
    qputenv("RUMBELO_PRINT_PDF", folder_.toLocal8Bit());
    sink_.messages.clear();
}

bool PrintPdfFormTest::print(int n, bool columns, bool compact, int fontSize,
                             const std::string& title) {
    ReportPrinter printer(sink_);
    ReportTable report = sampleReport(n, title);
    BoldLines bold;
    bold.add(1);
    bold.add(n);
    if (columns) return PrintColumns(printer, heading_, report, n, compact, bold);
    return PrintList(printer, heading_, report, n, fontSize == 10, fontSize, bold);
}

void PrintPdfFormTest::aListReachesAPdfWithItsHeadingAndLines() {
    ReportPrinter printer(sink_);
    ReportTable report = sampleReport(80, "Lista de prueba");
    QVERIFY(PrintList(printer, heading_, report, 80, true, 10, BoldLines{}));
    QVERIFY(sink_.messages.empty());
    const QString file = printer.lastPdfFile();
    QVERIFY(QFileInfo(file).isFile());
    QVERIFY(file.startsWith(folder_));
    const QString text = pdfText(file);
    QVERIFY2(text.contains(QStringLiteral("IES Jardín de Prueba")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Curso")));
    QVERIFY(text.contains(QStringLiteral("2007-2008")));
    QVERIFY(text.contains(QStringLiteral("Lista de prueba")));
    QVERIFY(text.contains(QStringLiteral("Ingeniería Informática (Cádiz)")));
    QVERIFY(text.contains(QString::fromStdString(line(71))));
    QVERIFY(text.contains(QString::fromStdString(line(80))));
    QCOMPARE(text.count(QLatin1Char('\f')), 2);  // two pages
}

void PrintPdfFormTest::everyColumnLayoutReachesAPdf() {
    struct Case {
        int n;
        bool columns, compact;
        int size;
        const char* title;
    };
    const Case cases[] = {{60, false, false, 12, "Lista en Arial 12"},
                          {75, true, false, 10, "Tres columnas de 25"},
                          {120, true, true, 8, "Compacto de una hoja"},
                          {151, true, true, 8, "Compacto de dos hojas"},
                          {400, true, false, 10, "Ocho columnas de 50"}};
    for (const Case& c : cases) {
        ReportPrinter printer(sink_);
        ReportTable report = sampleReport(c.n, c.title);
        BoldLines bold;
        bold.add(1);
        bold.add(c.n);
        const bool printed = c.columns
                                 ? PrintColumns(printer, heading_, report, c.n, c.compact, bold)
                                 : PrintList(printer, heading_, report, c.n, false, c.size, bold);
        QVERIFY2(printed, c.title);
        const QString text = pdfText(printer.lastPdfFile());
        QVERIFY2(text.contains(QLatin1String(c.title)), c.title);
        QVERIFY2(text.contains(QString::fromStdString(line(c.n))), c.title);
        QVERIFY2(text.contains(QString::fromStdString(line(1))), c.title);
    }
}

void PrintPdfFormTest::eachReportTakesTheNextNumber() {
    const auto number = [](const QString& path) {
        return QFileInfo(path).completeBaseName().mid(8).toInt();
    };
    const QString first = nextNumberedPdf(folder_);
    QVERIFY(print(5, false, false, 12, "Primero"));
    const QString second = nextNumberedPdf(folder_);
    QVERIFY(print(5, false, false, 12, "Segundo"));
    QCOMPARE(number(second), number(first) + 1);
    QCOMPARE(number(nextNumberedPdf(folder_)), number(first) + 2);
    QVERIFY(QFileInfo(first).fileName().startsWith(QStringLiteral("informe-")));
    QVERIFY(pdfText(first).contains(QStringLiteral("Primero")));
    QVERIFY(!pdfText(first).contains(QStringLiteral("Segundo")));  // never overwritten
    QVERIFY(pdfText(second).contains(QStringLiteral("Segundo")));
    // A gap or a stray higher number: the next report goes above the highest.
    QFile stray(QDir(folder_).filePath(QStringLiteral("informe-041.pdf")));
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();
    QCOMPARE(QFileInfo(nextNumberedPdf(folder_)).fileName(), QStringLiteral("informe-042.pdf"));
}

void PrintPdfFormTest::anUnwritableFolderIsToldAndTheReportPrintsAgain() {
    TempFolder scratch;
    scratch.write("ocupado", "a file where the folder should be");
    qputenv("RUMBELO_PRINT_PDF", QByteArray::fromStdString((scratch.path() / "ocupado").string()));
    ReportTable report = sampleReport(100, "Reintento");
    {
        ReportPrinter printer(sink_);
        QVERIFY(!PrintColumns(printer, heading_, report, 100, false, BoldLines{}));
        QCOMPARE(sink_.messages.size(), std::size_t(1));
        QVERIFY(sink_.messages[0].starts_with("No se ha podido guardar el informe"));
    }
    qputenv("RUMBELO_PRINT_PDF", folder_.toLocal8Bit());
    ReportPrinter printer(sink_);
    QVERIFY(PrintColumns(printer, heading_, report, 100, false, BoldLines{}));
    QVERIFY(pdfText(printer.lastPdfFile()).contains(QString::fromStdString(line(100))));
}

void PrintPdfFormTest::withoutAPrinterThePupilIsToldInSpanish() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("this machine has a printer; the no-printer message cannot be shown");
    qunsetenv("RUMBELO_PRINT_PDF");
    ReportPrinter printer(sink_);
    ReportTable report = sampleReport(10, "Sin impresora");
    QVERIFY(!PrintList(printer, heading_, report, 10, true, 12, BoldLines{}));
    QCOMPARE(sink_.messages.size(), std::size_t(1));
    QVERIFY(sink_.messages[0].starts_with("No hay ninguna impresora instalada"));
    QCOMPARE(report[10], line(10));  // the report is still there to print later
}

void PrintPdfFormTest::namedFontsFindFreeFontsWithTheSameWidths() {
    installFontSubstitutions();
    installFontSubstitutions();  // a second call adds nothing
    QCOMPARE(QFont::substitutes(QStringLiteral("Arial"))
                 .filter(QStringLiteral("Liberation Sans"), Qt::CaseInsensitive)
                 .size(),
             1);
    for (const auto& substitution : fontSubstitutions()) {
        if (QFontDatabase::hasFamily(substitution.family)) continue;  // the real font is here
        const QFont named(substitution.family, 12);
        QVERIFY2(substitution.replacements.contains(QFontInfo(named).family()),
                 qPrintable(substitution.family + " -> " + QFontInfo(named).family()));
    }
    const QFont courier(QStringLiteral("Courier New"), 10);
    QVERIFY(QFontInfo(courier).fixedPitch());
    // Courier New and its stand-in are 0.6 em wide: on paper, 60 characters of 10 points
    // are 5 inches.
    QPrinter paper(QPrinter::HighResolution);
    paper.setOutputFormat(QPrinter::PdfFormat);
    const QFontMetricsF metrics(courier, &paper);
    const double inches =
        metrics.horizontalAdvance(QString(60, QLatin1Char('m'))) / paper.logicalDpiX();
    QVERIFY2(qAbs(inches - 5.0) < 0.05, qPrintable(QString::number(inches)));
}

void PrintPdfFormTest::theRunningProgramSuppliesTheHeading() {
    ProgramFolder folder;
    folder.writeProfile("IES Programa Entero", 0, "F", 0);
    auto started = startOn(folder.path());
    QVERIFY(!started->program->aborted());
    Program& program = *started->program;
    const ReportHeading heading = reportHeadingOf(program);
    QCOMPARE(heading.schoolName, std::string("IES Programa Entero"));
    QVERIFY(!heading.guide.isNull());

    ReportPrinter printer(program.state().messages());
    ReportTable report = sampleReport(90, "Desde el programa");
    QVERIFY(PrintColumns(program, printer, report, 90, true, BoldLines{}));
    const QString text = pdfText(printer.lastPdfFile());
    QVERIFY(text.contains(QStringLiteral("IES Programa Entero")));
    QVERIFY(text.contains(QString::fromStdString(cp1252ToUtf8(TrimRight(program.texts()[175])))));
}

void PrintPdfFormTest::aLandscapePrinterPageSwapsTheGridAxes() {
    const auto corner = [&](PageOrientation orientation, PageMetrics& metrics) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(QDir(folder_).filePath(QStringLiteral("orientation.pdf")));
        PainterCanvas canvas(printer);
        HardCopy page(canvas);
        if (!page.beginDocument(orientation)) return PixelPoint{};
        metrics = canvas.metrics();
        page.PageInit(10, 10, 1);
        page.GridMoveTo(10, 10);
        const PixelPoint at = page.current();
        canvas.endDocument();
        return at;
    };
    PageMetrics portrait, landscape;
    const PixelPoint tall = corner(PageOrientation::Portrait, portrait);
    const PixelPoint wide = corner(PageOrientation::Landscape, landscape);
    QVERIFY(portrait.height > portrait.width);
    QVERIFY(landscape.width > landscape.height);
    // The grid's far corner is the printable area's, across the long side when landscape.
    QCOMPARE(tall.x, portrait.width);
    QCOMPARE(tall.y, portrait.height);
    QCOMPARE(wide.x, landscape.width);
    QCOMPARE(wide.y, landscape.height);
    QVERIFY(std::abs(landscape.width - portrait.height) < portrait.height / 20);
}

QTEST_MAIN(PrintPdfFormTest)
#include "print_pdf_form_test.moc"
