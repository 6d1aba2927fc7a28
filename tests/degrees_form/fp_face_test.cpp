// The higher-FP face clicked through on the bundled catalogue: door 3, the families and a
// title's menu, where a title is taught, place mode by comarca, area, province and
// locality with the route and the telephones, the way back to a title, and the reports.
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "common/fp_listing/family_list.h"
#include "common/fp_listing/listing_by_title.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "degrees/browser/fp_views.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/fp_face.h"
#include "degrees/form/widget_look.h"
#include "program_fixture.h"
#include "scene/scene_form.h"
#include "support/temp_folder.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using namespace rumbelo::testing;

namespace {

void click(QPushButton* button) {
    QVERIFY2(button->isVisible(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void movePointer(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

int pdfCount(const QString& folder) {
    return static_cast<int>(QDir(folder).entryList({QStringLiteral("*.pdf")}).size());
}

}  // namespace

class FpFaceTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorThreeFamiliesTitleAndItsMenu();
    void titleListedInACommunityOfSeveralProvinces();
    void placeModeComarcaAreaProvinceLocality();
    void routeTelephonesAndDoubleClickBackToTheTitle();
    void titleAndPlaceReportsAndThePrintSelection();

  private:
    TForm1* form() const {
        return qobject_cast<TForm1*>(started_->program->form(QStringLiteral("TForm1")));
    }
    FpFace& face() const { return form()->fpFace(); }
    const FpCatalog& fp() const { return form()->data().fp; }
    const InterfaceTexts& texts() const { return started_->program->texts(); }
    void enterDoorThree();
    void openFirstTitleOfRow(int row);
    void clickMap(QLabel* map, const std::function<int(int, int)>& region, int wanted);
    int titleWithMostCentres() const;

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void FpFaceTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY(!started_->program->aborted());
    QVERIFY(form());
}

void FpFaceTest::cleanup() {
    started_.reset();
    folder_.reset();
}

void FpFaceTest::enterDoorThree() {
    auto* scene = qobject_cast<Tform0*>(started_->program->scene());
    QVERIFY(form()->opensDoor(3));
    scene->launch(3);
    QVERIFY(form()->isVisible());
    QVERIFY(form()->PanelFP->isVisible());
    QVERIFY(!form()->degreeFace().PanelMenu->isVisible());
}

void FpFaceTest::openFirstTitleOfRow(int row) {
    click(form()->MenuFP1);
    QListWidget* families = face().listSelFP;
    QVERIFY(families->isVisible());
    clickRow(families, row);
    QVERIFY(face().ListTitFP->isVisible());
    clickRow(face().ListTitFP, 0);
    QVERIFY(face().PanelFpTit->isVisible());
}

void FpFaceTest::clickMap(QLabel* map, const std::function<int(int, int)>& region, int wanted) {
    QVERIFY2(map->isVisible(), qPrintable(map->objectName()));
    for (int x = 1; x <= RegionGrids::kColumns; ++x)
        for (int y = 1; y <= RegionGrids::kDistrictRows; ++y)
            if (region(x, y) == wanted) {
                movePointer(map, {x, y});
                QTest::mouseClick(map, Qt::LeftButton, {}, {x, y});
                return;
            }
    QFAIL("region not on the map");
}

int FpFaceTest::titleWithMostCentres() const {
    int best = 0;
    std::size_t most = 0;
    for (int t = 1; t <= fp().titleCount(); ++t) {
        std::size_t n = 0;
        for (int z = 1; z <= 4; ++z)
            n += fp().centres(t, z).size();
        if (n > most) most = n, best = t;
    }
    return best;
}

void FpFaceTest::doorThreeFamiliesTitleAndItsMenu() {
    enterDoorThree();
    click(form()->MenuFP1);
    const auto families = fp_listing::buildFamilyList(fp().families, fp().markedFamilies);
    QListWidget* list = face().listSelFP;
    QCOMPARE(list->count(), static_cast<int>(families.rows.size()));
    QCOMPARE(list->item(0)->text(), toQt(TrimRight(families.rows[0])));
    QCOMPARE(form()->PanelSelTit->text(), toQt(texts().trimmed(294)));
    QVERIFY(face().RetroFP->isVisible());

    // A family low in the list: its popup ends at the clicked row, its first title's
    // preview under it.
    const int row = list->count() - 3;
    clickRow(list, row);
    const int f = families.order[static_cast<std::size_t>(row)];
    const auto titles = fp().familyTitles(f);
    QCOMPARE(face().ListTitFP->count(), static_cast<int>(titles.size()));
    const QRect clicked = list->visualItemRect(list->item(row))
                              .translated(list->viewport()->mapTo(form(), QPoint(0, 0)));
    const QRect popup = face().ListTitFP->geometry();
    QVERIFY2(popup.bottom() >= clicked.top() && popup.bottom() <= clicked.bottom() + 4,
             qPrintable(QStringLiteral("%1 vs %2").arg(popup.bottom()).arg(clicked.bottom())));
    QCOMPARE(face().ListFPExpli->item(0)->text(), toQt(TrimRight(spaces(6) + texts()[271])));
    QCOMPARE(face().ListFPExpli->item(1)->text(), toQt(TrimRight(fp().blockLine(titles[0], 1))));
    QVERIFY(list->item(row)->isSelected());

    // Opening the second title: its name, its menu, each list.
    clickRow(face().ListTitFP, 1);
    QCOMPARE(face().currentTitle(), titles[1]);
    QVERIFY(face().PanelFpTit->isVisible());
    QVERIFY(!face().ListTitFP->isVisible());
    QTRY_COMPARE(form()->PanelCarSel->text(), toQt(TrimRight(fp().titleName(titles[1]))));
    QCOMPARE(face().MenuFpTit4->text(), toQt(texts().trimmed(298) + "\n" + texts().trimmed(46)));
    // The bridges to every degree are a different button from this title's degrees.
    QCOMPARE(face().MenuFpTit42->text(), toQt(texts().trimmed(297) + "\n" + texts().trimmed(46)));
    QVERIFY(face().MenuFpTit42->text() != face().MenuFpTit4->text());
    const auto shows = [&](QPushButton* button, int heading, const std::vector<std::string>& rows) {
        click(button);
        QVERIFY(isMarkedUsed(button));
        QCOMPARE(form()->PanelSelTit->text(), toQt(texts().trimmed(heading)));
        QCOMPARE(face().listSelFP->count(), static_cast<int>(rows.size()));
        for (int i = 0; i < face().listSelFP->count(); ++i)
            QCOMPARE(face().listSelFP->item(i)->text(),
                     toQt(TrimRight(rows[static_cast<std::size_t>(i)])));
    };
    shows(face().MenuFpTit2, 277, fpRequirementRows(fp(), titles[1]));
    shows(face().MenuFpTit3, 312, fpContentsRows(fp(), titles[1], texts()));
    QCOMPARE(face().listSelFP->font().family(), kCourier);
    shows(face().MenuFpTit4, 324, fpDegreeRows(fp(), titles[1]));
    // The bridges dialog opens modally; close it once it is up.
    bool bridgesShown = false;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            bridgesShown = dialog->objectName() == QStringLiteral("TForm6");
            dialog->reject();
        }
    });
    click(face().MenuFpTit42);
    QVERIFY(bridgesShown);
    // Another title: the families again, the last popup beside them.
    click(face().MenuFpTit6);
    QVERIFY(face().listSelFP->isVisible());
    QVERIFY(face().ListTitFP->isVisible());
    QVERIFY(!face().PanelFpTit->isVisible());
    clickRow(face().ListTitFP, 0);
    click(face().MenuFpTit7);
    QVERIFY(form()->PanelFP->isVisible());
    QVERIFY(!form()->PanelSel->isVisible());
    QVERIFY(!face().ListTitFP->isVisible());
    // Esc in the families list goes back to the menu too.
    click(form()->MenuFP1);
    QTest::keyClick(face().listSelFP, Qt::Key_Escape);
    QVERIFY(form()->PanelFP->isVisible());
    QVERIFY(!face().listSelFP->isVisible());
}

