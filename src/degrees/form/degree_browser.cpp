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
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;

void DegreeFace::connectControls() {
    connect(MenuCarUni1, &QPushButton::clicked, this, &DegreeFace::MenuCarUni1Click);
    connect(MenuCarUni3, &QPushButton::clicked, this, &DegreeFace::MenuCarUni3Click);
    connect(MenuCarUniDoble, &QPushButton::clicked, this, &DegreeFace::MenuCarUniDobleClick);
    connect(MenuCarUniDoble2, &QPushButton::clicked, this, &DegreeFace::MenuCarUniDoble2Click);
    connect(menui4, &QPushButton::clicked, this, &DegreeFace::menui4Click);
    connect(menui5, &QPushButton::clicked, this, &DegreeFace::menui5Click);
    connect(ComSelCar, &QComboBox::activated, this, &DegreeFace::ComSelCarChange);
    connect(BotSelcar, &QComboBox::activated, this, &DegreeFace::BotSelcarChange);
    connect(BitRetroSelCar, &QPushButton::released, this, [this] {
        BotFP->hide();
        MenuCar8Click();
    });
    connect(MenuCar1, &QPushButton::clicked, this, &DegreeFace::MenuCar1Click);
    connect(MenuCar2, &QPushButton::clicked, this, &DegreeFace::MenuCar2Click);
    connect(MenuCar3, &QPushButton::clicked, this, &DegreeFace::MenuCar3Click);
    connect(MenuCar4, &QPushButton::clicked, this, &DegreeFace::MenuCar4Click);
    connect(MenuCar5, &QPushButton::clicked, this, &DegreeFace::MenuCar5Click);
    connect(MenuCar6, &QPushButton::clicked, this, [this] {
        markUsed(MenuCar6);
        BotFP->hide();
        printDegreeReport();
    });
    connect(MenuCar7, &QPushButton::clicked, this, &DegreeFace::MenuCar7Click);
    connect(MenuCar8, &QPushButton::clicked, this, &DegreeFace::MenuCar8Click);
    connect(BotFP, &QPushButton::clicked, this, &DegreeFace::BotFPClick);
    connect(BotIntUni, &QPushButton::released, this, &DegreeFace::BotIntUniClick);
}

void DegreeFace::enter() {
    form_.helpSituation(1);
    listTop_ = 0;
    PanelMenu->show();
}

void DegreeFace::menui5Click() {
    PanelMenu->hide();
    form_.returnToCaller();
}

void DegreeFace::MenuCarUni1Click() {
    showAllDegrees();
}

void DegreeFace::showAllDegrees() {
    form_.helpSituation(12);
    PanelMenu->hide();
    PanelCar->hide();
    form_.PanelCarSel->hide();
    form_.PanelFP->hide();
    form_.Panelinicio->show();
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.PanelSelTit->setText(toQt(form_.data().degrees.name(0)));
    setFontOf(form_.PanelSelTit, kCourier, 12 + program_.state().largeFontsCorrection, true);
    form_.listSel2->hide();
    form_.ListSel->show();
    BotSelcar->show();
    ComSelCar->show();
    BitRetroSelCar->show();
    if (!program_.state().assistantFlag) form_.ListSel->setFocus();
    rebuildAllDegrees();
}

void DegreeFace::rebuildAllDegrees() {
    const auto& catalog = form_.data().degrees;
    const ListRows rows = allDegreesRows(catalog, filters_, program_.state().language().flag);
    // The kind's help comes back whenever the list is rebuilt while the kind filter had the
    // last word, not only on the change itself.
    if (kindChangeFromFilter_ && filters_.kindActive) {
        if (const int n = kindHelpSituation(filters_.kind)) form_.helpSituation(n);
    }
    form_.LabelSeleccion->show();
    BotSelcar->show();
    ComSelCar->show();
    form_.ListSel->setCursor(Qt::PointingHandCursor);
    setFontOf(form_.ListSel, kTimes, 12 + program_.state().largeFontsCorrection);
    fillListSel(rows);
    if (QListWidgetItem* top = form_.ListSel->item(listTop_))
        form_.ListSel->scrollToItem(top, QAbstractItemView::PositionAtTop);
    listSelectable_ = true;
    placeListSelectable_ = false;
    form_.ListSel->setSelectionMode(QAbstractItemView::SingleSelection);
    form_.LabelSeleccion->setText(
        toQt(listCountCaption(program_.texts(), rows.size(), catalog.degreeCount)));
}

