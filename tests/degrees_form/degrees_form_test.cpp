// The degrees form clicked through on the bundled catalogue: from the scene's door to the
// degree menu, the list of all degrees with its filters, a degree's menu and back; the map
// of universities; double degrees and other studies; the close query.
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>
#include <functional>

#include "common/dialog/aviso.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "degrees/browser/degree_lists.h"
#include "degrees/browser/degree_view.h"
#include "degrees/browser/double_degree_lists.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"
#include "program_fixture.h"
#include "scene/scene_form.h"
#include "support/temp_folder.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using namespace rumbelo::testing;

namespace {

// Takes the addresses the program asks the desktop to open.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    QStringList urls;
  public slots:
    void open(const QUrl& url) { urls << url.toString(); }
};

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

void doubleClickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    QVERIFY(item);
    list->scrollToItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void choose(QComboBox* combo, int entry) {
    QVERIFY(combo->isVisible());
    combo->setCurrentIndex(entry);
    emit combo->activated(entry);
}

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

QStringList expected(const std::vector<std::string>& rows) {
    QStringList list;
    for (const auto& row : rows)
        list << toQt(row);
    return list;
}

void movePointer(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

}  // namespace

class DegreesFormTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void doorOneShowsTheDegreeMenuWithItsHelp();
    void filteredListOpensTheDegreeOfTheClickedRow();
    void alphabeticalListOpensTheDegreeOfTheClickedRow();
    void degreeMenuButtonsListAndMarkThemselves();
    void backButtonsReturnToTheMenuAndTheScene();
    void madridOnTheMapListsItsUniversitiesAndTheirDegrees();
    void doubleDegreesByDegreeShowRedUniversities();
    void doubleDegreesByUniversityFromTheMap();
    void otherStudiesListTheirText();
    void comarcaMapOpensTheFinerListWhoseFifthEntryIsInert();
    void areaMapNamesTheAreaInAWidePanel();
    void mapHoverNamesEachCommunityOnceWithinTheMap();
    void everyListOnViewAndTheDegreePrint();
    void closingAsksAndNoKeepsTheForm();
    void doorThreeOpensTheFpMenuAndDoorOneTheDegreeMenu();

  private:
    TForm1* form() const {
        return qobject_cast<TForm1*>(started_->program->form(QStringLiteral("TForm1")));
    }
    Tform0* scene() const { return qobject_cast<Tform0*>(started_->program->scene()); }
    const DegreeCatalog& catalog() const { return form()->data().degrees; }
    const InterfaceTexts& texts() const { return started_->program->texts(); }
    void enterDegreeMenu();
    void openAllDegrees();
    QPoint pixelOfCommunity(int community) const;
    QPoint pixelWhere(const std::function<bool(int, int)>& found) const;

    std::unique_ptr<ProgramFolder> folder_;
    std::unique_ptr<StartedProgram> started_;
};

void DegreesFormTest::init() {
    folder_ = std::make_unique<ProgramFolder>();
    started_ = startOn(folder_->path());
    QVERIFY2(!started_->program->aborted(),
             started_->sink.messages.empty() ? "" : started_->sink.messages[0].c_str());
    QVERIFY(form());
}

void DegreesFormTest::cleanup() {
    started_.reset();
    folder_.reset();
}

void DegreesFormTest::enterDegreeMenu() {
    scene()->launch(1);
    QVERIFY(form()->isVisible());
    QVERIFY(!scene()->isVisible());
    QVERIFY(form()->degreeFace().PanelMenu->isVisible());
}

void DegreesFormTest::openAllDegrees() {
    enterDegreeMenu();
    click(form()->degreeFace().MenuCarUni1);
    QVERIFY(form()->ListSel->isVisible());
}

QPoint DegreesFormTest::pixelWhere(const std::function<bool(int, int)>& found) const {
    for (int x = 1; x <= RegionGrids::kColumns; ++x)
        for (int y = 1; y <= RegionGrids::kDistrictRows; ++y)
            if (found(x, y)) return {x, y};
    return {};
}

QPoint DegreesFormTest::pixelOfCommunity(int community) const {
    const RegionGrids& grids = *started_->program->state().regions;
    return pixelWhere([&](int x, int y) { return grids.communityAt(x, y) == community; });
}

