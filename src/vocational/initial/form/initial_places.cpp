// TFIniPro on the map: the centres of the programme on view in a community, the place mode
// with its provinces and localities, the back button's rules and the two reports. The rows
// come from the initial-listing core over the shared FP listing core.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "common/fp_listing/listing.h"
#include "common/fp_listing/listing_by_title.h"
#include "common/print/report_printing.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "common/widgets/listing_grid.h"
#include "vocational/initial/form/initial_form.h"

namespace rumbelo {

using namespace initial;

void TFIniPro::showGrid(const fp_listing::Listing& listing, bool emptyNotice) {
    // A programme's centres show 44 characters of each row; a place's rows are shown whole,
    // a programme's name running on over the empty telephone column.
    const std::size_t textWidth =
        mode_ == Mode::Place ? fp_listing::kRowWidth : fp_listing::kCentreNameWidth;
    const fp_listing::GridRows grid =
        fp_listing::gridRows(listing, /*withPhones=*/true, textWidth,
                             emptyNotice ? program_.texts().trimmed(kNoCentres) : std::string());
    Listsel->hide();
    fillListingGrid(reja, grid);
}

// The programme's centres in a community --------------------------------------------------

void TFIniPro::listProgrammeInCommunity(int community) {
    const auto listing = programmeCentres(offer_, geo_, community, programme_);
    if (!listing) return;
    community_ = community;
    communityChosen_ = true;
    PanelSelTit->setText(toQt(program_.texts().trimmed(kCentresHeading)));
    PanelSelTit->show();
    if (listing->rows.empty()) program_.state().messages().beep();
    showGrid(*listing, /*emptyNotice=*/true);
}

void TFIniPro::communityClicked(int community) {
    if (mode_ == Mode::Title) {
        if (regionMap_->mapa->isVisible() && programme_ != 0) listProgrammeInCommunity(community);
        return;
    }
    regionMap_->hideMaps();
    regionMap_->hidePanel();
    community_ = community;
    provinces_ = provincesOf(geo_, community);
    localityStage_ = false;
    provinceChosen_ = false;
    if (provinces_.size() == 1) {
        listPlace(1);
        return;
    }
    listProvinces();
}

void TFIniPro::listProvinces() {
    ListSelLugFP->clear();
    for (const ProvinceEntry& province : provinces_)
        ListSelLugFP->addItem(toQt(TrimRight(province.listName)));
    ListSelLugFP->show();
}

// Place mode ------------------------------------------------------------------------------

void TFIniPro::BotLugClick() {
    mode_ = Mode::Place;
    TimerAyuda.stop();
    TimerAyu.stop();
    for (QWidget* w : std::initializer_list<QWidget*>{ListSelFp, PanelSelTit0, PanelAyuda,
                                                      ListTitFP, ListFPExpli, BotLug})
        w->hide();
    localityStage_ = false;
    provinceChosen_ = false;
    regionMap_->mapa->show();
    PanelSelTit->setText(toQt(program_.texts().trimmed(kPlaceHeading)));
    PanelSelTit->show();
    reja->setRowCount(0);
    reja->show();
    BotRetrocederFP->show();
    PanelCarSel->clear();
    PanelCarSel->show();
}

void TFIniPro::ListSelLugFPClick(int row) {
    if (row < 0 || row >= ListSelLugFP->count()) return;
    listPlace(row + 1);
}

fp_listing::Listing TFIniPro::currentPlaceListing(int topCentre) const {
    const int zone = fp_listing::zoneNumber(savedZone_);
    return placeListing(offer_, files_, geo_, zone,
                        fp_listing::centresOfProvince(geo_, zone, savedLetter_), topCentre);
}

void TFIniPro::listPlace(int row) {
    BotRetrocederFP->show();
    BotImprimir->show();
    if (!localityStage_) {
        if (row < 1 || row > static_cast<int>(provinces_.size())) return;
        const ProvinceEntry& province = provinces_[static_cast<std::size_t>(row - 1)];
        savedZone_ = province.zone;
        savedLetter_ = province.letter;
        provinceChosen_ = true;
        const int zone = fp_listing::zoneNumber(province.zone);
        const auto localities = programmeLocalities(
            offer_, geo_, province, fp_listing::centresOfProvince(geo_, zone, province.letter));
        localityFirstCentres_ = localities.firstCentre;
        placeName_ = TrimRight(province.listName);
        PanelCarSel->setText(toQt(placeName_));
        PanelCarSel->show();
        reja->setRowCount(0);
        reja->show();
        ListSelLugFP->clear();
        for (const std::string& name : localities.names)
            ListSelLugFP->addItem(toQt(TrimRight(name)));
        ListSelLugFP->show();
        localityStage_ = true;
        return;
    }
    if (row < 1 || row > static_cast<int>(localityFirstCentres_.size())) return;
    chosenLocality_ = row;
    PanelSelTit->setText(toQt(program_.texts().trimmed(kPlaceHeading)));
    showGrid(currentPlaceListing(localityFirstCentres_[static_cast<std::size_t>(row - 1)]),
             /*emptyNotice=*/false);
}

// Back ------------------------------------------------------------------------------------

void TFIniPro::BotRetrocederFPClick() {
    QLabel* mapa = regionMap_->mapa;
    if (mode_ == Mode::Place) {
        if (localityStage_ && provinces_.size() > 1) {
            localityStage_ = false;
            provinceChosen_ = false;
            reja->setRowCount(0);
            PanelCarSel->clear();
            BotImprimir->hide();
            listProvinces();
            return;
        }
        for (QWidget* w :
             std::initializer_list<QWidget*>{reja, PanelCarSel, PanelSelTit, BotImprimir, ListSelFp,
                                             ListFPExpli, ListSelLugFP, Listsel})
            w->hide();
        localityStage_ = false;
        provinceChosen_ = false;
        if (mapa->isVisible()) {
            regionMap_->hideMaps();
            regionMap_->hidePanel();
            leave();
            return;
        }
        mapa->show();
        PanelSelTit->show();
        reja->setRowCount(0);
        reja->show();
        PanelCarSel->clear();
        PanelCarSel->show();
        return;
    }
    // A group's popup closes first: the group list under it is still the first screen.
    if (ListTitFP->isVisible()) {
        ListTitFP->hide();
        ListFPExpli->hide();
        hoverLock_ = false;
        return;
    }
    const bool groupsHidden = !ListSelFp->isVisible();
    TimerParpadeo.stop();
    for (QWidget* w : std::initializer_list<QWidget*>{PanelCarSel, PanelSelTit, reja, BotImprimir,
                                                      BotRequisitos, BotAsig, Listsel, BotLug,
                                                      ListFPExpli, ListTitFP, ListSelLugFP})
        w->hide();
    regionMap_->hideMaps();
    regionMap_->hidePanel();
    if (groupsHidden) {
        // Back on the group list, with its way to the places.
        ListSelFp->show();
        PanelSelTit0->show();
        BotLug->show();
        hoverLock_ = false;
        ListSelFp->clearSelection();
        return;
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{PanelAyuda, ListSelFp, PanelSelTit0, BotRetrocederFP})
        w->hide();
    leave();
}

// Reports ---------------------------------------------------------------------------------

void TFIniPro::BotImprimirClick() {
    printing_ = true;
    if (mode_ == Mode::Place)
        printPlace();
    else
        printProgramme();
    printing_ = false;
}

void TFIniPro::printPlace() {
    if (!provinceChosen_) return;
    const int n =
        initial::placeReport(currentPlaceListing(0), program_.texts(), placeName_, report_, bold_);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintList(program_, printer, report_, n, /*fixedPitch=*/true, 10, bold_);
}

void TFIniPro::printProgramme() {
    if (!communityChosen_) {
        program_.state().messages().show(program_.texts().trimmed(kChooseCommunityFirst));
        return;
    }
    const auto listing = programmeCentres(offer_, geo_, community_, programme_);
    if (!listing) return;
    const fp_listing::GridRows grid = fp_listing::gridRows(
        *listing, true, fp_listing::kCentreNameWidth, program_.texts().trimmed(kNoCentres));
    const int n = programmeReport(files_, program_.texts(), information_, geo_, programme_,
                                  community_, grid, report_, bold_);
    std::vector<std::string> shown;
    for (int k = 0; k <= n; ++k)
        shown.push_back(report_[k]);
    showRows(shown, QStringLiteral("Courier New"), 9);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintList(program_, printer, report_, n, /*fixedPitch=*/true, 10, bold_);
}

}  // namespace rumbelo
