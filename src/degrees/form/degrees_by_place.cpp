// Degrees found from the map (the universities of a community and the degrees of one of
// them), the double degrees by degree and by university, and the other studies.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>

#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "degrees/browser/double_degree_lists.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/widget_look.h"
#include "platform/shell.h"

namespace rumbelo {

using namespace degrees;

namespace {

constexpr int kNothingHere = 292;

// One line of the rich-text list, blanks kept, headings in red.
QString richLine(const MarkedLine& line) {
    QString text = toQt(line.text).toHtmlEscaped();
    if (text.isEmpty()) text = QStringLiteral("&nbsp;");
    const QString colour = line.heading ? QStringLiteral("#ff0000") : QStringLiteral("#000000");
    return QStringLiteral("<div style=\"white-space:pre; color:%1\">%2</div>").arg(colour, text);
}

}  // namespace

void TForm1::MenuCarUni3Click() {
    showMapFor(ByPlaceMode::Single);
}

void TForm1::MenuCarUniDoble2Click() {
    showMapFor(ByPlaceMode::DoubleByUniversity);
}

void TForm1::showMapFor(ByPlaceMode mode) {
    byPlaceMode_ = mode;
    PanelMenu->hide();
    regionMap_->mapa->show();
    helpSituation(31);
    PanelSel->show();
    PanelSelTit->show();
    listSel2->hide();
    ListSel->show();
    BotRetroceder->show();
}

// The community action of the degree browser: the universities of the community, or its
// universities with double degrees.
void TForm1::communityAction(int community) {
    const auto& geo = data_->geography;
    auto& selection = regionMap_->selection();
    if (byPlaceMode_ == ByPlaceMode::Single) {
        helpSituation(15);
        selection.places = region_map::universityPlaces(geo, community);
        if (selection.places.empty()) return;
        ListComunidad->clear();
        for (const int place : selection.places)
            ListComunidad->addItem(toQt(geo.places.names[place]));
    } else if (byPlaceMode_ == ByPlaceMode::DoubleByUniversity) {
        helpSituation(15);
        selection.places = region_map::doubleDegreeGroups(data_->doubles, community);
        if (selection.places.empty()) {
            ListRows nothing;
            nothing.add(program_.texts()[kNothingHere]);
            fillListSel(nothing);
            ListSel->show();
            return;
        }
        ListComunidad->clear();
        for (const int group : selection.places)
            ListComunidad->addItem(
                toQt(data_->doubles.groups[static_cast<std::size_t>(group)].name));
    } else {
        return;
    }
    setFontOf(ListComunidad, kTimes, 10 + program_.state().largeFontsCorrection);
    ListComunidad->show();
    ListComunidad->raise();
    regionMap_->hideMaps();
}

void TForm1::ListComunidadClick(int entry) {
    if (entry < 0) return;
    BotImprimir->show();
    if (otherStudiesMode_) {
        showOtherStudy(entry);
        return;
    }
    switch (byPlaceMode_) {
        case ByPlaceMode::Single:
            showUniversityDegrees(entry);
            break;
        case ByPlaceMode::DoubleByDegree:
            showDoubleDegreesOfDegree(entry);
            break;
        case ByPlaceMode::DoubleByUniversity:
            showDoubleDegreesOfUniversity(entry);
            break;
        case ByPlaceMode::None:
            break;
    }
}

void TForm1::showUniversityDegrees(int entry) {
    const auto& places = regionMap_->selection().places;
    if (entry >= static_cast<int>(places.size())) return;
    currentPlace_ = places[static_cast<std::size_t>(entry)];
    ListSel->setCursor(Qt::PointingHandCursor);
    BotIntUni->show();
    const ListRows rows = universityDegreeRows(data_->degrees, currentPlace_);
    const int points = 10 + program_.state().largeFontsCorrection;
    setFontOf(ListSel, kCourier, points);
    setFontOf(PanelSelTit, kCourier, points, true);
    PanelSelTit->setText(ListComunidad->item(entry)->text());
    BotSelcar->hide();
    ComSelCar->hide();
    LabelSeleccion->hide();
    PanelSel->show();
    PanelSelTit->show();
    ListSel->show();
    listSel2->hide();
    fillListSel(rows);
    placeListSelectable_ = true;
    ListSel->setSelectionMode(QAbstractItemView::SingleSelection);
}

void TForm1::BotIntUniClick() {
    openWebAddress("http://www." + TrimRight(data_->geography.places.descriptions[currentPlace_]));
}

void TForm1::MenuCarUniDobleClick() {
    byPlaceMode_ = ByPlaceMode::DoubleByDegree;
    communityRows_ = degreesWithDoubles(data_->degrees, data_->doubles);
    ListComunidad->clear();
    setFontOf(ListComunidad, kTimes, 10 + program_.state().largeFontsCorrection);
    for (const int degree : communityRows_)
        ListComunidad->addItem(toQt(TrimRight(data_->degrees.name(degree))));
    PanelMenu->hide();
    PanelSel->show();
    PanelSelTit->show();
    ListSel->show();
    BotRetroceder->show();
    ListComunidad->show();
}

void TForm1::showDoubleDegreesOfDegree(int entry) {
    if (entry >= static_cast<int>(communityRows_.size())) return;
    const int degree = communityRows_[static_cast<std::size_t>(entry)];
    const InterfaceTexts& texts = program_.texts();
    LabelSeleccion->setText(toQt(doubleDegreesOfDegreeCaption(texts)));
    LabelSeleccion->show();
    const int points = 10 + program_.state().largeFontsCorrection;
    PanelSelTit->setText(toQt(doubleDegreesOfDegreeHeading(texts)));
    setFontOf(PanelSelTit, kCourier, points, true);
    PanelSel->show();
    PanelSelTit->show();
    ListSel->hide();
    listSel2->show();
    listSel2->clear();
    setFontOf(listSel2, kTimes, points);
    QString html;
    for (const auto& line : doubleDegreesOfDegree(data_->degrees, data_->doubles, degree))
        html += richLine(line);
    listSel2->setHtml(html);
}

void TForm1::showDoubleDegreesOfUniversity(int entry) {
    const auto& groups = regionMap_->selection().places;
    if (entry >= static_cast<int>(groups.size())) return;
    const int group = groups[static_cast<std::size_t>(entry)];
    ListRows rows;
    for (auto& line :
         doubleDegreesOfUniversity(data_->degrees, data_->doubles, group, program_.texts()))
        rows.add(std::move(line));
    const int points = 12 + program_.state().largeFontsCorrection;
    PanelSelTit->setText(toQt(program_.texts()[242]));
    setFontOf(PanelSelTit, kCourier, points, true);
    setFontOf(ListSel, kTimes, points);
    PanelSel->show();
    PanelSelTit->show();
    ListSel->show();
    listSel2->hide();
    fillListSel(rows);
    listSelectable_ = false;
    placeListSelectable_ = false;
    ListSel->setSelectionMode(QAbstractItemView::NoSelection);
}

void TForm1::menui4Click() {
    helpSituation(23);
    otherStudiesMode_ = true;
    PanelMenu->hide();
    PanelFP->hide();
    PanelSel->show();
    PanelSelTit->show();
    listSel2->hide();
    ListSel->show();
    ListComunidad->clear();
    setFontOf(ListComunidad, kTimes, 10 + program_.state().largeFontsCorrection);
    const auto& catalog = data_->degrees;
    for (int k = 1; k <= catalog.otherCount; ++k)
        ListComunidad->addItem(toQt(TrimRight(catalog.others[k])));
    ListComunidad->show();
    BotRetroceder->show();
}

void TForm1::showOtherStudy(int entry) {
    listSel2->hide();
    ListSel->show();
    const int points = 12 + program_.state().largeFontsCorrection;
    PanelSelTit->setText(toQt(program_.texts()[312]));
    setFontOf(PanelSelTit, kCourier, points, true);
    setFontOf(ListSel, kTimes, points);
    ListRows rows;
    for (auto& line : data_->degrees.otherStudyRows(entry + 1))
        rows.add(std::move(line));
    fillListSel(rows);
    listSelectable_ = false;
    placeListSelectable_ = false;
    ListSel->setSelectionMode(QAbstractItemView::NoSelection);
}

}  // namespace rumbelo