void DegreesFormTest::doorOneShowsTheDegreeMenuWithItsHelp() {
    enterDegreeMenu();
    TForm1* f = form();
    QCOMPARE(f->size(), QSize(800, 600));
    QCOMPARE(f->windowTitle(), toQt(texts()[338] + "  " + started_->program->state().schoolName));
    QCOMPARE(f->degreeFace().MenuCarUni1->text(), toQt(texts().trimmed(306)));
    QCOMPARE(f->degreeFace().menui5->text(), toQt(texts().trimmed(82)));
    QVERIFY(f->payuda->isVisible());
    QTRY_COMPARE(f->LabelAyu[4]->text(), toQt(texts()[348]));
    QCOMPARE(f->LabelAyu[2]->text(), toQt(texts()[346]));
    QTRY_VERIFY(!f->TimerAyuda.isActive());
}

void DegreesFormTest::filteredListOpensTheDegreeOfTheClickedRow() {
    openAllDegrees();
    TForm1* f = form();
    QCOMPARE(f->ListSel->count(), catalog().degreeCount);
    QCOMPARE(f->LabelSeleccion->text(), toQt(texts()[589] + ": " + texts()[590]));
    choose(f->degreeFace().ComSelCar, 2);  // the second modality
    DegreeFilters filters;
    filters.modalityActive = true;
    filters.modality = 2;
    const ListRows byModality = allDegreesRows(catalog(), filters, false);
    QCOMPARE(rowsOf(f->ListSel), expected(byModality.rows));
    choose(f->degreeFace().BotSelcar, 2);
    filters.kindActive = true;
    filters.kind = 2;
    const ListRows both = allDegreesRows(catalog(), filters, false);
    QVERIFY(both.size() > 1 && both.size() < byModality.size());
    QCOMPARE(rowsOf(f->ListSel), expected(both.rows));
    QCOMPARE(f->LabelSeleccion->text(),
             toQt(listCountCaption(texts(), both.size(), catalog().degreeCount)));
    QTRY_COMPARE(f->LabelAyu[0]->text(), toQt(texts()[607]));  // help situation 11
    const int row = both.size() - 1;
    doubleClickRow(f->ListSel, row);
    QCOMPARE(f->degreeFace().selectedDegree(), both.degreeAt(row));
    QVERIFY(f->degreeFace().PanelCar->isVisible());
    QVERIFY(!f->degreeFace().ComSelCar->isVisible());
    QVERIFY(f->degreeFace().TimerParpadeo.isActive());
    QTRY_VERIFY(!f->degreeFace().TimerParpadeo.isActive());
    QCOMPARE(f->PanelCarSel->text(), toQt(TrimRight(catalog().name(both.degreeAt(row)))));
    // Back to the list: the kind filter had the last word, so its help comes back.
    QTRY_VERIFY(f->LabelAyu[0]->text() != toQt(texts()[607]));
    click(f->degreeFace().MenuCar7);
    QCOMPARE(rowsOf(f->ListSel), expected(both.rows));
    QTRY_COMPARE(f->LabelAyu[0]->text(), toQt(texts()[607]));
}

void DegreesFormTest::alphabeticalListOpensTheDegreeOfTheClickedRow() {
    started_->program->state().language().flag = true;
    openAllDegrees();
    TForm1* f = form();
    const ListRows sorted = allDegreesRows(catalog(), {}, true);
    QCOMPARE(rowsOf(f->ListSel), expected(sorted.rows));
    // A row where the alphabetical order and the file's order disagree.
    int row = 0;
    while (row < sorted.size() && sorted.degreeAt(row) == row + 1)
        ++row;
    QVERIFY(row < sorted.size());
    doubleClickRow(f->ListSel, row);
    QCOMPARE(f->degreeFace().selectedDegree(), sorted.degreeAt(row));
    // Enter opens the focused row as well.
    click(f->degreeFace().MenuCar7);
    f->ListSel->setCurrentRow(5);
    QTest::keyClick(f->ListSel, Qt::Key_Return);
    QCOMPARE(f->degreeFace().selectedDegree(), sorted.degreeAt(5));
}

