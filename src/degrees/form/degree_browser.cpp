// The degree section of the degrees form: the degree menu, the list of every degree with
// its filters, opening a degree with its blinking name, the menu of one degree and the
// back buttons.
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "common/widgets/tiled_picture.h"
#include "degrees/browser/degree_view.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

void TForm1::connectDegreeBrowser() {
    connect(MenuCarUni1, &QPushButton::clicked, this, &TForm1::MenuCarUni1Click);
    connect(MenuCarUni3, &QPushButton::clicked, this, &TForm1::MenuCarUni3Click);
    connect(MenuCarUniDoble, &QPushButton::clicked, this, &TForm1::MenuCarUniDobleClick);
    connect(MenuCarUniDoble2, &QPushButton::clicked, this, &TForm1::MenuCarUniDoble2Click);
    connect(menui4, &QPushButton::clicked, this, &TForm1::menui4Click);
    connect(menui5, &QPushButton::clicked, this, &TForm1::menui5Click);
    connect(ComSelCar, &QComboBox::activated, this, &TForm1::ComSelCarChange);
    connect(BotSelcar, &QComboBox::activated, this, &TForm1::BotSelcarChange);
    connect(BitRetroSelCar, &QPushButton::released, this, [this] {
        BotFP->hide();
        MenuCar8Click();
    });
    connect(ListSel, &QListWidget::itemDoubleClicked, this, [this] { ListSelDblClick(); });
    connect(MenuCar1, &QPushButton::clicked, this, &TForm1::MenuCar1Click);
    connect(MenuCar2, &QPushButton::clicked, this, &TForm1::MenuCar2Click);
    connect(MenuCar3, &QPushButton::clicked, this, &TForm1::MenuCar3Click);
    connect(MenuCar4, &QPushButton::clicked, this, &TForm1::MenuCar4Click);
    connect(MenuCar5, &QPushButton::clicked, this, &TForm1::MenuCar5Click);
    connect(MenuCar6, &QPushButton::clicked, this, [this] {
        markUsed(MenuCar6);
        BotFP->hide();
        printDegreeReport();
    });
    connect(MenuCar7, &QPushButton::clicked, this, &TForm1::MenuCar7Click);
    connect(MenuCar8, &QPushButton::clicked, this, &TForm1::MenuCar8Click);
    connect(BotFP, &QPushButton::clicked, this, &TForm1::BotFPClick);
    connect(BotRetroceder, &QPushButton::clicked, this, &TForm1::BotRetrocederClick);
    connect(BotImprimir, &QPushButton::clicked, this, &TForm1::printCurrentList);
    connect(BotIntUni, &QPushButton::released, this, &TForm1::BotIntUniClick);
    connect(ListComunidad, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListComunidadClick(ListComunidad->row(item)); });
    connect(regionMap_, &RegionMap::communityClicked, this, &TForm1::communityAction);
    connect(degradeini, &TiledPicture::mouseMoved, regionMap_, &RegionMap::hidePanel);
    // The other faces' way out, until their sections take these menus over.
    connect(menuFP3, &QPushButton::clicked, this, [this] {
        PanelFP->hide();
        returnToCaller();
    });
    connect(MenuRetroCon, &QPushButton::clicked, this, [this] {
        Panelinicio->show();
        Panelcon->hide();
        returnToCaller();
    });
}

void TForm1::menui5Click() {
    PanelMenu->hide();
    returnToCaller();
}

void TForm1::MenuCarUni1Click() {
    showAllDegrees();
}

void TForm1::showAllDegrees() {
    helpSituation(12);
    PanelMenu->hide();
    PanelCar->hide();
    PanelCarSel->hide();
    PanelFP->hide();
    Panelinicio->show();
    PanelSel->show();
    PanelSelTit->show();
    PanelSelTit->setText(toQt(data_->degrees.name(0)));
    setFontOf(PanelSelTit, kCourier, 12 + program_.state().largeFontsCorrection, true);
    listSel2->hide();
    ListSel->show();
    BotSelcar->show();
    ComSelCar->show();
    BitRetroSelCar->show();
    if (!program_.state().assistantFlag) ListSel->setFocus();
    rebuildAllDegrees(false);
}

