// The higher-FP face's title mode: the families list with its hover highlight, the title
// popup with its preview, opening a title with its blinking name, the title's menu and the
// ways back to the families and to the FP menu.
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QTextEdit>

#include "common/fp_listing/family_list.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "degrees/browser/fp_views.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/fp_face.h"
#include "degrees/form/widget_look.h"

namespace rumbelo {

using namespace degrees;
using namespace fp_listing;

namespace {
// The popup stands in the 300 pixels left of the families list, not over it.
constexpr int kPopupWidth = 296;
constexpr int kPopupLeftOffset = 300;
constexpr int kPreviewLead = 6;
const QString kComic = QStringLiteral("Comic Sans MS");

// Row height from the list's own font, also while it is hidden and not laid out.
int itemHeight(const QListWidget* list) {
    const int h = list->count() > 0 ? list->sizeHintForRow(0) : 0;
    return h > 0 ? h : list->fontMetrics().height() + 2;
}

int topRowOf(const QListWidget* list) {
    const QModelIndex top = list->indexAt(QPoint(2, 2));
    return top.isValid() ? top.row() : 0;
}

void selectOnly(QListWidget* list, int row) {
    list->clearSelection();
    if (QListWidgetItem* item = list->item(row)) item->setSelected(true);
}

}  // namespace

void FpFace::connectControls() {
    connect(form_.MenuFP1, &QPushButton::clicked, this, &FpFace::MenuFP1Click);
    connect(form_.MenuFP2, &QPushButton::clicked, this, &FpFace::MenuFP2Click);
    connect(ListTitFP, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = ListTitFP->row(item);
        if (row >= 0 && row < static_cast<int>(popupTitles_.size()))
            openTitle(popupTitles_[static_cast<std::size_t>(row)]);
    });
    connect(MenuFpTit1, &QPushButton::clicked, this, &FpFace::MenuFpTit1Click);
    connect(MenuFpTit2, &QPushButton::clicked, this, [this] {
        markUsed(MenuFpTit2);
        showTextRows(277, fpRequirementRows(form_.data().fp, currentTitle_), false);
    });
    connect(MenuFpTit3, &QPushButton::clicked, this, [this] {
        markUsed(MenuFpTit3);
        showTextRows(312, fpContentsRows(form_.data().fp, currentTitle_, program_.texts()), true);
    });
    connect(MenuFpTit4, &QPushButton::clicked, this, [this] {
        markUsed(MenuFpTit4);
        showTextRows(324, fpDegreeRows(form_.data().fp, currentTitle_), false);
    });
    connect(MenuFpTit42, &QPushButton::clicked, this, [this] {
        markUsed(MenuFpTit42);
        openBridges();
    });
    connect(MenuFpTit5, &QPushButton::clicked, this, [this] {
        markUsed(MenuFpTit5);
        titleReport(true);
    });
    connect(MenuFPTitTodo, &QPushButton::clicked, this, [this] {
        markUsed(MenuFPTitTodo);
        titleReport(false);
    });
    connect(MenuFpTit6, &QPushButton::clicked, this, &FpFace::MenuFpTit6Click);
    connect(MenuFpTit7, &QPushButton::clicked, this, [this] {
        markUsed(MenuFpTit7);
        leaveTitle();
    });
    connect(RetroFP, &QPushButton::clicked, this, [this] {
        RetroFP->hide();
        leaveTitle();
    });
    connectPlaceControls();
}

void FpFace::enter() {
    form_.setActiveFace(this);
    form_.degreeFace().PanelMenu->hide();
    form_.PanelFP->show();
}

void FpFace::formActivated() {
    popupShown_ = false;
}

void FpFace::clearPopupState() {
    popupShown_ = false;
    hoveredFamily_ = -1;
    hoveredTitle_ = -1;
}

// MenuFP1 and the way back from a title.
void FpFace::MenuFP1Click() {
    showFamilies();
}

