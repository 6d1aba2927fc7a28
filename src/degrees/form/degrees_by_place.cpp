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
#include "degrees/form/degree_face.h"
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

void DegreeFace::MenuCarUni3Click() {
    showMapFor(ByPlaceMode::Single);
}

void DegreeFace::MenuCarUniDoble2Click() {
    showMapFor(ByPlaceMode::DoubleByUniversity);
}

void DegreeFace::showMapFor(ByPlaceMode mode) {
    byPlaceMode_ = mode;
    chosenEntry_ = -1;
    PanelMenu->hide();
    form_.regionMap().mapa->show();
    form_.helpSituation(31);
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.listSel2->hide();
    form_.ListSel->show();
    form_.BotRetroceder->show();
}

// The community action of the degree browser: the universities of the community, or its
// universities with double degrees.
void DegreeFace::communityClicked(int community) {
    const auto& geo = form_.data().geography;
    auto& selection = form_.regionMap().selection();
    if (byPlaceMode_ == ByPlaceMode::Single) {
        form_.helpSituation(15);
        chosenEntry_ = -1;
        selection.places = region_map::universityPlaces(geo, community);
        if (selection.places.empty()) return;
        form_.ListComunidad->clear();
        for (const int place : selection.places)
            form_.ListComunidad->addItem(toQt(geo.places.names[place]));
    } else if (byPlaceMode_ == ByPlaceMode::DoubleByUniversity) {
        form_.helpSituation(15);
        // A new community: nothing of the last one's universities stays on view.
        clearWorkList();
        chosenEntry_ = -1;
        selection.places = region_map::doubleDegreeGroups(form_.data().doubles, community);
        if (selection.places.empty()) {
            ListRows nothing;
            nothing.add(program_.texts()[kNothingHere]);
            fillListSel(nothing);
            form_.ListSel->show();
            return;
        }
        form_.ListComunidad->clear();
        for (const int group : selection.places)
            form_.ListComunidad->addItem(
                toQt(form_.data().doubles.groups[static_cast<std::size_t>(group)].name));
    } else {
        return;
    }
    setFontOf(form_.ListComunidad, kTimes, 10 + program_.state().largeFontsCorrection);
    form_.ListComunidad->show();
    form_.ListComunidad->raise();
    form_.regionMap().hideMaps();
}

void DegreeFace::communityListClicked(int entry) {
    if (entry < 0) return;
    chosenEntry_ = entry;
    form_.BotImprimir->show();
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

void DegreeFace::showUniversityDegrees(int entry) {
    const auto& places = form_.regionMap().selection().places;
    if (entry >= static_cast<int>(places.size())) return;
    currentPlace_ = places[static_cast<std::size_t>(entry)];
    form_.ListSel->setCursor(Qt::PointingHandCursor);
    BotIntUni->show();
    const ListRows rows = universityDegreeRows(form_.data().degrees, currentPlace_);
    const int points = 10 + program_.state().largeFontsCorrection;
    setFontOf(form_.ListSel, kCourier, points);
    setFontOf(form_.PanelSelTit, kCourier, points, true);
    form_.PanelSelTit->setText(form_.ListComunidad->item(entry)->text());
    BotSelcar->hide();
    ComSelCar->hide();
    form_.LabelSeleccion->hide();
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.ListSel->show();
    form_.listSel2->hide();
    fillListSel(rows);
    placeListSelectable_ = true;
    form_.ListSel->setSelectionMode(QAbstractItemView::SingleSelection);
}

void DegreeFace::BotIntUniClick() {
    openWebAddress("http://www." +
                   TrimRight(form_.data().geography.places.descriptions[currentPlace_]));
}

void DegreeFace::MenuCarUniDobleClick() {
    byPlaceMode_ = ByPlaceMode::DoubleByDegree;
    chosenEntry_ = -1;
    communityRows_ = degreesWithDoubles(form_.data().degrees, form_.data().doubles);
    form_.ListComunidad->clear();
    setFontOf(form_.ListComunidad, kTimes, 10 + program_.state().largeFontsCorrection);
    for (const int degree : communityRows_)
        form_.ListComunidad->addItem(toQt(TrimRight(form_.data().degrees.name(degree))));
    PanelMenu->hide();
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.ListSel->show();
    form_.BotRetroceder->show();
    form_.ListComunidad->show();
}

void DegreeFace::showDoubleDegreesOfDegree(int entry) {
    if (entry >= static_cast<int>(communityRows_.size())) return;
    const int degree = communityRows_[static_cast<std::size_t>(entry)];
    const InterfaceTexts& texts = program_.texts();
    form_.LabelSeleccion->setText(toQt(doubleDegreesOfDegreeCaption(texts)));
    form_.LabelSeleccion->show();
    const int points = 10 + program_.state().largeFontsCorrection;
    form_.PanelSelTit->setText(toQt(doubleDegreesOfDegreeHeading(texts)));
    setFontOf(form_.PanelSelTit, kCourier, points, true);
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.ListSel->hide();
    form_.listSel2->show();
    form_.listSel2->clear();
    setFontOf(form_.listSel2, kTimes, points);
    QString html;
    for (const auto& line :
         doubleDegreesOfDegree(form_.data().degrees, form_.data().doubles, degree))
        html += richLine(line);
    form_.listSel2->setHtml(html);
}

void DegreeFace::showDoubleDegreesOfUniversity(int entry) {
    const auto& groups = form_.regionMap().selection().places;
    if (entry >= static_cast<int>(groups.size())) return;
    const int group = groups[static_cast<std::size_t>(entry)];
    ListRows rows;
    for (auto& line : doubleDegreesOfUniversity(form_.data().degrees, form_.data().doubles, group,
                                                program_.texts()))
        rows.add(std::move(line));
    const int points = 12 + program_.state().largeFontsCorrection;
    form_.PanelSelTit->setText(toQt(program_.texts()[242]));
    setFontOf(form_.PanelSelTit, kCourier, points, true);
    setFontOf(form_.ListSel, kTimes, points);
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.ListSel->show();
    form_.listSel2->hide();
    fillListSel(rows);
    listSelectable_ = false;
    placeListSelectable_ = false;
    form_.ListSel->setSelectionMode(QAbstractItemView::NoSelection);
}

void DegreeFace::menui4Click() {
    form_.helpSituation(23);
    otherStudiesMode_ = true;
    chosenEntry_ = -1;
    PanelMenu->hide();
    form_.PanelFP->hide();
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    form_.listSel2->hide();
    form_.ListSel->show();
    form_.ListComunidad->clear();
    setFontOf(form_.ListComunidad, kTimes, 10 + program_.state().largeFontsCorrection);
    const auto& catalog = form_.data().degrees;
    for (int k = 1; k <= catalog.otherCount; ++k)
        form_.ListComunidad->addItem(toQt(TrimRight(catalog.others[k])));
    form_.ListComunidad->show();
    form_.BotRetroceder->show();
}

void DegreeFace::showOtherStudy(int entry) {
    form_.listSel2->hide();
    form_.ListSel->show();
    const int points = 12 + program_.state().largeFontsCorrection;
    form_.PanelSelTit->setText(toQt(program_.texts()[312]));
    setFontOf(form_.PanelSelTit, kCourier, points, true);
    setFontOf(form_.ListSel, kTimes, points);
    ListRows rows;
    for (auto& line : form_.data().degrees.otherStudyRows(entry + 1))
        rows.add(std::move(line));
    fillListSel(rows);
    listSelectable_ = false;
    placeListSelectable_ = false;
    form_.ListSel->setSelectionMode(QAbstractItemView::NoSelection);
}

}  // namespace rumbelo