void DegreesFormTest::degreeMenuButtonsListAndMarkThemselves() {
    openAllDegrees();
    TForm1* f = form();
    const ListRows all = allDegreesRows(catalog(), {}, false);
    // A degree that is not second-cycle only, so that the way in from FP shows.
    int row = 0;
    while (catalog().kind(all.degreeAt(row)) == 3)
        ++row;
    doubleClickRow(f->ListSel, row);
    const int j = f->degreeFace().selectedDegree();
    QCOMPARE(j, all.degreeAt(row));
    const auto& geo = f->data().geography;

    QVERIFY(!isMarkedUsed(f->degreeFace().MenuCar1));
    click(f->degreeFace().MenuCar1);
    QVERIFY(isMarkedUsed(f->degreeFace().MenuCar1));
    QVERIFY(f->degreeFace().MenuCar1->font().bold() && f->degreeFace().MenuCar1->font().italic());
    QVERIFY(f->degreeFace().MenuCar1->styleSheet().contains(QStringLiteral("rgb(128,0,128)")));
    QVERIFY(!isMarkedUsed(f->degreeFace().MenuCar2));
    const auto places = placesOfDegree(catalog(), geo.places, j, texts());
    QCOMPARE(rowsOf(f->ListSel), expected(places.rows));
    QCOMPARE(f->PanelSelTit->text(), toQt(places.heading));
    QVERIFY(f->ListSel->font().family().contains(QStringLiteral("Courier")) ||
            f->ListSel->font().family().contains(QStringLiteral("Mono")));

    QTRY_COMPARE(f->LabelAyu[1]->text(), toQt(texts()[423]));  // the places' help: marks

    click(f->degreeFace().MenuCar2);
    // The requirements bring the degree menu's help back: no word of cut-off marks.
    QTRY_COMPARE(f->LabelAyu[2]->text(), toQt(texts()[400]));
    QCOMPARE(f->LabelAyu[1]->text(), QString());
    QCOMPARE(rowsOf(f->ListSel), expected(requirementsOfDegree(catalog(), j, texts()).rows));
    QCOMPARE(f->PanelSelTit->text(), toQt(texts()[277]));
    click(f->degreeFace().MenuCar3);
    QCOMPARE(rowsOf(f->ListSel), expected(outletsOfDegree(catalog(), j, texts()).rows));
    click(f->degreeFace().MenuCar4);
    QCOMPARE(rowsOf(f->ListSel), expected(subjectsOfDegree(catalog(), j, texts()).rows));
    QVERIFY(!f->degreeFace().BotFP->isVisible());
    click(f->degreeFace().MenuCar5);
    const auto related = relatedToDegree(catalog(), j, texts());
    QCOMPARE(rowsOf(f->ListSel), expected(related.rows));
    QVERIFY(f->degreeFace().BotFP->isVisible());
    QVERIFY(f->degreeFace().BotFP->geometry().bottom() <= f->ListSel->geometry().bottom());
    QVERIFY(f->degreeFace().BotFP->y() > f->ListSel->y());
    TempFolder pdfs;
    qputenv("RUMBELO_PRINT_PDF", QByteArray::fromStdString(pdfs.path().string()));
    click(f->degreeFace().MenuCar6);
    qunsetenv("RUMBELO_PRINT_PDF");
    QVERIFY(isMarkedUsed(f->degreeFace().MenuCar6));
    QVERIFY(!f->degreeFace().BotFP->isVisible());
    // A double click on a list of the degree opens nothing.
    doubleClickRow(f->ListSel, 0);
    QCOMPARE(f->degreeFace().selectedDegree(), j);
    click(f->degreeFace().MenuCar7);
    QCOMPARE(f->ListSel->count(), catalog().degreeCount);
    QVERIFY(f->degreeFace().ComSelCar->isVisible());
    doubleClickRow(f->ListSel, row);
    QVERIFY(
        isMarkedUsed(f->degreeFace().MenuCar1));  // used buttons stay marked for the next degree
    click(f->degreeFace().MenuCar8);
    QVERIFY(f->degreeFace().PanelMenu->isVisible());
    QTRY_COMPARE(f->LabelAyu[2]->text(), toQt(texts()[346]));  // the menu's own help
    QVERIFY(!f->degreeFace().PanelCar->isVisible());
    QVERIFY(!f->PanelSel->isVisible());
    QCOMPARE(f->ListSel->count(), 0);
}