void FpFace::showFamilies() {
    form_.setActiveFace(this);
    form_.helpSituation(33);
    gridDoubleClick_ = false;
    form_.degreeFace().PanelMenu->hide();
    form_.PanelFP->hide();
    form_.PanelSel->show();
    form_.PanelSelTit->show();
    RetroFP->show();
    clearPopupState();
    placeMode_ = false;
    fpMode_ = true;

    const FpCatalog& fp = form_.data().fp;
    const FamilyList families = buildFamilyList(fp.families, fp.markedFamilies);
    familiesOrder_ = families.order;
    form_.PanelSelTit->setText(toQt(program_.texts().trimmed(294)));

    form_.ListSel->hide();
    form_.listSel2->hide();
    reja->hide();
    setFontOf(listSelFP, kComic, 10 + program_.state().largeFontsCorrection);
    listSelFP->setCursor(Qt::PointingHandCursor);
    listSelFP->clear();
    for (const std::string& row : families.rows)
        listSelFP->addItem(toQt(TrimRight(row)));
    familiesListed_ = true;
    listSelFP->setSelectionMode(QAbstractItemView::MultiSelection);
    listSelFP->show();
    if (!program_.state().assistantFlag) listSelFP->setFocus();
    const int top = restoredTopRow(familiesTop_, static_cast<int>(families.rows.size()));
    if (QListWidgetItem* item = listSelFP->item(top))
        listSelFP->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

void FpFace::familiesHover(int y) {
    if (!familiesListed_ || popupShown_) return;
    const int row = rowUnderPointer(y, itemHeight(listSelFP), topRowOf(listSelFP));
    if (row == hoveredFamily_ || row >= listSelFP->count()) return;
    hoveredFamily_ = row;
    selectOnly(listSelFP, row);
}

void FpFace::familyClicked(int y) {
    if (!familiesListed_) return;
    const int h = itemHeight(listSelFP);
    const int visibleRow = h > 0 ? y / h : 0;
    const int k = visibleRow + topRowOf(listSelFP);
    if (k < 0 || k >= static_cast<int>(familiesOrder_.size())) return;
    popupShown_ = true;
    selectOnly(listSelFP, k);
    clickedFamily_ = k;
    hoveredTitle_ = 0;

    const FpCatalog& fp = form_.data().fp;
    popupTitles_ = fp.familyTitles(familiesOrder_[static_cast<std::size_t>(k)]);
    ListTitFP->clear();
    for (int t : popupTitles_)
        ListTitFP->addItem(toQt(TrimRight(fp.titleName(t))));
    const QPoint listAt = form_.PanelSel->pos() + listSelFP->pos();
    const int titles = static_cast<int>(popupTitles_.size());
    // The popup's rows are as high as the families' rows, so that it ends at the clicked one.
    for (int i = 0; i < ListTitFP->count(); ++i)
        ListTitFP->item(i)->setSizeHint(QSize(kPopupWidth - 4, h));
    PopupPlacement place = placeTitlePopup(listAt.x(), listAt.y(), listSelFP->height(), h, y,
                                           visibleRow, titles, kPopupLeftOffset);
    // A long family near the top would push the popup off the window: keep it on.
    const int previewHeight = 6 * itemHeight(ListFPExpli) + 6;
    const int room = form_.height() - place.height - previewHeight - 8;
    const int shift = std::clamp(place.top, 34, std::max(34, room)) - place.top;
    place.top += shift;
    place.previewTop += shift;
    place.labelTop += shift;
    ListTitFP->setGeometry(place.left, place.top, kPopupWidth, place.height);
    ListFPExpli->setGeometry(place.left, place.previewTop, kPopupWidth, previewHeight);
    Labeltitulo->setGeometry(place.left, place.labelTop, kPopupWidth, 26);
    if (!popupTitles_.empty()) showPreview(popupTitles_.front());
    familiesTop_ = topRowOf(listSelFP);
    for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, ListFPExpli, Labeltitulo}) {
        w->show();
        w->raise();
    }
}

void FpFace::titleHover(int row) {
    if (row < 0 || row >= static_cast<int>(popupTitles_.size()) || row == hoveredTitle_) return;
    hoveredTitle_ = row;
    selectOnly(ListTitFP, row);
    showPreview(popupTitles_[static_cast<std::size_t>(row)]);
}

