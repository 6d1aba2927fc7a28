// The higher-FP face's places: where the title on view is taught (a community of the map),
// and place mode (community, then province and locality, or comarca / area, the centres
// there with the titles open to the chosen route), the grid with its telephones, the
// community's web page, the double click back to a title and the back button's rules.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include "common/fp_listing/listing_by_title.h"
#include "common/fp_listing/route_test.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "degrees/browser/fp_views.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/fp_face.h"
#include "degrees/form/widget_look.h"
#include "platform/shell.h"

namespace rumbelo {

using namespace degrees;
using namespace fp_listing;

namespace {
constexpr int kHelpMap = 31;
constexpr int kHelpPlace = 32;
constexpr int kNothingHere = 292;
}  // namespace

void FpFace::connectPlaceControls() {
    RegionMap& map = form_.regionMap();
    connect(&map, &RegionMap::comarcaChosen, this, [this] {
        if (placeMode_) placeChosen();
    });
    connect(&map, &RegionMap::areaChosen, this, [this] {
        if (placeMode_) placeChosen();
    });
    connect(ListSelLugFP, &QListWidget::itemClicked, this, [this] { placeChosen(); });
    connect(ComBachi, &QComboBox::activated, this, [this] {
        if (!form_.regionMap().selection().comarcaMode) placeChosen();
    });
    connect(botTelefono, &QPushButton::released, this, [this] {
        telephoneShown_ = !telephoneShown_;
        placeChosen();
    });
    connect(BotInternetC, &QPushButton::released, this, &FpFace::BotInternetCClick);
    connect(reja, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { rejaDoubleClicked(row); });
    connect(BotRetrocederFP, &QPushButton::clicked, this, &FpFace::BotRetrocederFPClick);
    connect(ListImp, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = ListImp->row(item);
        printSelection_.removeAt(row);
        delete ListImp->takeItem(row);
    });
    connect(BotAceptar, &QPushButton::clicked, this, &FpFace::BotAceptarClick);
}

void FpFace::communityClicked(int community) {
    if (printSelectionMode_)
        communityChosenForPrint(community);
    else if (placeMode_)
        placeCommunity(community);
    else if (fpMode_)
        listByTitle(community);
}

void FpFace::MenuFpTit1Click() {
    markUsed(MenuFpTit1);
    listSelFP->clear();
    form_.PanelSelTit->clear();  // no heading over the emptied list
    PanelFpTit->hide();
    form_.PanelFP->hide();
    form_.regionMap().mapa->show();
    BotRetrocederFP->show();
    form_.helpSituation(kHelpMap);
}

void FpFace::listByTitle(int community) {
    const auto listing = fp_listing::listByTitle(higherFpFiles(form_.data().fp),
                                                 form_.data().geography, community, currentTitle_);
    if (!listing) return;
    form_.PanelSelTit->setText(toQt(program_.texts().trimmed(323)));
    form_.ListSel->hide();
    listSelFP->hide();
    showGrid(gridRows(*listing, true, kCentreNameWidth, program_.texts()[kNothingHere]), false);
}

void FpFace::MenuFP2Click() {
    form_.setActiveFace(this);
    fpMode_ = true;
    placeMode_ = true;
    localityStage_ = false;
    placeListed_ = false;
    routesFilled_ = false;
    form_.degreeFace().PanelMenu->hide();
    form_.PanelFP->hide();
    form_.PanelSel->show();
    form_.PanelSelTit->clear();
    form_.PanelSelTit->show();
    form_.ListSel->hide();
    form_.listSel2->hide();
    listSelFP->hide();
    reja->setRowCount(0);
    reja->show();  // empty until a place is chosen
    form_.regionMap().mapa->show();
    BotRetrocederFP->show();
    form_.helpSituation(kHelpMap);
    reja->setCursor(Qt::PointingHandCursor);
    gridDoubleClick_ = true;
}