void DegreesFormTest::backButtonsReturnToTheMenuAndTheScene() {
    openAllDegrees();
    TForm1* f = form();
    QTest::mouseClick(f->degreeFace().BitRetroSelCar, Qt::LeftButton);
    QVERIFY(f->degreeFace().PanelMenu->isVisible());
    QVERIFY(!f->ListSel->isVisible());
    QVERIFY(!f->degreeFace().BitRetroSelCar->isVisible());
    click(f->degreeFace().menui5);
    QVERIFY(!f->isVisible());
    QVERIFY(scene()->isVisible());
    // Coming back through the door starts from the menu again, the list top reset.
    enterDegreeMenu();
    QCOMPARE(f->degreeFace().listTop(), 0);
}

void DegreesFormTest::madridOnTheMapListsItsUniversitiesAndTheirDegrees() {
    enterDegreeMenu();
    TForm1* f = form();
    click(f->degreeFace().MenuCarUni3);
    QLabel* mapa = f->regionMap().mapa;
    QVERIFY(mapa->isVisible());
    QVERIFY(f->BotRetroceder->isVisible());
    const QPoint madrid = pixelOfCommunity(13);
    QVERIFY(!madrid.isNull());
    movePointer(mapa, madrid);
    QLabel* panel = f->regionMap().PanelMapa;
    QVERIFY(panel->isVisible());
    const std::string name = communityHint(f->data().geography, 13);
    QCOMPARE(panel->text(), toQt(name));
    QCOMPARE(panel->pos(), madrid);
    QTest::mouseClick(mapa, Qt::LeftButton, {}, madrid);
    QVERIFY(!panel->isVisible());
    QVERIFY(!mapa->isVisible());
    QVERIFY(f->ListComunidad->isVisible());
    const auto places = region_map::universityPlaces(f->data().geography, 13);
    QCOMPARE(f->ListComunidad->count(), static_cast<int>(places.size()));
    // The first university that teaches something.
    int entry = 0;
    while (universityDegreeRows(catalog(), places[static_cast<std::size_t>(entry)]).size() == 0)
        ++entry;
    clickRow(f->ListComunidad, entry);
    const ListRows rows = universityDegreeRows(catalog(), places[static_cast<std::size_t>(entry)]);
    QCOMPARE(rowsOf(f->ListSel), expected(rows.rows));
    QVERIFY(f->ListSel->item(0)->text().size() == 49);
    QCOMPARE(f->PanelSelTit->text(), f->ListComunidad->item(entry)->text());
    QVERIFY(f->degreeFace().BotIntUni->isVisible());
    QVERIFY(f->BotImprimir->isVisible());
    // The university's page: "http://www." and the domain of its "LUGAR" description.
    UrlRecorder opened;
    const QByteArray noBrowser = qgetenv("RUMBELO_NO_BROWSER");
    qunsetenv("RUMBELO_NO_BROWSER");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &opened, "open");
    QTest::mouseClick(f->degreeFace().BotIntUni, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    if (!noBrowser.isNull()) qputenv("RUMBELO_NO_BROWSER", noBrowser);
    const int place = places[static_cast<std::size_t>(entry)];
    QCOMPARE(opened.urls,
             QStringList{
                 toQt("http://www." + TrimRight(f->data().geography.places.descriptions[place]))});
    // Back: from the degrees of the university to the map, then to the menu.
    click(f->BotRetroceder);
    QVERIFY(mapa->isVisible());
    QVERIFY(!f->ListComunidad->isVisible());
    QVERIFY(!f->PanelSel->isVisible());
    click(f->BotRetroceder);
    QVERIFY(!mapa->isVisible());
    QVERIFY(f->degreeFace().PanelMenu->isVisible());
    // Again, and a double click on a degree of a university opens it.
    click(f->degreeFace().MenuCarUni3);
    movePointer(mapa, madrid);
    QTest::mouseClick(mapa, Qt::LeftButton, {}, madrid);
    clickRow(f->ListComunidad, entry);
    doubleClickRow(f->ListSel, rows.size() - 1);
    QCOMPARE(f->degreeFace().selectedDegree(), rows.degreeAt(rows.size() - 1));
    QVERIFY(!f->ListComunidad->isVisible());
    QVERIFY(!f->BotRetroceder->isVisible());
    QVERIFY(f->degreeFace().PanelCar->isVisible());
}

