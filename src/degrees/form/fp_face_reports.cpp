// The higher-FP face on paper: the centres of a place (BotImprimir in place mode), the
// title report (MenuFpTit5 prints it, MenuFPTitTodo only shows it), and the choice of
// communities a long title report asks for first. The core builds every line.
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "common/fp_listing/fp_reports.h"
#include "common/print/report_printing.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "degrees/browser/fp_views.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/fp_face.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;
using namespace fp_listing;

void FpFace::openBridges() {
    if (auto* bridges = qobject_cast<QDialog*>(program_.form(QStringLiteral("TForm6"))))
        bridges->exec();
}

void FpFace::titleReport(bool printing) {
    if (currentTitle_ <= 0) return;
    fpMode_ = true;
    const std::vector<int> communities =
        printSelectionMode_ ? printSelection_.chosen() : everyCommunity();
    ReportTable report;
    BoldLines bold;
    const FpTitleReport built =
        fpTitleReport(form_.data().fp, form_.data().geography, currentTitle_, communities,
                      program_.texts(), true, report, bold);
    if (needsPrintSelection(built.lines, static_cast<int>(communities.size()), printing)) {
        PanelFpTit->hide();
        form_.PanelFP->hide();
        form_.regionMap().mapa->show();
        printSelection_.clear();
        ListImp->clear();
        printSelectionMode_ = true;
        PanelImp->show();
        PanelImp->raise();
        return;
    }
    const int n = std::min(built.lines, ReportTable::kLastEntry);
    form_.PanelSelTit->setText(toQt(report.title()));
    reja->hide();
    form_.ListSel->hide();
    familiesListed_ = false;
    listSelFP->clear();
    listSelFP->setCursor(Qt::ArrowCursor);
    listSelFP->setSelectionMode(QAbstractItemView::NoSelection);
    setFontOf(listSelFP, kCourier, 10 + program_.state().largeFontsCorrection);
    listSelFP->setGeometry(form_.ListSel->geometry());
    for (int k = 1; k <= n; ++k) {
        auto* item = new QListWidgetItem(toQt(TrimRight(report[k])), listSelFP);
        if (bold.contains(k)) {
            QFont font = listSelFP->font();
            font.setBold(true);
            item->setFont(font);
        }
    }
    listSelFP->show();
    printSelectionMode_ = false;
    if (!printing) return;
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(&form_)) return;
    PrintColumns(program_, printer, report, n, true, bold);
}

void FpFace::communityChosenForPrint(int community) {
    if (!printSelection_.choose(community)) return;
    ListImp->addItem(toQt(colsFrom(form_.data().geography.communities[community], 3)));
}

void FpFace::BotAceptarClick() {
    PanelImp->hide();
    PanelFpTit->show();
    form_.regionMap().hideMaps();
    form_.regionMap().hideComarcaList();
    ListImp->clear();
    titleReport(true);
}

void FpFace::printClicked() {
    if (!placeMode_) return;
    // A comarca or area clicked, or a locality chosen: a community alone prints nothing.
    if (!placeListed_) return;
    placeChosen();  // the grid shows what goes on paper
    const auto listing = placeListing();
    if (!listing) return;
    const auto& selection = form_.regionMap().selection();
    const auto& geo = form_.data().geography;
    std::string place = placeName_;
    if (selection.comarcaMode) place = TrimRight(comarcaName(geo, selection.comarca));
    if (selection.areaMode) place = areaHint(geo, selection.area);
    ReportTable report;
    BoldLines bold;
    const int n = placeReport(*listing, program_.texts().trimmed(289) + ": " + place,
                              kPlaceBoldLines, report, bold);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(&form_)) return;
    PrintColumns(program_, printer, report, n, true, bold);
}

}  // namespace rumbelo