void FpFace::showPreview(int t) {
    ListFPExpli->clear();
    for (const std::string& row :
         titlePreview(form_.data().fp.blocks, t, kPreviewLead, program_.texts()[271]))
        ListFPExpli->addItem(toQt(TrimRight(row)));
}

void FpFace::openTitle(int t) {
    form_.setActiveFace(this);
    form_.helpSituation(14);
    clearPopupState();
    for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli, RetroFP})
        w->hide();
    currentTitle_ = t;
    form_.PanelCarSel->setText(toQt(TrimRight(form_.data().fp.titleName(t))));
    form_.PanelCarSel->show();
    blink_.start();
    blinkTimer_.start();
    listSelFP->clear();
    familiesListed_ = false;
    listSelFP->setSelectionMode(QAbstractItemView::NoSelection);
    PanelFpTit->show();
    PanelFpTit->raise();
}

void FpFace::blinkTick() {
    const BlinkTick tick = blink_.tick();
    form_.PanelCarSel->setText(
        tick.shown ? toQt(TrimRight(form_.data().fp.titleName(currentTitle_))) : QString());
    if (tick.stop) blinkTimer_.stop();
}

void FpFace::showTextRows(int heading, const std::vector<std::string>& rows, bool fixedPitch) {
    form_.PanelSelTit->setText(toQt(program_.texts().trimmed(heading)));
    reja->hide();
    form_.ListSel->hide();
    familiesListed_ = false;
    listSelFP->clear();
    listSelFP->setCursor(Qt::ArrowCursor);
    listSelFP->setSelectionMode(QAbstractItemView::NoSelection);
    setFontOf(listSelFP, fixedPitch ? kCourier : kComic,
              10 + program_.state().largeFontsCorrection);
    for (const std::string& row : rows)
        listSelFP->addItem(toQt(TrimRight(row)));
    listSelFP->setGeometry(form_.ListSel->geometry());
    listSelFP->show();
}

void FpFace::MenuFpTit6Click() {
    markUsed(MenuFpTit6);
    for (QWidget* w : std::initializer_list<QWidget*>{listSelFP, form_.PanelSel, form_.PanelSelTit,
                                                      form_.PanelCarSel, PanelFpTit})
        w->hide();
    blinkTimer_.stop();
    if (ListFPExpli->x() < 150 && !popupTitles_.empty()) {
        for (QWidget* w : std::initializer_list<QWidget*>{ListTitFP, Labeltitulo, ListFPExpli})
            w->show();
    }
    showFamilies();
}

void FpFace::leaveTitle() {
    fpMode_ = false;
    placeMode_ = false;
    familiesListed_ = false;
    blinkTimer_.stop();
    form_.PanelSelTit->clear();
    form_.PanelCarSel->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{
             listSelFP, reja, form_.PanelSel, form_.PanelSelTit, form_.PanelCarSel, PanelFpTit,
             ListTitFP, Labeltitulo, ListFPExpli, RetroFP})
        w->hide();
    form_.ListSel->show();  // the working list is the degree face's again under PanelSel
    form_.PanelFP->show();
    form_.helpSituation(2);
}

bool FpFace::eventFilter(QObject* watched, QEvent* event) {
    if (watched == familiesViewport_) {
        if (event->type() == QEvent::MouseMove)
            familiesHover(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        else if (event->type() == QEvent::MouseButtonRelease &&
                 static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            familyClicked(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        // The highlight is the face's to set: clicks must not toggle rows.
        if (familiesListed_ && (event->type() == QEvent::MouseButtonPress ||
                                event->type() == QEvent::MouseButtonDblClick))
            return true;
    } else if (watched == familiesList_ && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            leaveTitle();
            return true;
        }
    } else if (watched == popupViewport_ && event->type() == QEvent::MouseMove) {
        const QModelIndex at =
            ListTitFP->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (at.isValid()) titleHover(at.row());
    } else if (watched == gridViewport_ && event->type() == QEvent::MouseMove) {
        form_.regionMap().hidePanel();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rumbelo
