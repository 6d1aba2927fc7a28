// The intermediate-FP form on the bundled catalogue: door 5 with the flown-in menu, the
// families, a title's panels and centres, the place mode (a province with localities,
// Cataluña's comarcas, Madrid's areas), the questionnaire from the secondary form's
// hand-over and from the help button, and the reports as PDF.
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "common/dialog/aviso.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "program_fixture.h"
#include "scene/scene_form.h"
#include "vocational/intermediate/form/intermediate_form.h"
#include "vocational/intermediate/form/intermediate_state.h"
#include "vocational/intermediate/questionnaire/medium_flow.h"
#include "vocational/intermediate/questionnaire/medium_report.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

constexpr int kAndalucia = 1, kCataluna = 9, kMadrid = 13;

void pressRow(QListWidget* list, int row) {
    QVERIFY2(list->isVisible() && list->item(row), qPrintable(list->objectName()));
    list->scrollToItem(list->item(row));
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

QStringList gridColumn(const QTableWidget* grid, int column) {
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return cells;
}

int firstTitleRow(const intermediate::FormState& state) {
    for (std::size_t i = 0; i < state.rowTitles.size(); ++i)
        if (state.rowTitles[i] != 0) return static_cast<int>(i);
    return -1;
}

QString pdfText(const QString& folder) {
    const QStringList files =
        QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    if (files.isEmpty()) return {};
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QDir(folder).filePath(files.front()), "-"});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class IntermediateFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorFiveFliesTheMenuInThenATitleItsPanelsCentresAndReport();
    void placeModeListsProvincesLocalitiesComarcasAndAreas();
    void questionnaireFromTheHandOverWalksThreeStepsAndBack();
    void theHelpButtonOpensTheQuestionnaireAndRowElevenLeadsToPlaces();

  private:
    TForm3* form() const {
        return qobject_cast<TForm3*>(started_->program->form(QStringLiteral("TForm3")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    const InterfaceTexts& texts() const { return started_->program->texts(); }
    QString text(int k) const { return toQt(texts().trimmed(k)); }

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
    QTemporaryDir pdfs_;
};

void IntermediateFormTest::init() {
    qputenv("RUMBELO_PRINT_PDF", pdfs_.path().toLocal8Bit());
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void IntermediateFormTest::cleanup() {
    started_.reset();
    folder_.reset();
    qunsetenv("RUMBELO_PRINT_PDF");
}

void IntermediateFormTest::doorFiveFliesTheMenuInThenATitleItsPanelsCentresAndReport() {
    TForm3* f = form();
    scene()->launch(5);
    QVERIFY(f->isVisible());
    QVERIFY(!scene()->isVisible());
    // The first entry flies the buttons in one by one; the pilot then talks.
    QVERIFY(f->heli.isActive());
    QVERIFY(!f->botLug2->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(f->bocadillo->isVisible(), 5000);
    QVERIFY(f->bocadillo->text().startsWith(text(154)));
    QTRY_VERIFY_WITH_TIMEOUT(f->botSalir->isVisible() && !f->formState().heliRunning, 8000);
    QVERIFY(f->bocadillo->text().startsWith(text(157)));
    QVERIFY(f->piloto->isVisible() && !f->he->isVisible());
    QVERIFY(f->botTit2->isVisible() && f->botLug2->isVisible());
    QCOMPARE(f->botTit2->size(), QSize(223, 61));  // the design size at the last tick

    QTest::mouseClick(f->botTit2, Qt::LeftButton);
    QVERIFY(!f->bocadillo->isVisible());
    QVERIFY(!f->botTit2->isVisible());
    QCOMPARE(f->listSelFP->count(), f->formState().familyOrder.size());
    QVERIFY(f->listSelFP->count() > 20);
    QVERIFY(f->listSelFP->item(0)->text().startsWith(QStringLiteral("< ")));
    // The marked families come last, without their "|".
    QVERIFY(!f->listSelFP->item(f->listSelFP->count() - 1)->text().contains(QLatin1Char('|')));
    QVERIFY(f->TimerSocorro.isActive());  // the pending help line started it
    QVERIFY(f->LabAyuGM->text().startsWith(text(440)));

    pressRow(f->listSelFP, f->listSelFP->count() - 4);
    QVERIFY(f->ListTitFP->isVisible());
    QVERIFY(f->ListFPExpli->isVisible());
    QCOMPARE(f->ListFPExpli->item(0)->text(), QStringLiteral("    ") + text(271));
    // Opened low in the list, the popup ends at the clicked row.
    QVERIFY(f->ListTitFP->geometry().bottom() <= f->listSelFP->geometry().bottom());
    QVERIFY(f->ListFPExpli->geometry().bottom() < f->BotRetrocederFP->y());
    const QString titleName = f->ListTitFP->item(0)->text();
    f->ListTitFPClick(0);
    QVERIFY(!f->TimerSocorro.isActive());
    QVERIFY(f->regionMap().mapa->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(f->PanelCarSel->text(), titleName, 3000);

    QTest::mouseClick(f->BotRequisitos, Qt::LeftButton);
    QCOMPARE(f->listSelFP->count(), 6);
    QCOMPARE(f->listSelFP->item(0)->text(), text(341));
    QTest::mouseClick(f->BotPuesto, Qt::LeftButton);
    QCOMPARE(f->PanelSelTit->text(), text(199));
    QCOMPARE(f->listSelFP->count(), 5);
    QTest::mouseClick(f->botAsig, Qt::LeftButton);
    QCOMPARE(f->PanelSelTit->text(), text(312));
    QCOMPARE(f->listSelFP->count(), 20);

    emit f->regionMap().communityClicked(kAndalucia);
    QVERIFY(f->reja->isVisible());
    QCOMPARE(f->PanelSelTit->text(), text(323));
    const QStringList rows = gridColumn(f->reja, 0);
    QVERIFY2(rows.size() > 3 && rows[0].startsWith(QStringLiteral("- ")),
             qPrintable(rows.join('|')));
    QVERIFY(!gridColumn(f->reja, 1)[1].isEmpty());  // telephones always shown here
    // A title too long for its row ends in sight, not under the scroll bar.
    QVERIFY(f->reja->verticalScrollBar()->isVisible());
    QVERIFY(f->reja->columnWidth(0) + f->reja->columnWidth(1) <= f->reja->viewport()->width());

    QTest::mouseClick(f->BotImprimir, Qt::LeftButton);
    if (f->PanelImp->isVisible()) {  // over 150 lines: choose the communities
        emit f->regionMap().communityClicked(kAndalucia);
        emit f->regionMap().communityClicked(kAndalucia);
        QCOMPARE(f->ListImp->count(), 1);
        QTest::mouseClick(f->BotAceptar, Qt::LeftButton);
    }
    const QString report = pdfText(pdfs_.path());
    QVERIFY2(report.contains(titleName), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("ANDALUC")));

    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(f->listSelFP->isVisible());
    QVERIFY(!f->regionMap().mapa->isVisible());
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(f->botTit2->isVisible());
    QTest::mouseClick(f->botSalir, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
    // A second visit shows the menu at once.
    scene()->launch(5);
    QVERIFY(!f->heli.isActive());
    QVERIFY(f->botLug2->isVisible());
}

void IntermediateFormTest::placeModeListsProvincesLocalitiesComarcasAndAreas() {
    TForm3* f = form();
    scene()->launch(5);
    f->botLug2Click();
    QVERIFY(!f->heli.isActive());
    QVERIFY(f->regionMap().mapa->isVisible());
    emit f->regionMap().communityClicked(kAndalucia);
    QVERIFY(!f->regionMap().mapa->isVisible());
    QCOMPARE(f->ListSelLugFP->count(), 8);
    f->ListSelLugFPClick(0);
    QVERIFY(f->formState().localityStage);
    const int localities = f->ListSelLugFP->count();
    QVERIFY(localities > 1);
    f->ListSelLugFPClick(1);
    QVERIFY(f->reja->rowCount() > 2);
    // The whole province, scrolled to the chosen locality's first centre.
    const int top = f->reja->rowAt(1);
    QVERIFY(top > 0);
    QCOMPARE(f->reja->item(top, 0)->text().mid(1, 17).trimmed(), f->ListSelLugFP->item(1)->text());
    QVERIFY(gridColumn(f->reja, 0)[0].startsWith(QLatin1Char('-')));
    QVERIFY(gridColumn(f->reja, 1)[0].isEmpty());  // telephones start hidden
    QTest::mouseClick(f->BotTelefono, Qt::LeftButton);
    QVERIFY(!gridColumn(f->reja, 1)[0].isEmpty());
    QTest::mouseClick(f->BotImprimir, Qt::LeftButton);
    QVERIFY(pdfText(pdfs_.path()).contains(text(289)));
    // A centre row opens nothing; a title row opens that title.
    f->rejaDblClick(0);
    QVERIFY(f->reja->isVisible());
    const int titleRow = firstTitleRow(f->formState());
    QVERIFY(titleRow > 0);
    const int title = f->formState().rowTitles[static_cast<std::size_t>(titleRow)];
    f->rejaDblClick(titleRow);
    QCOMPARE(f->formState().currentTitle, title);
    QVERIFY(f->regionMap().mapa->isVisible());
    QVERIFY(f->BotPuesto->isVisible());

    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);  // to the families
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);  // to the menu
    f->botLug2Click();
    emit f->regionMap().communityClicked(kCataluna);
    QVERIFY(f->regionMap().mapac->isVisible());
    QVERIFY(!f->ListSelLugFP->isVisible());
    emit f->regionMap().comarcaChosen(13);
    QVERIFY2(f->reja->rowCount() > 2, qPrintable(f->PanelCarSel->text()));
    QVERIFY(!f->PanelCarSel->text().isEmpty());
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(f->regionMap().mapa->isVisible());
    emit f->regionMap().communityClicked(kMadrid);
    QVERIFY(f->regionMap().mapam->isVisible());
    emit f->regionMap().areaChosen(1);
    QVERIFY(f->reja->rowCount() > 2);
    QVERIFY(f->PanelCarSel->text().contains(QStringLiteral(" - ")));
}

void IntermediateFormTest::questionnaireFromTheHandOverWalksThreeStepsAndBack() {
    TForm3* f = form();
    f->enterQuestionnaireFromSection();
    QVERIFY(f->isVisible());
    QVERIFY(f->ListGM->isVisible());
    QCOMPARE(f->ListGM->count(), 11);
    QVERIFY(f->BitFleGMde->isVisible() && !f->BitFleGMiz->isVisible());
    // Nothing marked: the helicopter comes along the bottom with bubble row 3.
    QTest::mouseClick(f->BitFleGMde, Qt::LeftButton);
    QCOMPARE(f->flow().step(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(f->bocadillo->isVisible(), 5000);
    QVERIFY(f->bocadillo->text().startsWith(text(160)));

    f->ListGM->item(0)->setSelected(true);
    f->ListGM->item(9)->setSelected(true);
    QTest::mouseClick(f->BitFleGMde, Qt::LeftButton);
    QVERIFY(!f->bocadillo->isVisible());
    QCOMPARE(f->flow().step(), 2);
    QVERIFY(f->ListGM2->isVisible() && f->BitFleGMiz->isVisible());
    QCOMPARE(f->ListGM2->count(), static_cast<int>(f->flow().statements().size()));
    QVERIFY(f->ListGM2->count() > 2);
    f->ListGM2->item(0)->setSelected(true);
    QTest::mouseClick(f->BitFleGMde, Qt::LeftButton);
    QCOMPARE(f->flow().step(), 3);
    QVERIFY(f->ListGM->isVisible() && !f->BitFleGMde->isVisible());
    QCOMPARE(f->ListGM->count(), static_cast<int>(f->flow().suggestions().size()));
    QVERIFY(f->ListGM->item(0)->text().startsWith(QStringLiteral(" - ") + text(583)));

    f->ListGMClick(1);
    QTRY_VERIFY_WITH_TIMEOUT(f->ListPeque->isVisible(), 4000);
    QVERIFY(!f->ListGM->isVisible());
    QVERIFY(f->regionMap().mapa->isVisible());
    emit f->regionMap().communityClicked(kAndalucia);
    QVERIFY(f->BotImprimirCuesGM->isVisible());
    const auto& report = f->questionnaireReport();
    QCOMPARE(toQt(report.table()[1]), text(594));
    QVERIFY(toQt(report.table()[report.bold().slot(3)]).startsWith(text(592) + ": "));
    started_->program->state().studentName.clear();
    whenDialogOpens([](TForm4* d) {
        QTest::keyClicks(d->EditNombre, QStringLiteral("Nerea"));
        QTest::mouseClick(d->findChild<QPushButton*>(QStringLiteral("ShadowSi")), Qt::LeftButton);
    });
    QTest::mouseClick(f->BotImprimirCuesGM, Qt::LeftButton);
    const QString printed = pdfText(pdfs_.path());
    QVERIFY2(printed.contains(QStringLiteral("Nerea")), qPrintable(printed));
    QVERIFY(printed.contains(text(595)));

    // Back: the suggestions, the statements, the areas with their marks.
    QTest::mouseClick(f->BitFleGMiz, Qt::LeftButton);
    QVERIFY(f->ListGM->isVisible() && !f->ListPeque->isVisible() && !f->reja->isVisible());
    QTest::mouseClick(f->BitFleGMiz, Qt::LeftButton);
    QVERIFY(f->ListGM2->isVisible());
    QTest::mouseClick(f->BitFleGMiz, Qt::LeftButton);
    QVERIFY(f->ListGM->isVisible() && !f->BitFleGMiz->isVisible());
    QVERIFY(f->ListGM->item(0)->isSelected() && f->ListGM->item(9)->isSelected());
    QTest::mouseClick(f->BotSalirCues, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(started_->program->state().studentName.empty());
}

void IntermediateFormTest::theHelpButtonOpensTheQuestionnaireAndRowElevenLeadsToPlaces() {
    TForm3* f = form();
    scene()->launch(5);
    f->botTit2Click();
    // Twenty seconds without a choice: the help flight lands the help button.
    f->TimerSocorro.setInterval(10);
    f->TimerSocorro.start();
    QTRY_VERIFY_WITH_TIMEOUT(f->botSocorro->isVisible(), 5000);
    QCOMPARE(f->botSocorro->text(), text(225));
    QTest::mouseClick(f->botSocorro, Qt::LeftButton);
    QVERIFY(f->ListGM->isVisible());
    QVERIFY(!f->listSelFP->isVisible());
    QVERIFY(!f->botSocorro->isVisible());
    f->ListGM->item(2)->setSelected(true);
    f->ListGM->item(10)->setSelected(true);
    QTest::mouseClick(f->BitFleGMde, Qt::LeftButton);
    QVERIFY(!f->ListGM->isVisible());
    QVERIFY(f->regionMap().mapa->isVisible());
    QCOMPARE(f->formState().mode, intermediate::Mode::Place);
}

QTEST_MAIN(IntermediateFormTest)
#include "intermediate_form_test.moc"