void DegreesFormTest::doubleDegreesByDegreeShowRedUniversities() {
    enterDegreeMenu();
    TForm1* f = form();
    click(f->degreeFace().MenuCarUniDoble);
    const auto degrees = degreesWithDoubles(catalog(), f->data().doubles);
    QCOMPARE(f->ListComunidad->count(), static_cast<int>(degrees.size()));
    clickRow(f->ListComunidad, 0);
    QVERIFY(f->listSel2->isVisible());
    QVERIFY(!f->ListSel->isVisible());
    QCOMPARE(f->PanelSelTit->text(), toQt(doubleDegreesOfDegreeHeading(texts())));
    QCOMPARE(f->LabelSeleccion->text(), toQt(doubleDegreesOfDegreeCaption(texts())));
    const auto lines = doubleDegreesOfDegree(catalog(), f->data().doubles, degrees[0]);
    const QStringList shown = f->listSel2->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(shown.size(), static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i)
        QCOMPARE(shown[static_cast<int>(i)].trimmed(), toQt(lines[i].text).trimmed());
    QVERIFY(f->listSel2->toHtml().contains(QStringLiteral("#ff0000")));
    click(f->BotRetroceder);
    QVERIFY(f->degreeFace().PanelMenu->isVisible());
    QVERIFY(!f->listSel2->isVisible());
    QVERIFY(!f->ListComunidad->isVisible());
}

void DegreesFormTest::doubleDegreesByUniversityFromTheMap() {
    enterDegreeMenu();
    TForm1* f = form();
    click(f->degreeFace().MenuCarUniDoble2);
    QLabel* mapa = f->regionMap().mapa;
    const QPoint madrid = pixelOfCommunity(13);
    movePointer(mapa, madrid);
    QTest::mouseClick(mapa, Qt::LeftButton, {}, madrid);
    const auto groups = region_map::doubleDegreeGroups(f->data().doubles, 13);
    QVERIFY(!groups.empty());
    QCOMPARE(f->ListComunidad->count(), static_cast<int>(groups.size()));
    clickRow(f->ListComunidad, 0);
    QCOMPARE(rowsOf(f->ListSel),
             expected(doubleDegreesOfUniversity(catalog(), f->data().doubles, groups[0], texts())));
    QCOMPARE(f->PanelSelTit->text(), toQt(texts()[242]));
    // Back first returns to the map, with nothing of that university left on view ...
    click(f->BotRetroceder);
    QVERIFY(mapa->isVisible());
    QCOMPARE(f->ListSel->count(), 0);
    QVERIFY(f->PanelSelTit->text().isEmpty());
    QVERIFY(!f->BotImprimir->isVisible());
    // ... nor after another community, whose groups are listed with none chosen.
    int other = 0;
    for (int c = 1; c <= 19 && !other; ++c)
        if (c != 13 && !region_map::doubleDegreeGroups(f->data().doubles, c).empty() &&
            !pixelOfCommunity(c).isNull())
            other = c;
    QVERIFY(other);
    movePointer(mapa, pixelOfCommunity(other));
    QTest::mouseClick(mapa, Qt::LeftButton, {}, pixelOfCommunity(other));
    QCOMPARE(f->ListComunidad->count(),
             static_cast<int>(region_map::doubleDegreeGroups(f->data().doubles, other).size()));
    QCOMPARE(f->ListComunidad->selectedItems().size(), 0);
    QCOMPARE(f->ListSel->count(), 0);
    click(f->BotRetroceder);
    QVERIFY(mapa->isVisible());
    click(f->BotRetroceder);
    QVERIFY(f->degreeFace().PanelMenu->isVisible());
    QVERIFY(!mapa->isVisible());
}