void FpFace::placeCommunity(int community) {
    form_.helpSituation(kHelpPlace);
    localityStage_ = false;
    placeListed_ = false;
    community_ = community;
    RegionMap& map = form_.regionMap();
    map.mapa->hide();
    map.mapac->hide();
    map.mapam->hide();
    BotInternetC->show();
    botTelefono->show();
    provinces_ = provincesOf(form_.data().geography, community);
    ListSelLugFP->clear();
    for (const ProvinceEntry& province : provinces_)
        ListSelLugFP->addItem(toQt(TrimRight(province.listName)));
    const bool comarcas = community == kComarcaMapCommunity;
    const bool areas = community == kAreaMapCommunity;
    ListSelLugFP->setVisible(!comarcas && !areas);
    map.selection().comarcaMode = comarcas;
    map.selection().areaMode = areas;
    ComBachi->move(ComBachi->x(), map.mapac->y() + map.mapac->height());
    ListSelLugFP->resize(ListSelLugFP->width(), ComBachi->y() - ListSelLugFP->y() - 4);
    fillRoutes();
    ComBachi->show();
    ComBachi->raise();
    if (comarcas) map.mapac->show();
    if (areas) map.mapam->show();
}

void FpFace::fillRoutes() {
    if (routesFilled_) return;
    ComBachi->clear();
    for (const std::string& entry : routeEntries(form_.data().fp.requirements))
        ComBachi->addItem(toQt(entry));
    ComBachi->setCurrentIndex(0);
    routesFilled_ = true;
}

int FpFace::chosenRoute() const {
    return std::max(0, ComBachi->currentIndex());
}

// The listing of the chosen place; nullopt when the listing stops at the localities or
// nothing is chosen.
std::optional<Listing> FpFace::placeListing() {
    const auto& selection = form_.regionMap().selection();
    const auto& geo = form_.data().geography;
    const int entry = ListSelLugFP->currentRow();
    if (entry < 0 && !selection.comarcaMode && !selection.areaMode) return std::nullopt;
    if (!selection.comarcaMode && !selection.areaMode) {
        if (!localityStage_) {
            if (entry >= static_cast<int>(provinces_.size())) return std::nullopt;
            const ProvinceEntry& province = provinces_[static_cast<std::size_t>(entry)];
            zone_ = province.zone;
            letter_ = province.letter;
            longNames_ = province.longLocalities;
        } else {
            zone_ = savedZone_;
            letter_ = savedLetter_;
            chosenLocality_ = entry + 1;
        }
    }
    if (selection.comarcaMode) zone_ = '4';
    if (selection.areaMode) zone_ = '2';
    const int zone = zoneNumber(zone_);
    std::vector<int> centres;
    if (selection.comarcaMode)
        centres = centresOfComarca(geo, selection.comarca);
    else if (selection.areaMode)
        centres = centresOfArea(geo, selection.area);
    else
        centres = centresOfProvince(geo, zone, letter_);

    const FpCatalog& fp = form_.data().fp;
    if (!localityStage_ && !selection.comarcaMode && !selection.areaMode) {
        localities_ = localitiesOf(higherFpFiles(fp), geo, zone, centres,
                                   longNames_ ? kLongLocality : kShortLocality);
        savedZone_ = zone_;
        savedLetter_ = letter_;
        placeName_ = TrimRight(provinces_[static_cast<std::size_t>(entry)].listName);
        ListSelLugFP->clear();
        for (const std::string& name : localities_.names)
            ListSelLugFP->addItem(toQt(TrimRight(name)));
        localityStage_ = true;
        return std::nullopt;
    }
    int topCentre = 0;
    if (localityStage_ && chosenLocality_ >= 1 &&
        chosenLocality_ <= static_cast<int>(localities_.firstCentre.size()))
        topCentre = localities_.firstCentre[static_cast<std::size_t>(chosenLocality_ - 1)];
    const std::string route =
        ComBachi->count() > 0 ? fromQt(ComBachi->itemText(chosenRoute())) : std::string();
    return fpPlaceListing(fp, geo, zone, centres, chosenRoute(), route, topCentre);
}

void FpFace::placeChosen() {
    const auto& selection = form_.regionMap().selection();
    if (ListSelLugFP->currentRow() < 0 && !selection.comarcaMode && !selection.areaMode) return;
    form_.BotImprimir->show();
    const auto listing = placeListing();
    placeListed_ = listing.has_value();
    if (!listing) return;
    const auto& geo = form_.data().geography;
    std::string place = placeName_;
    if (selection.comarcaMode) place = TrimRight(comarcaName(geo, selection.comarca));
    if (selection.areaMode) place = areaHint(geo, selection.area);
    const std::string route =
        listing->rows.size() > 1 ? TrimRight(listing->rows[1].text) : std::string();
    form_.PanelSelTit->setText(toQt(place + " - " + route));
    form_.ListSel->hide();
    listSelFP->hide();
    reja->show();
    if (!listing->hasCentres()) {
        beep();
        form_.helpSituation(kHelpPlace);
        return;
    }
    showGrid(gridRows(*listing, telephoneShown_, std::string::npos), true);
}

