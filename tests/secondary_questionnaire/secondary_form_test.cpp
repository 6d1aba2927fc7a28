// The secondary form on the bundled catalogue: door 9, the full questionnaire answered by
// clicks and Enter, its results, the titles of an area, the printouts as PDF and the saved
// file byte by byte; the first block alone, then on to the second with its answers kept.
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "common/dialog/aviso.h"
#include "common/program/contrast.h"
#include "common/program/shared_pictures.h"
#include "common/qt_text.h"
#include "common/save/results_file.h"
#include "program_fixture.h"
#include "scene/door_label.h"
#include "scene/scene_form.h"
#include "scene/static_scene.h"
#include "secondary/form/secondary_form.h"
#include "secondary/questionnaire/eso_questionnaire.h"
#include "vocational/intermediate/form/intermediate_form.h"
#include "vocational/intermediate/form/intermediate_state.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

QString pdfText(const QString& file) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

void clickGridRow(QTableWidget* grid, int row) {
    grid->scrollToItem(grid->item(row, 0));
    const QPoint at = grid->visualItemRect(grid->item(row, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
}

void clickItem(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// Clicks that bring a statement to its best-scoring answer.
int clicksToTop(const secondary::Statement& s) {
    if (s.format == 2) return 1;
    if (s.format == 5 && s.weight >= 8) return 4;
    return s.format >= 3 && s.format <= 5 ? 3 : 0;
}

}  // namespace

class SecondaryFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorNineToResultsTitlesPrintoutsAndASavedFile();
    void theFirstBlockAloneThenTheSecondWithItsAnswersKept();
    void aWeakFirstBlockEndsTheQuestionnaire();
    void theVocationalEntryHandsOverToTheIntermediateQuestionnaire();
    void everyThemeKeepsTheYearTheChosenRowAndTheHintReadable();

  private:
    TForm2* form() const {
        return qobject_cast<TForm2*>(started_->program->form(QStringLiteral("TForm2")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    const InterfaceTexts& texts() const { return started_->program->texts(); }
    void openQuestionnaire(QPushButton* TForm2::*entry);

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void SecondaryFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void SecondaryFormTest::cleanup() {
    setSaveNameChooser({});
    qunsetenv("RUMBELO_PRINT_PDF");
    started_.reset();
    folder_.reset();
}

void SecondaryFormTest::openQuestionnaire(QPushButton* TForm2::*entry) {
    QTest::mouseClick(scene()->staticScene()->doorLabel(9), Qt::LeftButton);
    TForm2* f = form();
    // The label blinks before the door opens.
    QTRY_VERIFY_WITH_TIMEOUT(f->isVisible(), 5000);
    QVERIFY(!scene()->isVisible());
    QVERIFY(!f->BotItinerarios->isVisible());
    // This door offers no itineraries, so its help does not mention them.
    QTRY_COMPARE_WITH_TIMEOUT(f->LabelAyu[2]->text(), QStringLiteral("cuestionario de 4º de ESO."),
                              4000);
    QVERIFY(f->LabelAyu[3]->text().isEmpty());
    QVERIFY(!f->PanelMenuCues->isVisible());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(f->botCuestio, &enter);
    QVERIFY(f->PanelMenuCues->isVisible());
    QTest::mouseClick(f->*entry, Qt::LeftButton);
    QVERIFY(f->PanelCues->isVisible());
    QVERIFY(!f->PanelMenu->isVisible());
    QVERIFY(!f->botCuestio->isEnabled());
}

void SecondaryFormTest::doorNineToResultsTitlesPrintoutsAndASavedFile() {
    QTemporaryDir out;
    qputenv("RUMBELO_PRINT_PDF", out.path().toLocal8Bit());
    openQuestionnaire(&TForm2::BotCuestio1);
    if (QTest::currentTestFailed()) return;
    TForm2* f = form();
    secondary::EsoQuestionnaire& q = f->questionnaire();
    const int n = f->data().statements.count();
    QVERIFY(n > secondary::kFirstBlock);
    QCOMPARE(f->Gcuestio->rowCount(), n);
    QCOMPARE(f->Gcuestio->horizontalHeaderItem(2)->text(), QStringLiteral("Not"));

    // A yes/no statement: a click shows answer 2 with its mark, the next goes back.
    int yesNo = -1, fourAnswers = -1;
    for (int i = 1; i <= n; ++i) {
        if (yesNo < 0 && q.statement(i).format == 2) yesNo = i;
        if (fourAnswers < 0 && q.statement(i).format == 4) fourAnswers = i;
    }
    QVERIFY(yesNo > 0 && fourAnswers > 0);
    clickGridRow(f->Gcuestio, yesNo - 1);
    QCOMPARE(cell(f->Gcuestio, yesNo - 1, 1), toQt(texts().trimmed(141)));
    QCOMPARE(cell(f->Gcuestio, yesNo - 1, 2), QStringLiteral("***"));
    clickGridRow(f->Gcuestio, yesNo - 1);
    QCOMPARE(cell(f->Gcuestio, yesNo - 1, 1), toQt(texts().trimmed(140)));
    QCOMPARE(cell(f->Gcuestio, yesNo - 1, 2), QString());
    // Enter advances the answer and writes only its label.
    f->Gcuestio->setCurrentCell(fourAnswers - 1, 0);
    QTest::keyClick(f->Gcuestio, Qt::Key_Return);
    QTest::keyClick(f->Gcuestio, Qt::Key_Return);
    QCOMPARE(q.statement(fourAnswers).answer, 3);
    QCOMPARE(cell(f->Gcuestio, fourAnswers - 1, 1), toQt(texts().trimmed(134)));
    QCOMPARE(cell(f->Gcuestio, fourAnswers - 1, 2), QString());

    // Every other statement at its best answer.
    for (int i = 1; i <= n; ++i) {
        if (i == yesNo || i == fourAnswers) continue;
        for (int k = clicksToTop(q.statement(i)); k > 0; --k)
            clickGridRow(f->Gcuestio, i - 1);
    }
    QTest::mouseClick(f->BotResCues, Qt::LeftButton);
    QVERIFY(f->ListResul->isVisible());
    QVERIFY(!f->Gcuestio->isVisible());
    QVERIFY(f->ImpResul->isVisible() && f->grabar->isVisible());
    QCOMPARE(f->BotResCues->text(), toQt(texts().trimmed(328)));
    const auto& lines = f->fullResults().lines;
    QCOMPARE(f->ListResul->count(), static_cast<int>(lines.size()));
    QCOMPARE(f->ListResul->item(3)->text(), toQt(texts().trimmed(142)));
    QCOMPARE(f->ListResul->item(15)->text(), QStringLiteral("  ") + toQt(texts().trimmed(240)));

    // Lines 16 and 23 open nothing; line 17 opens the best area's titles.
    clickItem(f->ListResul, 15);
    QVERIFY(!f->PanelCar->isVisible());
    clickItem(f->ListResul, 22);
    QVERIFY(!f->PanelCar->isVisible());
    clickItem(f->ListResul, 16);
    QVERIFY(f->PanelCar->isVisible());
    const int best = f->fullResults().ranking[1];
    QCOMPARE(f->ListCar->item(1)->text(),
             QStringLiteral("   ") + toQt(f->data().itinerary[best]).trimmed());
    QVERIFY(f->ListCar->count() > 5);
    const QString lastTitle = f->ListCar->item(f->ListCar->count() - 1)->text();

    QTest::mouseClick(f->BotImpTit, Qt::LeftButton);
    QStringList pdfs = QDir(out.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pdfs.size(), 1);
    QString printed = pdfText(out.filePath(pdfs[0]));
    QVERIFY2(printed.contains(lastTitle), qPrintable(printed));
    QTest::mouseClick(f->BotCerrar, Qt::LeftButton);
    QVERIFY(!f->PanelCar->isVisible());

    // Printing asks the name once; it then heads the report and the saved file.
    whenDialogOpens([](TForm4* dialog) {
        dialog->EditNombre->setText(QStringLiteral("Lucía Pérez"));
        QTest::mouseClick(dialog->ShadowSi, Qt::LeftButton);
    });
    QTest::mouseClick(f->ImpResul, Qt::LeftButton);
    pdfs = QDir(out.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
    QCOMPARE(pdfs.size(), 2);
    printed = pdfText(out.filePath(pdfs[1]));
    // The PDF's text keeps the words, not how they stand on the line.
    QVERIFY2(printed.contains(QStringLiteral("Lucía Pérez")), qPrintable(printed));
    QVERIFY(printed.contains(QStringLiteral("4º de ESO")));
    QVERIFY(printed.contains(toQt(texts().trimmed(240))));

    const QString saved = out.filePath(QStringLiteral("resultados.TXT"));
    QString proposed;
    setSaveNameChooser([&](QWidget*, const QString& name) {
        proposed = name;
        return saved;
    });
    QTest::mouseClick(f->grabar, Qt::LeftButton);
    QCOMPARE(proposed, QStringLiteral("Lucía Pérez  -  4º de ESO"));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QByteArray head(
        "Luc\xED"
        "a P\xE9rez  -  4\xBA de ESO\r\n\r\n");
    QVERIFY2(bytes.startsWith(head), bytes.left(60).constData());
    QCOMPARE(bytes.count("\r\n"), static_cast<int>(lines.size()) + 2);
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(bytes.contains(QByteArray("  Y los que m\xE1s te gustan son:\r\n")));
}

void SecondaryFormTest::theFirstBlockAloneThenTheSecondWithItsAnswersKept() {
    openQuestionnaire(&TForm2::BotCuestio3);
    if (QTest::currentTestFailed()) return;
    TForm2* f = form();
    secondary::EsoQuestionnaire& q = f->questionnaire();
    const int n = f->data().statements.count();
    QCOMPARE(f->Gcuestio->rowCount(), secondary::kFirstBlock);
    for (int i = 1; i <= secondary::kFirstBlock; ++i)
        for (int k = clicksToTop(q.statement(i)); k > 0; --k)
            clickGridRow(f->Gcuestio, i - 1);
    const QString firstLabel = cell(f->Gcuestio, 0, 1);
    const int firstAnswer = q.statement(1).answer;
    QVERIFY(!firstLabel.isEmpty());

    QTest::mouseClick(f->BotResCues, Qt::LeftButton);
    QCOMPARE(f->ListResul->count(), 13);
    QCOMPARE(f->ListResul->item(3)->text(), toQt(texts().trimmed(142)));
    QCOMPARE(f->ListResul->item(12)->text(), toQt(texts().trimmed(201)));
    QVERIFY(!f->ImpResul->isVisible() && !f->grabar->isVisible());
    QVERIFY(f->BotContinuar->isVisible());
    QCOMPARE(f->BotContinuar->x(), f->AcabarCues->geometry().right() + 11);
    // The short verdict names no areas to open.
    clickItem(f->ListResul, 16);
    QVERIFY(!f->PanelCar->isVisible());

    QTest::mouseClick(f->BotContinuar, Qt::LeftButton);
    QVERIFY(!f->BotContinuar->isVisible());
    QVERIFY(f->Gcuestio->isVisible());
    QVERIFY(!f->ListResul->isVisible());
    QCOMPARE(f->Gcuestio->rowCount(), n);
    QCOMPARE(cell(f->Gcuestio, 0, 1), firstLabel);
    QCOMPARE(q.statement(1).answer, firstAnswer);
    QCOMPARE(cell(f->Gcuestio, secondary::kFirstBlock, 0),
             toQt(q.statement(secondary::kFirstBlock + 1).text));
    QCOMPARE(cell(f->Gcuestio, secondary::kFirstBlock, 1), QString());
    QCOMPARE(f->Gcuestio->rowAt(1), secondary::kFirstBlock);
    QCOMPARE(f->LabelAyu[0]->text().isEmpty(), true);  // the guide starts the second block
    QTRY_COMPARE_WITH_TIMEOUT(f->LabelAyu[0]->text(), toQt(texts().trimmed(203)), 2000);

    // The full run now scores both blocks.
    QTest::mouseClick(f->BotResCues, Qt::LeftButton);
    QVERIFY(f->ListResul->count() > 30);
    QVERIFY(f->grabar->isVisible());
}

void SecondaryFormTest::aWeakFirstBlockEndsTheQuestionnaire() {
    openQuestionnaire(&TForm2::BotCuestio3);
    if (QTest::currentTestFailed()) return;
    TForm2* f = form();
    QTest::mouseClick(f->BotResCues, Qt::LeftButton);
    QCOMPARE(f->ListResul->item(3)->text(), toQt(texts().trimmed(150)));
    QCOMPARE(f->ListResul->item(4)->text(), toQt(texts().trimmed(151)));
    QCOMPARE(f->ListResul->item(12)->text(), toQt(texts().trimmed(202)));
    QVERIFY(!f->questionnaire().continueAllowed);
    QTest::mouseClick(f->BotContinuar, Qt::LeftButton);
    QVERIFY(f->PanelMenu->isVisible());
    QVERIFY(f->botCuestio->isEnabled());
    QVERIFY(!f->PanelCues->isVisible());
    QVERIFY(!f->ListResul->isVisible());
    QVERIFY(!f->questionnaire().questionnaireMode);
    // Back to the scene.
    QTest::mouseClick(f->BitAcabarLogse, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
}

void SecondaryFormTest::theVocationalEntryHandsOverToTheIntermediateQuestionnaire() {
    QTest::mouseClick(scene()->staticScene()->doorLabel(9), Qt::LeftButton);
    TForm2* f = form();
    QTRY_VERIFY_WITH_TIMEOUT(f->isVisible(), 5000);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(f->botCuestio, &enter);
    QTest::mouseClick(f->BotCuestio2, Qt::LeftButton);
    auto* fp = qobject_cast<TForm3*>(started_->program->form(QStringLiteral("TForm3")));
    QVERIFY(fp);
    QVERIFY(fp->isVisible());
    QVERIFY(fp->formState().questionnaireMode);
    QVERIFY(!f->isVisible());
}

void SecondaryFormTest::everyThemeKeepsTheYearTheChosenRowAndTheHintReadable() {
    for (const char* theme : kThemeLetters) {
        started_.reset();
        folder_->writeProfile("IES", 0, theme, 0);
        started_ = startOn(folder_->path());
        TForm2* f = form();
        QVERIFY(f);
        const QByteArray name(theme);
        const Rgb floor = averageColour(started_->program->pictures().floorTile);
        const Rgb year = toRgb(f->LabelAno->palette().color(QPalette::WindowText));
        QVERIFY2(contrastRatio(year, floor) >= kLargeContrast, name);
        QVERIFY2(contrastOf(f->Gcuestio, QPalette::HighlightedText, QPalette::Highlight) >=
                     kBodyContrast,
                 name);
        QVERIFY2(contrastOf(f->Gcuestio, QPalette::Text, QPalette::Base) >= kBodyContrast, name);
        QVERIFY2(contrastOf(f->LabelAviso, QPalette::WindowText, QPalette::Window) >= kBodyContrast,
                 name);
        QVERIFY2(contrastOf(f->ListResul, QPalette::Text, QPalette::Base) >= kBodyContrast, name);
    }
}

QTEST_MAIN(SecondaryFormTest)
#include "secondary_form_test.moc"