void DegreeFace::ComSelCarChange(int entry) {
    filters_.modalityActive = true;
    filters_.modality = entry;
    kindChangeFromFilter_ = false;
    rebuildAllDegrees();
}

void DegreeFace::BotSelcarChange(int entry) {
    filters_.kindActive = true;
    filters_.kind = entry;
    kindChangeFromFilter_ = true;
    rebuildAllDegrees();
}

void DegreeFace::clearWorkList() {
    form_.PanelSelTit->clear();
    form_.ListSel->clear();
    listRows_ = {};
}

void DegreeFace::fillListSel(const ListRows& rows) {
    listRows_ = rows;
    form_.ListSel->clear();
    for (const auto& row : rows.rows)
        form_.ListSel->addItem(toQt(row));
}

void DegreeFace::listActivated() {
    form_.ListSel->setCursor(Qt::ForbiddenCursor);
    if (!listSelectable_ && !placeListSelectable_) return;
    const int degree = listRows_.degreeAt(form_.ListSel->currentRow());
    if (degree == 0) return;
    openDegree(degree, placeListSelectable_);
}

void DegreeFace::openDegree(int j, bool fromPlaceList) {
    form_.helpSituation(14);
    const int currentTop = form_.ListSel->indexAt(QPoint(1, 1)).row();
    listTop_ =
        refreshedListTop(listTop_, form_.data().degrees.degreeCount, std::max(0, currentTop));
    selectedDegree_ = j;
    if (fromPlaceList) {
        form_.ListComunidad->hide();
        form_.BotRetroceder->hide();
        form_.BotImprimir->hide();
        BotIntUni->hide();
    }
    // The list is emptied below: its heading goes with it.
    form_.PanelSelTit->clear();
    BotSelcar->hide();
    form_.LabelSeleccion->hide();
    ComSelCar->hide();
    form_.regionMap().hidePanel();
    form_.PanelCarSel->setText(toQt(TrimRight(form_.data().degrees.name(j))));
    form_.PanelCarSel->show();
    form_.ListSel->clear();
    listRows_ = {};
    listSelectable_ = false;
    placeListSelectable_ = false;
    PanelCar->show();
    blink_.start();
    TimerParpadeo.start();
}

void DegreeFace::TimerParpadeoTimer() {
    const BlinkTick tick = blink_.tick();
    form_.PanelCarSel->setText(
        tick.shown ? toQt(TrimRight(form_.data().degrees.name(selectedDegree_))) : QString());
    if (tick.stop) TimerParpadeo.stop();
}

void DegreeFace::showViewRows(const std::string& heading, const std::vector<std::string>& rows,
                              const QString& family, int size) {
    BotSelcar->hide();
    ComSelCar->hide();
    form_.LabelSeleccion->hide();
    const int points = size + program_.state().largeFontsCorrection;
    form_.PanelSelTit->setText(toQt(heading));
    setFontOf(form_.PanelSelTit, kCourier, family == kCourier ? points : 12, true);
    setFontOf(form_.ListSel, family, points);
    ListRows list;
    for (const auto& row : rows)
        list.add(row);
    fillListSel(list);
    listSelectable_ = false;
    placeListSelectable_ = false;
    form_.ListSel->setSelectionMode(QAbstractItemView::NoSelection);
    form_.listSel2->hide();
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.ListSel->show();
}

// The places' help speaks of cut-off marks; the other lists of a degree bring the menu's
// help back, so that no list is commented by another one's help.
void DegreeFace::MenuCar1Click() {
    markUsed(MenuCar1);
    BotFP->hide();
    form_.helpSituation(21);
    const auto list = placesOfDegree(form_.data().degrees, form_.data().geography.places,
                                     selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kCourier, 12);
}