void TForm1::rebuildAllDegrees(bool fromKindFilter) {
    const auto& catalog = data_->degrees;
    const ListRows rows = allDegreesRows(catalog, filters_, program_.state().language().flag);
    if (fromKindFilter && filters_.kindActive) {
        if (const int n = kindHelpSituation(filters_.kind)) helpSituation(n);
    }
    LabelSeleccion->show();
    BotSelcar->show();
    ComSelCar->show();
    ListSel->setCursor(Qt::PointingHandCursor);
    setFontOf(ListSel, kTimes, 12 + program_.state().largeFontsCorrection);
    fillListSel(rows);
    if (QListWidgetItem* top = ListSel->item(listTop_))
        ListSel->scrollToItem(top, QAbstractItemView::PositionAtTop);
    listSelectable_ = true;
    placeListSelectable_ = false;
    ListSel->setSelectionMode(QAbstractItemView::SingleSelection);
    LabelSeleccion->setText(
        toQt(listCountCaption(program_.texts(), rows.size(), catalog.degreeCount)));
}

void TForm1::ComSelCarChange(int entry) {
    filters_.modalityActive = true;
    filters_.modality = entry;
    kindChangeFromFilter_ = false;
    rebuildAllDegrees(false);
}

void TForm1::BotSelcarChange(int entry) {
    filters_.kindActive = true;
    filters_.kind = entry;
    kindChangeFromFilter_ = true;
    rebuildAllDegrees(true);
}

void TForm1::fillListSel(const ListRows& rows) {
    listRows_ = rows;
    ListSel->clear();
    for (const auto& row : rows.rows)
        ListSel->addItem(toQt(row));
}

void TForm1::ListSelDblClick() {
    ListSel->setCursor(Qt::ForbiddenCursor);
    if (!listSelectable_ && !placeListSelectable_) return;
    const int degree = listRows_.degreeAt(ListSel->currentRow());
    if (degree == 0) return;
    openDegree(degree, placeListSelectable_);
}

void TForm1::openDegree(int j, bool fromPlaceList) {
    helpSituation(14);
    const int currentTop = ListSel->indexAt(QPoint(1, 1)).row();
    listTop_ = refreshedListTop(listTop_, data_->degrees.degreeCount, std::max(0, currentTop));
    selectedDegree_ = j;
    if (fromPlaceList) {
        ListComunidad->hide();
        BotRetroceder->hide();
        BotImprimir->hide();
        BotIntUni->hide();
    }
    // The list is emptied below: its heading goes with it.
    PanelSelTit->clear();
    BotSelcar->hide();
    LabelSeleccion->hide();
    ComSelCar->hide();
    regionMap_->hidePanel();
    PanelCarSel->setText(toQt(TrimRight(data_->degrees.name(j))));
    PanelCarSel->show();
    ListSel->clear();
    listRows_ = {};
    listSelectable_ = false;
    placeListSelectable_ = false;
    PanelCar->show();
    blink_.start();
    TimerParpadeo.start();
}

void TForm1::TimerParpadeoTimer() {
    const BlinkTick tick = blink_.tick();
    PanelCarSel->setText(tick.shown ? toQt(TrimRight(data_->degrees.name(selectedDegree_)))
                                    : QString());
    if (tick.stop) TimerParpadeo.stop();
}

void TForm1::showViewRows(const std::string& heading, const std::vector<std::string>& rows,
                          const QString& family, int size) {
    BotSelcar->hide();
    ComSelCar->hide();
    LabelSeleccion->hide();
    const int points = size + program_.state().largeFontsCorrection;
    PanelSelTit->setText(toQt(heading));
    setFontOf(PanelSelTit, kCourier, family == kCourier ? points : 12, true);
    setFontOf(ListSel, family, points);
    ListRows list;
    for (const auto& row : rows)
        list.add(row);
    fillListSel(list);
    listSelectable_ = false;
    placeListSelectable_ = false;
    ListSel->setSelectionMode(QAbstractItemView::NoSelection);
    listSel2->hide();
    PanelSel->show();
    PanelSelTit->show();
    ListSel->show();
}