void FpFaceTest::titleListedInACommunityOfSeveralProvinces() {
    enterDoorThree();
    openFirstTitleOfRow(0);
    const int t = titleWithMostCentres();
    face().openTitle(t);
    click(face().MenuFpTit1);
    RegionMap& map = form()->regionMap();
    const RegionGrids& grids = *started_->program->state().regions;
    clickMap(
        map.mapa, [&](int x, int y) { return grids.communityAt(x, y); }, 1);
    const auto listing =
        fp_listing::listByTitle(higherFpFiles(fp()), form()->data().geography, 1, t);
    QVERIFY(listing && !listing->rows.empty());
    QTableWidget* reja = face().reja;
    QVERIFY(reja->isVisible());
    QCOMPARE(form()->PanelSelTit->text(), toQt(texts().trimmed(323)));
    QCOMPARE(reja->rowCount(), listing->size());
    QVERIFY(reja->item(0, 0)->text().startsWith(QStringLiteral("- ")));  // a province heading
    QCOMPARE(reja->item(1, 1)->text(), toQt(TrimRight(listing->rows[1].phone)));
    QVERIFY(!reja->item(1, 1)->text().isEmpty());
    // Back: the title's menu again.
    click(face().BotRetrocederFP);
    QVERIFY(!reja->isVisible());
    QVERIFY(face().PanelFpTit->isVisible());
    QVERIFY(!map.mapa->isVisible());
}