void DegreeFace::MenuCar2Click() {
    markUsed(MenuCar2);
    BotFP->hide();
    form_.helpSituation(14);
    const auto list = requirementsOfDegree(form_.data().degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
}

void DegreeFace::MenuCar3Click() {
    markUsed(MenuCar3);
    BotFP->hide();
    form_.helpSituation(14);
    const auto list = outletsOfDegree(form_.data().degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
}

void DegreeFace::MenuCar4Click() {
    markUsed(MenuCar4);
    BotFP->hide();
    form_.helpSituation(14);
    const auto list = subjectsOfDegree(form_.data().degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
}

void DegreeFace::MenuCar5Click() {
    markUsed(MenuCar5);
    BotFP->hide();
    const auto list = relatedToDegree(form_.data().degrees, selectedDegree_, program_.texts());
    showViewRows(list.heading, list.rows, kTimes, 12);
    placeFpButton(static_cast<int>(list.rows.size()));
    form_.helpSituation(relatedHelpShown(list.rows) ? 20 : 14);
}

// The way in from higher FP sits a few lines under the related degrees, inside the list.
void DegreeFace::placeFpButton(int rows) {
    if (!offersFpAccess(form_.data().degrees, selectedDegree_)) {
        BotFP->hide();
        return;
    }
    const int lineHeight =
        std::max(form_.ListSel->sizeHintForRow(0), form_.ListSel->fontMetrics().height());
    const QRect list = form_.ListSel->geometry();
    BotFP->move(list.left() + 1,
                fpAccessButtonTop(list.top(), list.bottom(), rows, lineHeight, BotFP->height()));
    BotFP->show();
    BotFP->raise();
}

void DegreeFace::BotFPClick() {
    if (auto* bridges = qobject_cast<QDialog*>(program_.form(QStringLiteral("TForm6"))))
        bridges->exec();
}

void DegreeFace::MenuCar7Click() {
    markUsed(MenuCar7);
    BotFP->hide();
    showAllDegrees();
}

void DegreeFace::MenuCar8Click() {
    markUsed(MenuCar8);
    BotFP->hide();
    form_.ListSel->setCursor(Qt::ForbiddenCursor);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             form_.PanelCarSel, form_.PanelSel, form_.PanelSelTit, form_.ListSel, PanelCar,
             BotSelcar, ComSelCar, form_.LabelSeleccion, BitRetroSelCar})
        widget->hide();
    clearWorkList();
    PanelMenu->show();
    form_.helpSituation(1);  // not the help of the list just left
}

void DegreeFace::backClicked() {
    if (byPlaceMode_ == ByPlaceMode::DoubleByUniversity && form_.ListComunidad->isVisible()) {
        // Back to the map: what the last university offered goes with it.
        clearWorkList();
        chosenEntry_ = -1;
        form_.BotImprimir->hide();
        form_.ListComunidad->hide();
        form_.regionMap().mapa->show();
        return;
    }
    form_.LabelSeleccion->hide();
    placeListSelectable_ = false;
    form_.ListSel->setCursor(Qt::ForbiddenCursor);
    for (QWidget* widget : std::initializer_list<QWidget*>{
             form_.PanelSel, form_.PanelSelTit, form_.ListSel, BotIntUni, form_.BotImprimir})
        widget->hide();
    clearWorkList();
    chosenEntry_ = -1;
    if (byPlaceMode_ == ByPlaceMode::DoubleByDegree ||
        byPlaceMode_ == ByPlaceMode::DoubleByUniversity) {
        byPlaceMode_ = ByPlaceMode::None;
        form_.regionMap().mapa->hide();
        form_.ListComunidad->hide();
        form_.listSel2->hide();
        form_.BotRetroceder->hide();
        PanelMenu->show();
        form_.helpSituation(1);
    } else if (otherStudiesMode_) {
        otherStudiesMode_ = false;
        PanelMenu->show();
        form_.ListComunidad->hide();
        form_.BotRetroceder->hide();
        form_.helpSituation(1);  // the other studies' help would stay on the menu
    } else if (form_.regionMap().mapa->isVisible()) {
        form_.regionMap().mapa->hide();
        form_.BotRetroceder->hide();
        PanelMenu->show();
        form_.helpSituation(1);
    } else if (form_.ListComunidad->isVisible()) {
        form_.ListComunidad->hide();
        form_.regionMap().mapa->show();
    }
}

}  // namespace rumbelo
