// TForm3 on the map: the centres of the title on view in a community, the place mode with
// its provinces, localities, comarcas and areas, the back button's rules, and the reports
// of a title and of a place. The rows come from the FP listing core.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "common/fp_listing/listing_by_title.h"
#include "common/print/report_printing.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "common/widgets/listing_grid.h"
#include "platform/shell.h"
#include "vocational/intermediate/form/intermediate_form.h"
#include "vocational/intermediate/form/intermediate_layout.h"
#include "vocational/intermediate/form/intermediate_state.h"
#include "vocational/intermediate/listing/medium_listing.h"
#include "vocational/intermediate/listing/title_panels.h"

namespace rumbelo {

using namespace intermediate;
using namespace intermediate::layout;

void TForm3::showGrid(const fp_listing::Listing& listing, bool withPhones, bool emptyNotice) {
    // A title's centres show 44 characters of each row; a place's rows are shown whole,
    // a title's name running on over the empty telephone column.
    const std::size_t textWidth =
        state_->mode == Mode::Place ? fp_listing::kRowWidth : fp_listing::kCentreNameWidth;
    const fp_listing::GridRows grid =
        fp_listing::gridRows(listing, withPhones, textWidth,
                             emptyNotice ? program_.texts().trimmed(kNoCentres) : std::string());
    listSelFP->hide();
    fillListingGrid(reja, grid);
    state_->rowTitles = grid.titles;
}

// The title's centres in a community -----------------------------------------------------

void TForm3::listTitleInCommunity(int community) {
    const auto files = mediumFiles(data_.fp2);
    const auto listing = fp_listing::listByTitle(files, geo_, community, state_->currentTitle);
    if (!listing) return;
    state_->community = community;
    state_->provinces = provincesOf(geo_, community);
    PanelSelTit->setText(toQt(program_.texts().trimmed(kCentresHeading)));
    PanelSelTit->show();
    showGrid(*listing, /*withPhones=*/true, /*emptyNotice=*/true);
    if (state_->questionnaireMode) completeQuestionnaireReport(*listing);
}

void TForm3::communityClicked(int community) {
    if (state_->printSelectionMode) {
        if (std::find(state_->chosenCommunities.begin(), state_->chosenCommunities.end(),
                      community) != state_->chosenCommunities.end())
            return;
        state_->chosenCommunities.push_back(community);
        ListImp->addItem(toQt(communityHint(geo_, community)));
        return;
    }
    if (state_->mode == Mode::Title) {
        listTitleInCommunity(community);
        return;
    }
    if (state_->mode != Mode::Place) return;
    regionMap_->hideMaps();
    regionMap_->hideComarcaList();
    regionMap_->hidePanel();
    state_->localityStage = false;
    state_->community = community;
    state_->provinces = provincesOf(geo_, community);
    state_->comarcaMode = community == kComarcaMapCommunity;
    state_->areaMode = community == kAreaMapCommunity;
    state_->placeKind = PlaceKind::None;
    if (state_->comarcaMode) {
        regionMap_->mapac->show();
        return;
    }
    if (state_->areaMode) {
        regionMap_->mapam->show();
        return;
    }
    if (state_->provinces.size() == 1) {
        listPlace(1);
        return;
    }
    ListSelLugFP->clear();
    for (const ProvinceEntry& province : state_->provinces)
        ListSelLugFP->addItem(toQt(TrimRight(province.listName)));
    ListSelLugFP->show();
}

// Place mode ------------------------------------------------------------------------------

void TForm3::botLug2Click() {
    state_->mode = Mode::Place;
    clearBubble();
    stopGuide();
    hideMenu();
    state_->localityStage = false;
    state_->placeKind = PlaceKind::None;
    state_->comarcaMode = state_->areaMode = false;
    regionMap_->mapa->show();
    PanelSelTit->setText(toQt(program_.texts().trimmed(kFamiliesHeading)));
    PanelSelTit->show();
    reja->setRowCount(0);
    state_->rowTitles.clear();
    reja->setCursor(Qt::PointingHandCursor);
    reja->show();
    BotRetrocederFP->show();
    PanelCarSel->clear();
    PanelCarSel->show();
    state_->doubleClickAllowed = true;
}

void TForm3::ListSelLugFPClick(int row) {
    if (row < 0 || row >= ListSelLugFP->count()) return;
    listPlace(row + 1);
}

fp_listing::Listing TForm3::placeListing(int topCentre) const {
    const auto files = mediumFiles(data_.fp2);
    switch (state_->placeKind) {
        case PlaceKind::Comarca:
            return mediumPlaceListing(files, geo_, 4, centresOfComarca(geo_, state_->comarca), 0);
        case PlaceKind::Area:
            return mediumPlaceListing(files, geo_, 2, centresOfArea(geo_, state_->area), 0);
        case PlaceKind::Province:
        case PlaceKind::Locality: {
            const int zone = fp_listing::zoneNumber(state_->savedZone);
            return mediumPlaceListing(
                files, geo_, zone, fp_listing::centresOfProvince(geo_, zone, state_->savedLetter),
                topCentre);
        }
        case PlaceKind::None:
            break;
    }
    return {};
}

void TForm3::listPlace(int row) {
    for (QPushButton* button : {BotRetrocederFP, BotImprimir, BotTelefono})
        button->show();
    if (!state_->localityStage) {
        if (row < 1 || row > static_cast<int>(state_->provinces.size())) return;
        const ProvinceEntry& province = state_->provinces[static_cast<std::size_t>(row - 1)];
        state_->chosenProvince = row;
        state_->zone = state_->savedZone = province.zone;
        state_->letter = state_->savedLetter = province.letter;
        state_->longNames = province.longLocalities;
        const int zone = fp_listing::zoneNumber(province.zone);
        const auto localities =
            mediumLocalities(mediumFiles(data_.fp2), geo_, province,
                             fp_listing::centresOfProvince(geo_, zone, province.letter));
        state_->localityFirstCentres = localities.firstCentre;
        state_->placeName = TrimRight(province.listName);
        state_->placeKind = PlaceKind::Province;
        PanelCarSel->setText(toQt(state_->placeName));
        PanelCarSel->show();
        reja->setRowCount(0);
        state_->rowTitles.clear();
        reja->show();
        ListSelLugFP->clear();
        for (const std::string& name : localities.names)
            ListSelLugFP->addItem(toQt(TrimRight(name)));
        ListSelLugFP->show();
        state_->localityStage = true;
        return;
    }
    if (row < 1 || row > static_cast<int>(state_->localityFirstCentres.size())) return;
    state_->chosenLocality = row;
    state_->placeKind = PlaceKind::Locality;
    PanelSelTit->setText(toQt(program_.texts().trimmed(kFamiliesHeading)));
    PanelCarSel->setText(toQt(state_->placeName));
    showGrid(placeListing(state_->localityFirstCentres[static_cast<std::size_t>(row - 1)]),
             state_->phoneShown, false);
}

void TForm3::listComarca(int comarca) {
    if (state_->mode != Mode::Place || !state_->comarcaMode) return;
    state_->comarca = comarca;
    state_->placeKind = PlaceKind::Comarca;
    state_->placeName = TrimRight(comarcaName(geo_, comarca));
    for (QPushButton* button : {BotRetrocederFP, BotImprimir, BotTelefono})
        button->show();
    PanelCarSel->setText(toQt(state_->placeName));
    PanelSelTit->setText(toQt(program_.texts().trimmed(kFamiliesHeading)));
    showGrid(placeListing(0), state_->phoneShown, false);
}

void TForm3::listArea(int area) {
    if (state_->mode != Mode::Place || !state_->areaMode) return;
    state_->area = area;
    state_->placeKind = PlaceKind::Area;
    state_->placeName = areaHint(geo_, area);
    for (QPushButton* button : {BotRetrocederFP, BotImprimir, BotTelefono})
        button->show();
    PanelCarSel->setText(toQt(state_->placeName));
    PanelSelTit->setText(toQt(program_.texts().trimmed(kFamiliesHeading)));
    showGrid(placeListing(0), state_->phoneShown, false);
}

void TForm3::BotTelefonoClick() {
    state_->phoneShown = !state_->phoneShown;
    switch (state_->placeKind) {
        case PlaceKind::Locality:
            listPlace(state_->chosenLocality);
            break;
        case PlaceKind::Comarca:
            listComarca(state_->comarca);
            break;
        case PlaceKind::Area:
            listArea(state_->area);
            break;
        case PlaceKind::Province:
        case PlaceKind::None:
            break;  // nothing listed yet
    }
}

void TForm3::rejaDblClick(int row) {
    if (!state_->doubleClickAllowed || row < 0 || row >= static_cast<int>(state_->rowTitles.size()))
        return;
    const int title = state_->rowTitles[static_cast<std::size_t>(row)];
    if (title == 0) return;
    for (QWidget* w : std::initializer_list<QWidget*>{ListSelLugFP, reja, PanelCarSel, PanelSelTit,
                                                      BotTelefono, BotImprimir})
        w->hide();
    regionMap_->hideMaps();
    regionMap_->hideComarcaList();
    state_->localityStage = false;
    state_->doubleClickAllowed = false;
    reja->setCursor(Qt::ArrowCursor);
    state_->helpPending = true;
    showTitle(title);
}

// Back ------------------------------------------------------------------------------------

void TForm3::BotRetrocederFPClick() {
    QLabel* mapa = regionMap_->mapa;
    if (state_->mode == Mode::Place) {
        if (state_->localityStage && state_->provinces.size() > 1) {
            state_->localityStage = false;
            state_->placeKind = PlaceKind::None;
            reja->setRowCount(0);
            state_->rowTitles.clear();
            ListSelLugFP->clear();
            for (const ProvinceEntry& province : state_->provinces)
                ListSelLugFP->addItem(toQt(TrimRight(province.listName)));
            PanelCarSel->clear();
            BotImprimir->hide();
            return;
        }
        if (mapa->isVisible()) {
            hideEverything();
            state_->mode = Mode::Menu;
            state_->doubleClickAllowed = false;
            reja->setCursor(Qt::ArrowCursor);
            showMenu();
            return;
        }
        for (QWidget* w : std::initializer_list<QWidget*>{ListSelLugFP, BotTelefono, BotImprimir})
            w->hide();
        regionMap_->hideMaps();
        regionMap_->hideComarcaList();
        reja->setRowCount(0);
        state_->rowTitles.clear();
        PanelCarSel->clear();
        state_->localityStage = false;
        state_->placeKind = PlaceKind::None;
        state_->comarcaMode = state_->areaMode = false;
        mapa->show();
        return;
    }
    if (state_->mode != Mode::Title) return;
    if (mapa->isVisible()) {
        TimerParpadeo.stop();
        state_->printSelectionMode = false;
        for (QWidget* w : std::initializer_list<QWidget*>{BotPuesto, BotRequisitos, botAsig,
                                                          BotImprimir, reja, PanelCarSel, PanelImp})
            w->hide();
        regionMap_->hideMaps();
        regionMap_->hideComarcaList();
        regionMap_->hidePanel();
        const bool popup = !state_->helpPending && state_->clickedFamily >= 0;
        fillFamilies();
        if (popup) {
            ListTitFP->show();
            Labeltitulo->show();
            ListFPExpli->show();
            state_->popupShown = true;
        }
        return;
    }
    TimerSocorro.stop();
    clearBubble();
    hideEverything();
    stopGuide();
    state_->mode = Mode::Menu;
    showMenu();
}

// Reports ---------------------------------------------------------------------------------

void TForm3::BotImprimirClick() {
    if (state_->mode == Mode::Place)
        printPlace();
    else if (state_->mode == Mode::Title)
        printTitle(allCommunities());
}

void TForm3::printPlace() {
    if (state_->placeKind == PlaceKind::None) return;
    const fp_listing::Listing listing = placeListing(0);
    const int n = mediumPlaceReport(listing, program_.texts(), state_->placeName, state_->report,
                                    state_->bold);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintColumns(program_, printer, state_->report, n, /*compact=*/true, state_->bold);
}

void TForm3::printTitle(const std::vector<int>& communities) {
    state_->printing = true;
    const TitleReportResult result =
        mediumTitleReport(mediumFiles(data_.fp2), geo_, program_.texts(), state_->currentTitle,
                          communities, state_->report, state_->bold);
    state_->printing = false;
    if (result.needsSelection) {
        state_->printSelectionMode = true;
        state_->chosenCommunities.clear();
        ListImp->clear();
        PanelImp->show();
        PanelImp->raise();
        regionMap_->mapa->show();
        return;
    }
    const int n = std::min(result.lines, ReportTable::kLastEntry);
    std::vector<std::string> shown;
    for (int k = 0; k <= n; ++k)
        shown.push_back(state_->report[k]);
    showTextRows(shown, /*fixedPitch=*/true);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintColumns(program_, printer, state_->report, n, /*compact=*/true, state_->bold);
}

void TForm3::ListImpClick(int row) {
    if (row < 0 || row >= ListImp->count()) return;
    delete ListImp->takeItem(row);
    state_->chosenCommunities.erase(state_->chosenCommunities.begin() + row);
}

void TForm3::BotAceptarClick() {
    PanelImp->hide();
    state_->printSelectionMode = false;
    printTitle(state_->chosenCommunities);
}

}  // namespace rumbelo