void FpFace::showGrid(const GridRows& grid, bool handCursor) {
    grid_ = grid;
    reja->clearContents();
    reja->clearSpans();
    reja->setRowCount(static_cast<int>(grid.text.size()));
    for (int i = 0; i < reja->rowCount(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const QString phone = toQt(TrimRight(grid.phone[k]));
        reja->setItem(i, 0, new QTableWidgetItem(toQt(TrimRight(grid.text[k]))));
        reja->setItem(i, 1, new QTableWidgetItem(phone));
        // A row without a telephone (a title, a heading) may use the whole width.
        if (phone.isEmpty()) reja->setSpan(i, 0, 1, 2);
    }
    reja->setCursor(handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    reja->show();
    reja->raise();
    if (grid.topRow > 0 && grid.topRow < reja->rowCount())
        reja->scrollToItem(reja->item(grid.topRow, 0), QAbstractItemView::PositionAtTop);
    else
        reja->scrollToTop();
}

void FpFace::rejaDoubleClicked(int row) {
    if (!gridDoubleClick_) return;
    if (row < 0 || row >= static_cast<int>(grid_.titles.size())) return;
    const int t = grid_.titles[static_cast<std::size_t>(row)];
    if (t == 0) return;
    form_.PanelSelTit->clear();
    RegionMap& map = form_.regionMap();
    for (QWidget* w : std::initializer_list<QWidget*>{
             form_.BotImprimir, ListSelLugFP, ComBachi, BotInternetC, botTelefono, map.mapa,
             map.mapac, map.mapam, form_.PanelSel, form_.PanelSelTit, reja, BotRetrocederFP,
             form_.degreeFace().PanelMenu, form_.PanelFP})
        w->hide();
    localityStage_ = false;
    for (QWidget* w :
         std::initializer_list<QWidget*>{form_.PanelSel, form_.PanelSelTit, listSelFP, RetroFP})
        w->show();
    fpMode_ = true;
    clearPopupState();
    placeMode_ = false;
    map.selection().comarcaMode = false;
    map.selection().areaMode = false;
    reja->setCursor(Qt::ArrowCursor);
    gridDoubleClick_ = false;
    openTitle(t);
}

void FpFace::BotRetrocederFPClick() {
    placeListed_ = false;
    form_.PanelSelTit->clear();
    form_.BotImprimir->hide();
    RegionMap& map = form_.regionMap();
    if (localityStage_) {
        localityStage_ = false;
        ListSelLugFP->clear();
        for (const ProvinceEntry& province : provinces_)
            ListSelLugFP->addItem(toQt(TrimRight(province.listName)));
        placeChosen();
        return;
    }
    if (placeMode_) {
        if (map.mapa->isVisible()) {
            form_.helpSituation(2);
            gridDoubleClick_ = false;
            reja->setCursor(Qt::ArrowCursor);
            map.hideMaps();
            map.hideComarcaList();
            for (QWidget* w : std::initializer_list<QWidget*>{form_.PanelSel, form_.PanelSelTit,
                                                              reja, BotRetrocederFP})
                w->hide();
            form_.ListSel->show();
            form_.PanelFP->show();
            placeMode_ = false;
            fpMode_ = false;
        } else {
            map.mapa->show();
            for (QWidget* w : std::initializer_list<QWidget*>{map.mapac, map.mapam, ListSelLugFP,
                                                              ComBachi, BotInternetC, botTelefono})
                w->hide();
            map.hideComarcaList();
            map.selection().comarcaMode = false;
            map.selection().areaMode = false;
        }
        return;
    }
    reja->hide();
    if (ListSelLugFP->isVisible()) {
        ListSelLugFP->hide();
        map.mapa->show();
        return;
    }
    BotRetrocederFP->hide();
    map.hideMaps();
    map.hideComarcaList();
    PanelFpTit->show();
}

void FpFace::BotInternetCClick() {
    openWebAddress("http://" + TrimRight(form_.data().geography.communityWeb[community_]));
}

}  // namespace rumbelo