void DegreesFormTest::otherStudiesListTheirText() {
    enterDegreeMenu();
    TForm1* f = form();
    click(f->degreeFace().menui4);
    QCOMPARE(f->ListComunidad->count(), catalog().otherCount);
    QVERIFY(!f->BotImprimir->isVisible());
    clickRow(f->ListComunidad, 0);
    QVERIFY(f->BotImprimir->isVisible());
    QCOMPARE(rowsOf(f->ListSel), expected(catalog().otherStudyRows(1)));
    QCOMPARE(f->PanelSelTit->text(), toQt(texts()[312]));
    click(f->BotRetroceder);
    QVERIFY(f->degreeFace().PanelMenu->isVisible());
    QVERIFY(!f->ListComunidad->isVisible());
}

void DegreesFormTest::comarcaMapOpensTheFinerListWhoseFifthEntryIsInert() {
    enterDegreeMenu();
    RegionMap& map = form()->regionMap();
    const RegionGrids& grids = *started_->program->state().regions;
    map.mapac->show();
    QSignalSpy chosen(&map, &RegionMap::comarcaChosen);
    const QPoint other = pixelWhere([&](int x, int y) {
        const int c = grids.comarcaAt(x, y);
        return c != 0 && c != kComarcaWithList;
    });
    QVERIFY(!other.isNull());
    movePointer(map.mapac, other);
    QCOMPARE(map.PanelMapa->pos(), other + QPoint(0, 60));
    QTest::mouseClick(map.mapac, Qt::LeftButton, {}, other);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), grids.comarcaAt(other.x(), other.y()));

    const QPoint barcelones =
        pixelWhere([&](int x, int y) { return grids.comarcaAt(x, y) == kComarcaWithList; });
    QVERIFY(!barcelones.isNull());
    movePointer(map.mapac, barcelones);
    QCOMPARE(map.PanelMapa->text(),
             toQt(TrimRight(comarcaName(form()->data().geography, kComarcaWithList))));
    QTest::mouseClick(map.mapac, Qt::LeftButton, {}, barcelones);
    QCOMPARE(chosen.count(), 0);
    QVERIFY(map.listBarcelona->isVisible());
    QVERIFY(map.BotCerrar->isVisible());
    QCOMPARE(map.listBarcelona->count(),
             static_cast<int>(form()->data().geography.listBarcelona.size()));
    clickRow(map.listBarcelona, 4);
    QCOMPARE(chosen.count(), 0);
    clickRow(map.listBarcelona, 1);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.takeFirst().at(0).toInt(), 43);
    QTest::mouseClick(map.BotCerrar, Qt::LeftButton);
    QVERIFY(!map.listBarcelona->isVisible());
    QVERIFY(!map.BotCerrar->isVisible());
}

