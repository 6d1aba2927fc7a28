// The initial-programmes form on the bundled data: door 6 with the guide, a group's popup
// (a sub-heading does nothing), a programme's modules, requirements and subjects, its
// centres in a community and their report as a PDF; the search by place; the secondary
// form's "Más información" and the way back to it; the texts in every theme.
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "common/program/contrast.h"
#include "common/program/shared_pictures.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "program_fixture.h"
#include "scene/door_label.h"
#include "scene/scene_form.h"
#include "scene/static_scene.h"
#include "secondary/form/itinerary_face.h"
#include "secondary/form/secondary_form.h"
#include "vocational/initial/form/initial_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

constexpr int kAndalucia = 1, kMadrid = 13;

QPoint rowCentre(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    return list->visualItemRect(list->item(row)).center();
}

void clickRow(QListWidget* list, int row) {
    QVERIFY2(list->isVisible() && list->item(row), qPrintable(list->objectName()));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

void moveOver(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QStringList gridColumn(const QTableWidget* grid, int column) {
    QStringList cells;
    for (int row = 0; row < grid->rowCount(); ++row)
        cells << (grid->item(row, column) ? grid->item(row, column)->text() : QString());
    return cells;
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

class InitialFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorSixToAProgrammeItsPanelsCentresAndPrintedReport();
    void aPlaceListsItsCentresWithTheirProgrammes();
    void moreInformationOpensOverTheSecondaryFormAndGoesBackToIt();
    void everyThemeKeepsTheHeadingsListsAndTitleReadable();

  private:
    TFIniPro* form() const {
        return qobject_cast<TFIniPro*>(started_->program->form(QStringLiteral("TFIniPro")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    QString text(int k) const { return toQt(started_->program->texts().trimmed(k)); }

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
    QTemporaryDir pdfs_;
};

void InitialFormTest::init() {
    qputenv("RUMBELO_PRINT_PDF", pdfs_.path().toLocal8Bit());
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void InitialFormTest::cleanup() {
    started_.reset();
    folder_.reset();
    qunsetenv("RUMBELO_PRINT_PDF");
}

void InitialFormTest::doorSixToAProgrammeItsPanelsCentresAndPrintedReport() {
    TFIniPro* f = form();
    scene()->launch(6);
    QVERIFY(f->isVisible());
    QVERIFY(!scene()->isVisible());
    QCOMPARE(f->ListSelFp->count(), 9);
    QVERIFY(f->BotLug->isVisible() && f->PanelSelTit0->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(f->LabelAyu[0]->text(), text(569), 2000);
    QTRY_COMPARE_WITH_TIMEOUT(f->LabelAyu[5]->text(), text(574), 4000);
    QTRY_VERIFY_WITH_TIMEOUT(f->LabelAyu0->x() <= 80, 12000);

    clickRow(f->ListSelFp, 0);
    QVERIFY(f->ListTitFP->isVisible());
    QVERIFY(f->ListFPExpli->isVisible());
    QCOMPARE(f->ListFPExpli->count(), 0);
    QCOMPARE(f->ListFPExpli->y(), f->ListTitFP->geometry().bottom() + 2);
    QVERIFY(f->ListFPExpli->geometry().bottom() < f->BotRetrocederFP->y());
    // The first row is the group's first sub-heading, the second a programme.
    const QString heading = f->ListTitFP->item(0)->text();
    QVERIFY2(!heading.startsWith(QStringLiteral("• ")), qPrintable(heading));
    QVERIFY(f->ListTitFP->item(1)->text().startsWith(QStringLiteral("• ")));
    moveOver(f->ListTitFP->viewport(), rowCentre(f->ListTitFP, 1));
    QCOMPARE(f->ListFPExpli->count(), 6);
    QCOMPARE(f->ListFPExpli->item(0)->text(), QStringLiteral("    ") + text(501));
    moveOver(f->ListTitFP->viewport(), rowCentre(f->ListTitFP, 0));
    QCOMPARE(f->ListFPExpli->count(), 0);
    clickRow(f->ListTitFP, 0);
    QVERIFY(f->ListTitFP->isVisible());  // a sub-heading opens nothing
    QVERIFY(!f->regionMap().mapa->isVisible());

    const QString name = f->ListTitFP->item(1)->text().mid(2);
    clickRow(f->ListTitFP, 1);
    QVERIFY(f->regionMap().mapa->isVisible());
    QVERIFY(!f->ListSelFp->isVisible() && !f->PanelAyuda->isVisible() && !f->BotLug->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(f->PanelCarSel->text(), name, 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!f->TimerParpadeo.isActive(), 3000);
    QCOMPARE(f->PanelCarSel->text(), name);

    // Nothing to print before a community is chosen: the pupil is told so.
    QTest::mouseClick(f->BotImprimir, Qt::LeftButton);
    QCOMPARE(started_->sink.messages.size(), 1u);
    QCOMPARE(toQt(started_->sink.messages[0]), text(585));
    QVERIFY(pdfText(pdfs_.path()).isEmpty());

    QTest::mouseClick(f->BotRequisitos, Qt::LeftButton);
    QCOMPARE(f->PanelSelTit->text(), text(29));
    QVERIFY(f->Listsel->count() >= 2);
    QVERIFY(f->Listsel->item(0)->text().contains(QStringLiteral("16")));
    QTest::mouseClick(f->BotAsig, Qt::LeftButton);
    QCOMPARE(f->PanelSelTit->text(), text(312));
    QCOMPARE(f->Listsel->item(0)->text(), text(67));
    QVERIFY(f->Listsel->count() > 7);

    emit f->regionMap().communityClicked(kAndalucia);
    QVERIFY(f->reja->isVisible() && !f->Listsel->isVisible());
    QCOMPARE(f->PanelSelTit->text(), text(323));
    const QStringList rows = gridColumn(f->reja, 0);
    QVERIFY2(rows.size() > 3 && rows[0].startsWith(QStringLiteral("- ")),
             qPrintable(rows.join('|')));
    QVERIFY(!gridColumn(f->reja, 1)[1].isEmpty());
    QCOMPARE(started_->sink.beeps, 0);

    QTest::mouseClick(f->BotImprimir, Qt::LeftButton);
    const QString report = pdfText(pdfs_.path());
    QVERIFY2(report.contains(name), qPrintable(report));
    QVERIFY(report.contains(QStringLiteral("ANDALUC\u00cdA")));
    // (The locality and the name stand in two columns of the page.)
    QVERIFY2(report.contains(rows[1].mid(17).trimmed()), qPrintable(rows[1]));
    QVERIFY(f->Listsel->isVisible());  // the report is shown too

    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(f->ListSelFp->isVisible() && f->BotLug->isVisible());
    QVERIFY(!f->regionMap().mapa->isVisible() && !f->reja->isVisible());

    // A rare programme (pottery, of the crafts group): a community without a centre for it
    // beeps and says so in the grid.
    clickRow(f->ListSelFp, 3);
    const auto pottery =
        f->ListTitFP->findItems(QStringLiteral("alfarer\u00eda"), Qt::MatchContains);
    QVERIFY(!pottery.isEmpty());
    clickRow(f->ListTitFP, f->ListTitFP->row(pottery.front()));
    QVERIFY(f->regionMap().mapa->isVisible());
    int empty = 0;
    for (int c = 1; c <= 19; ++c) {
        emit f->regionMap().communityClicked(c);
        if (f->reja->rowCount() == 1 && f->reja->item(0, 0)->text() == text(292)) ++empty;
    }
    QVERIFY(empty > 0 && empty < 19);
    QCOMPARE(started_->sink.beeps, empty);
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
}

void InitialFormTest::aPlaceListsItsCentresWithTheirProgrammes() {
    TFIniPro* f = form();
    scene()->launch(6);
    QTest::mouseClick(f->BotLug, Qt::LeftButton);
    QCOMPARE(f->mode(), TFIniPro::Mode::Place);
    QLabel* mapa = f->regionMap().mapa;
    QVERIFY(mapa->isVisible() && !f->ListSelFp->isVisible());
    QCOMPARE(f->PanelSelTit->text(), text(294));
    // The map names the community under the pointer from its rectangles.
    moveOver(mapa, QPoint(110, 80));
    QVERIFY(f->regionMap().PanelMapa->isVisible());
    QCOMPARE(f->regionMap().PanelMapa->text(), QStringLiteral("Comunidad de Madrid"));

    // Two provinces (Madrid and its city): the province list, then a province's localities.
    emit f->regionMap().communityClicked(kMadrid);
    QVERIFY(!mapa->isVisible());
    QVERIFY(f->ListSelLugFP->isVisible());
    QCOMPARE(f->ListSelLugFP->count(), 2);
    QCOMPARE(f->ListSelLugFP->item(0)->text(), QStringLiteral("Madrid"));
    clickRow(f->ListSelLugFP, 0);
    QVERIFY(f->ListSelLugFP->count() > 1);
    QCOMPARE(f->PanelCarSel->text(), QStringLiteral("Madrid"));
    clickRow(f->ListSelLugFP, 0);
    const QStringList rows = gridColumn(f->reja, 0);
    QVERIFY2(rows.size() > 2 && rows[0].startsWith(QLatin1Char('-')), qPrintable(rows.join('|')));
    QVERIFY(!rows[1].startsWith(QLatin1Char('-')) && !rows[1].isEmpty());
    QVERIFY(!gridColumn(f->reja, 1)[0].isEmpty());  // the telephone is always there

    QTest::mouseClick(f->BotImprimir, Qt::LeftButton);
    const QString report = pdfText(pdfs_.path());
    QVERIFY2(report.contains(text(289) + QStringLiteral(": Madrid - ") + text(229)),
             qPrintable(report));
    QVERIFY(report.contains(rows[1].trimmed().left(20)));

    // Back: the province list, the map again, then out of the section.
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QCOMPARE(f->ListSelLugFP->count(), 2);
    QVERIFY(!f->BotImprimir->isVisible());
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(mapa->isVisible() && !f->ListSelLugFP->isVisible());
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
}

void InitialFormTest::moreInformationOpensOverTheSecondaryFormAndGoesBackToIt() {
    auto* secondary = qobject_cast<TForm2*>(started_->program->form(QStringLiteral("TForm2")));
    QVERIFY(secondary);
    QTest::mouseClick(scene()->staticScene()->LabelIti, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return secondary->isVisible(); }, 5000));
    ItineraryFace* face = secondary->itineraries();
    QVERIFY(face);
    for (int k = 1; k <= 8; ++k)
        QTest::mouseClick(face->canvas, Qt::LeftButton);
    // Button 45 (its type is 46) informs about the initial programmes.
    QTest::mouseClick(face->button(45), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(face->botContextual->isVisible(), 3000);
    face->botContextualClick();
    TFIniPro* f = form();
    QVERIFY(f->isVisible());
    QVERIFY(f->ListSelFp->isVisible());
    clickRow(f->ListSelFp, 1);
    clickRow(f->ListTitFP, 1);
    QVERIFY(f->regionMap().mapa->isVisible());
    // Closing the window steps back once, then leaves to the secondary form, not the scene.
    f->close();
    QVERIFY(!f->isVisible());
    QVERIFY(secondary->isVisible());
    QVERIFY(!scene()->isVisible());
    // Entering again starts from the group list; its back button leaves the same way.
    face->botContextualClick();
    QVERIFY(f->isVisible() && f->ListSelFp->isVisible() && !f->regionMap().mapa->isVisible());
    QTest::mouseClick(f->BotRetrocederFP, Qt::LeftButton);
    QVERIFY(!f->isVisible());
    QVERIFY(secondary->isVisible());
    QVERIFY(!scene()->isVisible());
}

void InitialFormTest::everyThemeKeepsTheHeadingsListsAndTitleReadable() {
    for (const char* theme : kThemeLetters) {
        started_.reset();
        folder_->writeProfile("IES", 0, theme, 0);
        started_ = startOn(folder_->path());
        TFIniPro* f = form();
        QVERIFY(f);
        const QByteArray name(theme);
        for (QWidget* heading : std::initializer_list<QWidget*>{f->PanelSelTit0, f->PanelSelTit,
                                                                f->PanelCarSel, f->LabelAyu0})
            QVERIFY2(contrastOf(heading, QPalette::WindowText, QPalette::Window) >= kBodyContrast,
                     name + heading->objectName().toLatin1());
        for (QListWidget* list : {f->ListSelFp, f->ListTitFP, f->ListFPExpli, f->Listsel})
            QVERIFY2(contrastOf(list, QPalette::Text, QPalette::Base) >= kBodyContrast, name);
        QVERIFY2(contrastOf(f->ListTitFP, QPalette::HighlightedText, QPalette::Highlight) >=
                     kBodyContrast,
                 name);
        QVERIFY2(contrastOf(f->reja, QPalette::Text, QPalette::Base) >= kBodyContrast, name);
        const Rgb floor = averageColour(started_->program->pictures().floorTile);
        QVERIFY2(contrastRatio(toRgb(f->LabelFPIp1->palette().color(QPalette::WindowText)),
                               floor) >= kLargeContrast,
                 name);
        QVERIFY2(contrastRatio(toRgb(f->LabelAno->palette().color(QPalette::WindowText)), floor) >=
                     kBodyContrast,
                 name);
    }
}

QTEST_MAIN(InitialFormTest)
#include "initial_form_test.moc"