void TForm1::MenuCar1Click() {
    markUsed(MenuCar1);
    BotFP->hide();
    helpSituation(21);
    const auto list =
        placesOfDegree(data_->degrees, data_->geography.places, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kCourier, 12);
}

void TForm1::MenuCar2Click() {
    markUsed(MenuCar2);
    BotFP->hide();
    const auto list = requirementsOfDegree(data_->degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
}

void TForm1::MenuCar3Click() {
    markUsed(MenuCar3);
    BotFP->hide();
    const auto list = outletsOfDegree(data_->degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
}

void TForm1::MenuCar4Click() {
    markUsed(MenuCar4);
    BotFP->hide();
    const auto list = subjectsOfDegree(data_->degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
}

void TForm1::MenuCar5Click() {
    markUsed(MenuCar5);
    BotFP->hide();
    const auto list = relatedToDegree(data_->degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
    placeFpButton(static_cast<int>(list.rows.size()));
    if (relatedHelpShown(list.rows)) helpSituation(20);
}

// The way in from higher FP sits a few lines under the related degrees, inside the list.
void TForm1::placeFpButton(int rows) {
    if (!offersFpAccess(data_->degrees, selectedDegree_)) {
        BotFP->hide();
        return;
    }
    const int lineHeight = std::max(ListSel->sizeHintForRow(0), ListSel->fontMetrics().height());
    const QRect list = ListSel->geometry();
    BotFP->move(list.left() + 1,
                fpAccessButtonTop(list.top(), list.bottom(), rows, lineHeight, BotFP->height()));
    BotFP->show();
    BotFP->raise();
}

void TForm1::BotFPClick() {
    if (auto* bridges = qobject_cast<QDialog*>(program_.form(QStringLiteral("TForm6"))))
        bridges->exec();
}

void TForm1::MenuCar7Click() {
    markUsed(MenuCar7);
    BotFP->hide();
    showAllDegrees();
}

void TForm1::MenuCar8Click() {
    markUsed(MenuCar8);
    BotFP->hide();
    ListSel->setCursor(Qt::ForbiddenCursor);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{PanelCarSel, PanelSel, PanelSelTit, ListSel, PanelCar,
                                         BotSelcar, ComSelCar, LabelSeleccion, BitRetroSelCar})
        widget->hide();
    PanelSelTit->clear();
    ListSel->clear();
    listRows_ = {};
    PanelMenu->show();
}

void TForm1::BotRetrocederClick() {
    if (byPlaceMode_ == ByPlaceMode::DoubleByUniversity && ListComunidad->isVisible()) {
        ListComunidad->hide();
        regionMap_->mapa->show();
        return;
    }
    LabelSeleccion->hide();
    placeListSelectable_ = false;
    ListSel->setCursor(Qt::ForbiddenCursor);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{PanelSel, PanelSelTit, ListSel, BotIntUni, BotImprimir})
        widget->hide();
    PanelSelTit->clear();
    ListSel->clear();
    listRows_ = {};
    if (byPlaceMode_ == ByPlaceMode::DoubleByDegree ||
        byPlaceMode_ == ByPlaceMode::DoubleByUniversity) {
        byPlaceMode_ = ByPlaceMode::None;
        regionMap_->mapa->hide();
        ListComunidad->hide();
        listSel2->hide();
        BotRetroceder->hide();
        PanelMenu->show();
    } else if (otherStudiesMode_) {
        otherStudiesMode_ = false;
        PanelMenu->show();
        ListComunidad->hide();
        BotRetroceder->hide();
    } else if (regionMap_->mapa->isVisible()) {
        regionMap_->mapa->hide();
        BotRetroceder->hide();
        PanelMenu->show();
        helpSituation(1);
    } else if (ListComunidad->isVisible()) {
        ListComunidad->hide();
        regionMap_->mapa->show();
    }
}

}  // namespace rumbelo