void FpFaceTest::placeModeComarcaAreaProvinceLocality() {
    enterDoorThree();
    click(form()->MenuFP2);
    QVERIFY(face().placeMode());
    RegionMap& map = form()->regionMap();
    const RegionGrids& grids = *started_->program->state().regions;
    const auto community = [&](int x, int y) { return grids.communityAt(x, y); };
    // Cataluña: the comarca map, no province list; a comarca lists its centres.
    clickMap(map.mapa, community, 9);
    QVERIFY(map.mapac->isVisible());
    QVERIFY(!face().ListSelLugFP->isVisible());
    QVERIFY(face().ComBachi->isVisible());
    QCOMPARE(face().ComBachi->count(), 5);
    QCOMPARE(face().ComBachi->itemText(0), toQt(TrimRight(colsFrom(fp().requirements[12], 4))));
    int comarca = 0;
    for (int x = 1; x <= RegionGrids::kColumns && !comarca; ++x)
        for (int y = 1; y <= RegionGrids::kDistrictRows && !comarca; ++y) {
            const int c = grids.comarcaAt(x, y);
            if (c != 0 && c != kComarcaWithList &&
                !centresOfComarca(form()->data().geography, c).empty())
                comarca = c;
        }
    clickMap(
        map.mapac, [&](int x, int y) { return grids.comarcaAt(x, y); }, comarca);
    QVERIFY(face().reja->isVisible());
    QVERIFY(form()->PanelSelTit->text().startsWith(
        toQt(TrimRight(comarcaName(form()->data().geography, comarca)))));
    QVERIFY(face().grid().titles.size() > 4);
    // Back to the community map, then Madrid: the area map.
    click(face().BotRetrocederFP);
    QVERIFY(map.mapa->isVisible());
    QVERIFY(!map.mapac->isVisible());
    clickMap(map.mapa, community, 13);
    QVERIFY(map.mapam->isVisible());
    clickMap(
        map.mapam, [&](int x, int y) { return grids.areaAt(x, y); }, 1);
    QVERIFY(face().grid().text.size() > 4);
    QCOMPARE(face().grid().text[0], TrimRight(fp().requirements[1]));
    click(face().BotRetrocederFP);
    // Andalucía: its provinces, then a province's localities, then one locality.
    clickMap(map.mapa, community, 1);
    QListWidget* places = face().ListSelLugFP;
    QVERIFY(places->isVisible());
    const auto provinces = provincesOf(form()->data().geography, 1);
    QCOMPARE(places->count(), static_cast<int>(provinces.size()));
    clickRow(places, 0);
    QVERIFY(face().localityStage());
    QVERIFY(places->count() > 1);
    for (int i = 1; i < places->count(); ++i)  // consecutive names are merged
        QVERIFY(places->item(i)->text() != places->item(i - 1)->text());
    clickRow(places, 1);
    const auto& grid = face().grid();
    QVERIFY(grid.topRow > 4);
    QVERIFY(QString::fromStdString(grid.text[static_cast<std::size_t>(grid.topRow)])
                .startsWith(QLatin1Char('-')));
    QVERIFY(toQt(grid.text[static_cast<std::size_t>(grid.topRow)])
                .mid(1)
                .startsWith(places->item(1)->text()));
    // Back: the provinces again, then the map, then the FP menu.
    click(face().BotRetrocederFP);
    QVERIFY(!face().localityStage());
    QCOMPARE(places->count(), static_cast<int>(provinces.size()));
    click(face().BotRetrocederFP);
    QVERIFY(map.mapa->isVisible());
    click(face().BotRetrocederFP);
    QVERIFY(form()->PanelFP->isVisible());
    QVERIFY(!face().placeMode());
}

