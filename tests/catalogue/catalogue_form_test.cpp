// The catalogue form on the bundled catalogue: from the scene's catalogue door to a family,
// the first entry of every level with its detail panel, the short and the detailed printout
// as PDFs, and back to the scene; closing the window.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include "common/dialog/aviso.h"
#include "common/program/contrast.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "program_fixture.h"
#include "scene/door_label.h"
#include "scene/scene_form.h"
#include "scene/static_scene.h"
#include "secondary/catalogue/form/catalogue_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

void clickRow(QListWidget* list, int row) {
    QVERIFY2(list->isVisible() && list->item(row), qPrintable(list->objectName()));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class CatalogueFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorToAFamilysFiveLevelsDetailsAndBothPrints();
    void closingTheWindowShowsTheScene();
    void everyThemeKeepsTheLabelsReadable();

  private:
    TFormCat* form() const {
        return qobject_cast<TFormCat*>(started_->program->form(QStringLiteral("TFormCat")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    void openFromTheDoor();
    QString printWith(bool detailed, const QString& dir);

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void CatalogueFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void CatalogueFormTest::cleanup() {
    started_.reset();
    folder_.reset();
}

void CatalogueFormTest::openFromTheDoor() {
    QVERIFY(scene()->isVisible());
    QTest::mouseClick(scene()->staticScene()->LabelCat, Qt::LeftButton);
    // The door opens in a few ticks, then the form shows.
    QTRY_VERIFY_WITH_TIMEOUT(form()->isVisible(), 5000);
    QVERIFY(!scene()->isVisible());
}

QString CatalogueFormTest::printWith(bool detailed, const QString& dir) {
    const int before = static_cast<int>(QDir(dir).entryList({QStringLiteral("*.pdf")}).size());
    whenDialogOpens([detailed](TForm4* d) {
        (detailed ? d->Radio2 : d->Radio1)->setChecked(true);
        QTest::mouseClick(d->botImprimir, Qt::LeftButton);
    });
    QTest::mouseClick(form()->BotImprimir, Qt::LeftButton);
    QStringList printed = QDir(dir).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    if (printed.size() != before + 1) return {};
    return pdfText(QDir(dir).filePath(printed.first()));
}

void CatalogueFormTest::doorToAFamilysFiveLevelsDetailsAndBothPrints() {
    QTemporaryDir pdfs;
    qputenv("RUMBELO_PRINT_PDF", pdfs.path().toLocal8Bit());
    openFromTheDoor();
    TFormCat* f = form();
    QCOMPARE(f->LabelFami->text(), toQt(started_->program->texts().trimmed(575)));
    QCOMPARE(f->ListCat[1]->geometry(), QRect(512, 160, 241, 89));
    // The help label slides in from 300 and stops at 100 or less.
    QVERIFY(f->LabelAyu0->x() <= 300 && f->LabelAyu0->x() > 100);
    QTRY_VERIFY_WITH_TIMEOUT(f->LabelAyu0->x() <= 100, 5000);
    QVERIFY(f->LabelAyu0->x() > 96);

    const QList<QListWidgetItem*> found =
        f->ListFam->findItems(QStringLiteral("Turismo y hostelería"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    clickRow(f->ListFam, f->ListFam->row(found[0]));
    for (QListWidget* list : f->ListCat)
        QVERIFY2(list->count() > 0, qPrintable(list->objectName()));
    QCOMPARE(f->ListCat[0]->item(0)->text(), QStringLiteral("Turismo (Dipl.)"));
    QCOMPARE(f->ListCat[3]->item(0)->text(), QStringLiteral("Ayudante de cocina"));

    for (int level = 1; level <= 5; ++level) {
        QListWidget* list = f->ListCat[static_cast<std::size_t>(level - 1)];
        clickRow(list, 0);
        QVERIFY(f->ListSel->isVisible());
        QVERIFY(f->botcerrar->isVisible());
        QVERIFY(f->ListSel->geometry().contains(f->botcerrar->geometry()));
        if (level <= 3)
            QCOMPARE(f->ListSel->y(), list->geometry().bottom() + 1);
        else
            QCOMPARE(f->ListSel->geometry().bottom(), list->y() - 3);
        const QString detail = f->ListSel->toPlainText();
        const QString requirements = toQt(started_->program->texts().trimmed(level == 4 ? 67 : 29));
        if (level == 1)
            QVERIFY2(detail.contains(QStringLiteral("Salidas profesionales")), qPrintable(detail));
        if (level == 4)
            QVERIFY2(detail.contains(QStringLiteral("Aprovisionamiento")), qPrintable(detail));
        if (level == 5) QVERIFY2(detail.startsWith(requirements), qPrintable(detail));
        QTest::mouseClick(f->botcerrar, Qt::LeftButton);
        QVERIFY(!f->ListSel->isVisible());
        QVERIFY(!f->botcerrar->isVisible());
    }

    const QString brief = printWith(false, pdfs.path());
    QVERIFY2(brief.contains(QStringLiteral("Catálogo de títulos: Turismo y hostelería")),
             qPrintable(brief));
    QVERIFY(brief.contains(QStringLiteral("-Ayudante de cocina")));
    QVERIFY(!brief.contains(QStringLiteral("Aprovisionamiento")));
    const QString detailed = printWith(true, pdfs.path());
    QVERIFY2(detailed.contains(QStringLiteral("INICIACIÓN PROFESIONAL")), qPrintable(detailed));
    QVERIFY(detailed.contains(QStringLiteral("Aprovisionamiento")));
    QVERIFY(!started_->program->dialog()->PanelImprimir->isVisible());
    qunsetenv("RUMBELO_PRINT_PDF");

    QTest::mouseClick(f->BotRetroceder, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
}

void CatalogueFormTest::closingTheWindowShowsTheScene() {
    openFromTheDoor();
    clickRow(form()->ListFam, 0);
    clickRow(form()->ListCat[0], 0);
    form()->close();
    QVERIFY(!form()->isVisible());
    QVERIFY(!form()->ListSel->isVisible());
    QVERIFY(scene()->isVisible());
}

void CatalogueFormTest::everyThemeKeepsTheLabelsReadable() {
    for (const char* theme : kThemeLetters) {
        started_.reset();
        folder_->writeProfile("IES", 0, theme, 0);
        started_ = startOn(folder_->path());
        TFormCat* f = form();
        QVERIFY(f);
        std::vector<QWidget*> labels(f->Label.begin(), f->Label.end());
        labels.insert(labels.end(), {f->LabelFami, f->LabelAyu0});
        for (QWidget* label : labels) {
            const QPalette palette = label->palette();
            const double ratio = contrastRatio(toRgb(palette.color(QPalette::WindowText)),
                                               toRgb(palette.color(QPalette::Window)));
            QVERIFY2(ratio >= kBodyContrast,
                     qPrintable(QString::fromLatin1(theme) + " " + label->objectName()));
        }
    }
}

QTEST_MAIN(CatalogueFormTest)
#include "catalogue_form_test.moc"