void DegreesFormTest::areaMapNamesTheAreaInAWidePanel() {
    enterDegreeMenu();
    RegionMap& map = form()->regionMap();
    const RegionGrids& grids = *started_->program->state().regions;
    map.mapam->show();
    QSignalSpy chosen(&map, &RegionMap::areaChosen);
    const QPoint area = pixelWhere([&](int x, int y) { return grids.areaAt(x, y) != 0; });
    QVERIFY(!area.isNull());
    const int k = grids.areaAt(area.x(), area.y());
    movePointer(map.mapam, area);
    QCOMPARE(map.PanelMapa->text(), toQt(areaHint(form()->data().geography, k)));
    QCOMPARE(map.PanelMapa->width(), 250);
    QCOMPARE(map.mapam->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(map.mapam, Qt::LeftButton, {}, area);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(map.selection().area, k);
    QVERIFY(!map.PanelMapa->isVisible());
}

void DegreesFormTest::mapHoverNamesEachCommunityOnceWithinTheMap() {
    enterDegreeMenu();
    TForm1* f = form();
    click(f->degreeFace().MenuCarUni3);
    QLabel* mapa = f->regionMap().mapa;
    QLabel* panel = f->regionMap().PanelMapa;
    const RegionGrids& grids = *started_->program->state().regions;
    const QRect map = mapa->geometry();
    // From one community straight to the next: the panel follows, and no hint bubble keeps
    // the first name.
    movePointer(mapa, pixelOfCommunity(13));
    movePointer(mapa, pixelOfCommunity(9));
    QCOMPARE(panel->text(), toQt(communityHint(f->data().geography, 9)));
    QVERIFY(mapa->toolTip().isEmpty());
    // Cataluña's right-most pixel: the panel stays over the map, off the list beside it.
    QPoint east;
    for (int x = 1; x <= RegionGrids::kColumns; ++x)
        for (int y = 1; y <= RegionGrids::kDistrictRows; ++y)
            if (grids.communityAt(x, y) == 9 && x > east.x()) east = {x, y};
    movePointer(mapa, east);
    QVERIFY(panel->isVisible());
    QVERIFY2(map.contains(panel->geometry()), qPrintable(QStringLiteral("panel %1,%2 %3x%4")
                                                             .arg(panel->x())
                                                             .arg(panel->y())
                                                             .arg(panel->width())
                                                             .arg(panel->height())));
    QVERIFY(!panel->geometry().intersects(f->PanelSel->geometry()));
}

// Each print button writes one PDF: the degree report, then BotImprimir in each state.
void DegreesFormTest::everyListOnViewAndTheDegreePrint() {
    TempFolder pdfs;
    const QString folder = QString::fromStdString(pdfs.path().string());
    qputenv("RUMBELO_PRINT_PDF", folder.toLocal8Bit());
    const auto printed = [&] { return QDir(folder).entryList({QStringLiteral("*.pdf")}).size(); };
    openAllDegrees();
    TForm1* f = form();
    DegreeFace& face = f->degreeFace();
    doubleClickRow(f->ListSel, 0);
    click(face.MenuCar6);
    QCOMPARE(printed(), 1);
    click(face.MenuCar8);
    // Degrees of a university: nothing to print until one is chosen.
    click(face.MenuCarUni3);
    const QPoint madrid = pixelOfCommunity(13);
    movePointer(f->regionMap().mapa, madrid);
    QTest::mouseClick(f->regionMap().mapa, Qt::LeftButton, {}, madrid);
    QVERIFY(!f->BotImprimir->isVisible());
    clickRow(f->ListComunidad, 0);
    click(f->BotImprimir);
    QCOMPARE(printed(), 2);
    click(f->BotRetroceder);
    click(f->BotRetroceder);
    // Double degrees of a degree, of a university, and an other study.
    click(face.MenuCarUniDoble);
    clickRow(f->ListComunidad, 0);
    click(f->BotImprimir);
    QCOMPARE(printed(), 3);
    click(f->BotRetroceder);
    click(face.MenuCarUniDoble2);
    movePointer(f->regionMap().mapa, madrid);
    QTest::mouseClick(f->regionMap().mapa, Qt::LeftButton, {}, madrid);
    clickRow(f->ListComunidad, 0);
    click(f->BotImprimir);
    QCOMPARE(printed(), 4);
    click(f->BotRetroceder);
    click(f->BotRetroceder);
    click(face.menui4);
    clickRow(f->ListComunidad, 0);
    click(f->BotImprimir);
    QCOMPARE(printed(), 5);
    qunsetenv("RUMBELO_PRINT_PDF");
}

void DegreesFormTest::closingAsksAndNoKeepsTheForm() {
    enterDegreeMenu();
    QString asked;
    whenDialogOpens([&asked](TForm4* dialog) {
        asked = dialog->LabelNombre->text();
        QTest::mouseClick(dialog->ShadowNo, Qt::LeftButton);
    });
    QVERIFY(!form()->close());
    QVERIFY(form()->isVisible());
    QCOMPARE(asked, toQt(texts().trimmed(49)));
    QVERIFY(!started_->program->terminateRequested());
}

void DegreesFormTest::doorThreeOpensTheFpMenuAndDoorOneTheDegreeMenu() {
    // The two faces behind doors 1 and 3 share the window: each door shows only its menu.
    scene()->launch(3);
    QVERIFY(form()->isVisible());
    QVERIFY(form()->PanelFP->isVisible());
    QVERIFY(!form()->degreeFace().PanelMenu->isVisible());
    form()->hide();
    scene()->launch(1);
    QVERIFY(form()->isVisible());
    QVERIFY(form()->degreeFace().PanelMenu->isVisible());
    QVERIFY(!form()->PanelFP->isVisible());
}

QTEST_MAIN(DegreesFormTest)
#include "degrees_form_test.moc"