void FpFaceTest::routeTelephonesAndDoubleClickBackToTheTitle() {
    enterDoorThree();
    click(form()->MenuFP2);
    RegionMap& map = form()->regionMap();
    const RegionGrids& grids = *started_->program->state().regions;
    clickMap(
        map.mapa, [&](int x, int y) { return grids.communityAt(x, y); }, 13);
    clickMap(
        map.mapam, [&](int x, int y) { return grids.areaAt(x, y); }, 1);
    const auto everyRoute = face().grid();
    QVERIFY(!everyRoute.phone.empty());
    for (const auto& phone : everyRoute.phone)
        QVERIFY(phone.empty());  // telephones start hidden
    click(face().botTelefono);
    QVERIFY(face().telephoneShown());
    QVERIFY(!face().reja->item(4, 1)->text().isEmpty());
    QCOMPARE(face().reja->item(4, 1)->text(), toQt(TrimRight(face().grid().phone[4])));
    // A route keeps only the titles open to it.
    QComboBox* routes = face().ComBachi;
    routes->setCurrentIndex(1);
    emit routes->activated(1);
    const auto routeOne = face().grid();
    QVERIFY(routeOne.text.size() < everyRoute.text.size());
    for (int t : routeOne.titles)
        if (t) QVERIFY(fp().qualifies(t, 1));
    // A centre row does nothing; a title row opens that title.
    int titleRow = -1;
    for (std::size_t i = 0; i < routeOne.titles.size() && titleRow < 0; ++i)
        if (routeOne.titles[i]) titleRow = static_cast<int>(i);
    QVERIFY(titleRow > 4);
    emit face().reja->cellDoubleClicked(4, 0);
    QVERIFY(face().placeMode());
    emit face().reja->cellDoubleClicked(titleRow, 0);
    QVERIFY(!face().placeMode());
    QCOMPARE(face().currentTitle(), routeOne.titles[static_cast<std::size_t>(titleRow)]);
    QVERIFY(face().PanelFpTit->isVisible());
    QVERIFY(!map.mapam->isVisible());
    QVERIFY(!face().reja->isVisible());
    QVERIFY(face().RetroFP->isHidden());
}

void FpFaceTest::titleAndPlaceReportsAndThePrintSelection() {
    TempFolder pdfs;
    const QString folder = QString::fromStdString(pdfs.path().string());
    qputenv("RUMBELO_PRINT_PDF", folder.toLocal8Bit());
    enterDoorThree();
    openFirstTitleOfRow(0);
    const int t = titleWithMostCentres();
    face().openTitle(t);
    ReportTable report;
    BoldLines bold;
    const auto whole = fpTitleReport(fp(), form()->data().geography, t, everyCommunity(), texts(),
                                     true, report, bold);
    QVERIFY(whole.lines > 150);
    // Shown whole on screen, nothing printed.
    click(face().MenuFPTitTodo);
    QCOMPARE(face().listSelFP->count(), whole.lines);
    QCOMPARE(pdfCount(folder), 0);
    // Printing asks for communities first; two chosen, one taken back, then printed.
    click(face().MenuFpTit5);
    QVERIFY(face().printSelectionMode());
    QVERIFY(face().PanelImp->isVisible());
    RegionMap& map = form()->regionMap();
    const RegionGrids& grids = *started_->program->state().regions;
    const auto community = [&](int x, int y) { return grids.communityAt(x, y); };
    clickMap(map.mapa, community, 13);
    clickMap(map.mapa, community, 13);
    clickMap(map.mapa, community, 1);
    QCOMPARE(face().ListImp->count(), 2);
    clickRow(face().ListImp, 1);
    QCOMPARE(face().ListImp->count(), 1);
    click(face().BotAceptar);
    QVERIFY(!face().printSelectionMode());
    QCOMPARE(pdfCount(folder), 1);
    const auto madrid =
        fpTitleReport(fp(), form()->data().geography, t, {13}, texts(), true, report, bold);
    QCOMPARE(face().listSelFP->count(), madrid.lines);
    QCOMPARE(madrid.communityHeadings, 1);

    // The centres of a place: nothing before a place is chosen, then one PDF.
    click(face().MenuFpTit7);
    click(form()->MenuFP2);
    clickMap(map.mapa, community, 13);
    form()->BotImprimir->click();
    QCOMPARE(pdfCount(folder), 1);
    clickMap(
        map.mapam, [&](int x, int y) { return grids.areaAt(x, y); }, 1);
    click(form()->BotImprimir);
    QCOMPARE(pdfCount(folder), 2);
    qunsetenv("RUMBELO_PRINT_PDF");
}

QTEST_MAIN(FpFaceTest)
#include "fp_face_test.moc"
