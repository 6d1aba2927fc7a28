#include "vocational/intermediate/form/intermediate_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

#include "common/dialog/exit_confirmation.h"
#include "common/fp_listing/family_list.h"
#include "common/lists/image_list.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "common/widgets/tiled_picture.h"
#include "vocational/intermediate/form/intermediate_layout.h"
#include "vocational/intermediate/form/intermediate_state.h"
#include "vocational/intermediate/guide/heli_flight.h"
#include "vocational/intermediate/listing/title_panels.h"
#include "vocational/intermediate/questionnaire/medium_flow.h"
#include "vocational/intermediate/questionnaire/medium_report.h"

namespace rumbelo {

using namespace intermediate;
using namespace intermediate::layout;

TForm3::TForm3(Program& program, const GeographyData& geography,
               const secondary::SecondaryData& data)
    : QWidget(nullptr),
      program_(program),
      geo_(geography),
      data_(data),
      state_(std::make_unique<FormState>()),
      flow_(std::make_unique<MediumFlow>(data.mediumQuestionnaire, data.fp2)),
      report_(std::make_unique<MediumReport>()),
      flight_(std::make_unique<OpeningFlight>()) {
    build();
    ImageList pilot;
    if (pilot.load(program_.path("piloto.DXG"))) {
        if (const ImageItem* walker = pilot.find(u"piloto"))
            for (int k = 0; k < walker->patternCount(); ++k)
                pilotFrames_.append(walker->frame(k));
    }
    if (program_.state().staticScene) {
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
}

TForm3::~TForm3() = default;

void TForm3::connectControls() {
    connect(botTit2, &QPushButton::clicked, this, &TForm3::botTit2Click);
    connect(botLug2, &QPushButton::clicked, this, &TForm3::botLug2Click);
    connect(botSalir, &QPushButton::clicked, this, &TForm3::botSalirClick);
    connect(BotRequisitos, &QPushButton::clicked, this, &TForm3::BotRequisitosClick);
    connect(BotPuesto, &QPushButton::clicked, this, &TForm3::BotPuestoClick);
    connect(botAsig, &QPushButton::clicked, this, &TForm3::botAsigClick);
    connect(BotTelefono, &QPushButton::clicked, this, &TForm3::BotTelefonoClick);
    connect(BotRetrocederFP, &QPushButton::clicked, this, &TForm3::BotRetrocederFPClick);
    connect(BotImprimir, &QPushButton::clicked, this, &TForm3::BotImprimirClick);
    connect(BotAceptar, &QPushButton::clicked, this, &TForm3::BotAceptarClick);
    connect(BitFleGMde, &QPushButton::clicked, this, &TForm3::BitFleGMdeClick);
    connect(BitFleGMiz, &QPushButton::clicked, this, &TForm3::BitFleGMizClick);
    connect(BotImprimirCuesGM, &QPushButton::clicked, this, &TForm3::BotImprimirCuesGMClick);
    connect(BotSalirCues, &QPushButton::clicked, this, &TForm3::BotSalirCuesClick);
    connect(botSocorro, &QPushButton::clicked, this, &TForm3::botSocorroClick);
    connect(ListTitFP, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListTitFPClick(ListTitFP->row(item)); });
    connect(ListSelLugFP, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListSelLugFPClick(ListSelLugFP->row(item)); });
    connect(ListImp, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListImpClick(ListImp->row(item)); });
    connect(ListGM, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListGMClick(ListGM->row(item)); });
    connect(ListPeque, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ListPequeClick(ListPeque->row(item)); });
    connect(reja, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { rejaDblClick(row); });
    connect(regionMap_, &RegionMap::communityClicked, this, &TForm3::communityClicked);
    connect(regionMap_, &RegionMap::comarcaChosen, this, &TForm3::listComarca);
    connect(regionMap_, &RegionMap::areaChosen, this, &TForm3::listArea);
    connect(degrade, &TiledPicture::mouseMoved, regionMap_, &RegionMap::hidePanel);
    connect(&heli, &QTimer::timeout, this, &TForm3::heliTimer);
    connect(&TimerPiloto, &QTimer::timeout, this, &TForm3::TimerPilotoTimer);
    connect(&TimerAyu, &QTimer::timeout, this, &TForm3::TimerAyuTimer);
    connect(&TimerVuela, &QTimer::timeout, this, &TForm3::TimerVuelaTimer);
    connect(&TimerSocorro, &QTimer::timeout, this, &TForm3::TimerSocorroTimer);
    connect(&TimerParpadeo, &QTimer::timeout, this, &TForm3::TimerParpadeoTimer);
    connect(&TimerPeque, &QTimer::timeout, this, &TForm3::TimerPequeTimer);
    for (QListWidget* list : {listSelFP, ListTitFP})
        list->viewport()->installEventFilter(this);
    listSelFP->installEventFilter(this);
}

// Entry -------------------------------------------------------------------------------

void TForm3::enterFromSceneDoor(int section) {
    if (section != 5) return;
    state_->caller = callerFromFlag(program_);
    state_->questionnaireMode = false;
    // Only the first visit after start-up is flown in.
    state_->heliArmed = !state_->firstEntryDone;
    state_->helpPending = !state_->firstEntryDone;
    state_->firstEntryDone = true;
}

void TForm3::enterFromSecondary() {
    enterFromSceneDoor(5);
    state_->caller = Caller::Secondary;
    show();
    raise();
}

void TForm3::enterFromAssistant(AssistantRequest) {
    // The assistant's "Títulos" always flies the menu in, with the help line after it.
    state_->caller = Caller::Assistant;
    state_->questionnaireMode = false;
    state_->heliArmed = true;
    state_->helpPending = true;
    state_->firstEntryDone = true;
}

void TForm3::enterQuestionnaireFromSection() {
    state_->caller = callerFromFlag(program_);
    state_->questionnaireMode = true;
    state_->firstEntryDone = true;
    if (isVisible())
        activate();
    else
        show();
    raise();
}

void TForm3::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) activate();
}

void TForm3::activate() {
    if (state_->questionnaireMode) {
        activateQuestionnaire();
        return;
    }
    if (state_->mode != Mode::Menu) return;
    if (state_->heliArmed) {
        state_->heliArmed = false;
        hideMenu();
        startOpeningFlight();
    } else if (!state_->heliRunning) {
        showMenu();
    }
}

void TForm3::showMenu() {
    botTit2->setGeometry(kByTitle);
    botLug2->setGeometry(kByPlace);
    botSalir->setGeometry(kExit);
    for (QPushButton* button : {botTit2, botLug2, botSalir})
        button->show();
}

void TForm3::hideMenu() {
    for (QPushButton* button : {botTit2, botLug2, botSalir})
        button->hide();
}

void TForm3::hideEverything() {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             listSelFP,       ListTitFP,         ListFPExpli, Labeltitulo,
             PanelCarSel,     PanelSelTit,       reja,        ListSelLugFP,
             BotPuesto,       BotRequisitos,     botAsig,     BotImprimir,
             BotRetrocederFP, BotTelefono,       PanelImp,    ListGM,
             ListGM2,         ListPeque,         BitFleGMde,  BitFleGMiz,
             BotSalirCues,    BotImprimirCuesGM, LabAyuGM,    HeliPeque,
             botSocorro})
        widget->hide();
    regionMap_->hideMaps();
    regionMap_->hideComarcaList();
    regionMap_->hidePanel();
}

// Leaving ---------------------------------------------------------------------------

void TForm3::botSalirClick() {
    stopGuide();
    clearBubble();
    hideEverything();
    hideMenu();
    state_->mode = Mode::Menu;
    leaveSection();
}

void TForm3::leaveSection() {
    hide();
    returnToCaller(program_, state_->caller);
}

void TForm3::closeEvent(QCloseEvent* event) {
    if (program_.terminateRequested() || confirmExit(program_))
        event->accept();
    else
        event->ignore();
}

// Families list and popup -----------------------------------------------------------

void TForm3::botTit2Click() {
    state_->mode = Mode::Title;
    stopGuide();
    clearBubble();
    TimerSocorro.stop();
    hideMenu();
    BotRetrocederFP->show();
    fillFamilies();
}

void TForm3::fillFamilies() {
    const secondary::Fp2Catalog& fp2 = data_.fp2;
    const fp_listing::FamilyList families =
        fp_listing::buildFamilyList(fp2.families, fp2.firstGroupSize);
    state_->familyOrder = families.order;
    state_->popupShown = false;
    state_->hoveredFamily = -1;
    reja->hide();
    PanelSelTit->setText(toQt(program_.texts().trimmed(kFamiliesHeading)));
    PanelSelTit->show();
    listSelFP->clear();
    for (const std::string& row : families.rows) {
        auto* item = new QListWidgetItem(toQt(TrimRight(row)), listSelFP);
        item->setSizeHint(QSize(listSelFP->width() - 24, kItemHeight));
    }
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSize(std::max(1, 10 + program_.state().largeFontsCorrection));
    listSelFP->setFont(font);
    listSelFP->setCursor(Qt::PointingHandCursor);
    listSelFP->setSelectionMode(QAbstractItemView::SingleSelection);
    listSelFP->show();
    if (state_->caller != Caller::Assistant) listSelFP->setFocus();
    const int top = fp_listing::restoredTopRow(state_->familiesTop, listSelFP->count());
    if (QListWidgetItem* item = listSelFP->item(top))
        listSelFP->scrollToItem(item, QAbstractItemView::PositionAtTop);
    if (state_->helpPending) {
        state_->helpPending = false;
        const InterfaceTexts& t = program_.texts();
        startHelpLine(
            t.trimmed(kHelpLine1) + ". " + t.trimmed(kHelpLine2) + " " + t.trimmed(kHelpLine3),
            width(), 60);
        TimerSocorro.start();
    }
}

void TForm3::listSelFPMouseMove(int row) {
    if (state_->mode != Mode::Title || state_->popupShown || !regionMap_->mapa->isHidden()) return;
    if (row < 0 || row >= listSelFP->count() || row == state_->hoveredFamily) return;
    if (listSelFP->selectionMode() == QAbstractItemView::NoSelection) return;
    listSelFP->clearSelection();
    listSelFP->item(row)->setSelected(true);
    state_->hoveredFamily = row;
}

void TForm3::listSelFPMouseDown(int row, int clickY) {
    if (state_->mode != Mode::Title || !regionMap_->mapa->isHidden() || state_->questionnaireMode)
        return;
    if (listSelFP->selectionMode() == QAbstractItemView::NoSelection) return;
    if (row < 0 || row >= static_cast<int>(state_->familyOrder.size())) return;
    listSelFP->setCurrentRow(row);
    state_->popupShown = true;
    state_->clickedFamily = row;
    state_->hoveredTitle = 0;
    const int family = state_->familyOrder[static_cast<std::size_t>(row)];
    const std::vector<int> titles = data_.fp2.familyTitles(family);
    ListTitFP->clear();
    for (int t : titles) {
        auto* item = new QListWidgetItem(toQt(TrimRight(data_.fp2.titles[t])), ListTitFP);
        item->setSizeHint(QSize(ListTitFP->width() - 4, kItemHeight));
    }
    const int topRow = listSelFP->indexAt(QPoint(2, 2)).row();
    state_->familiesTop = std::max(0, topRow);
    const fp_listing::PopupPlacement place = fp_listing::placeTitlePopup(
        listSelFP->x(), listSelFP->y(), listSelFP->height(), kItemHeight, clickY,
        row - state_->familiesTop, static_cast<int>(titles.size()), kPopupOffset);
    // Kept inside the form, the preview under it clear of the buttons at the bottom.
    const int lowest = kBack.top() - 4 - ListFPExpli->height() - 1 - place.height;
    const int top = std::clamp(place.top, kFrame + 30, std::max(kFrame + 30, lowest));
    ListTitFP->setGeometry(place.left, top, kPopupWidth, place.height);
    ListFPExpli->move(place.left, top + place.height + 1);
    Labeltitulo->move(place.left, top - 30);
    ListTitFP->show();
    ListFPExpli->show();
    Labeltitulo->show();
    if (!titles.empty()) showPreview(titles.front());
}

void TForm3::showPreview(int title) {
    ListFPExpli->clear();
    const auto rows =
        fp_listing::titlePreview(data_.fp2.blocks, title, 4, program_.texts().trimmed(kJobsLead));
    for (const std::string& row : rows)
        ListFPExpli->addItem(toQt(TrimRight(row)));
}

void TForm3::ListTitFPMouseMove(int row) {
    if (row < 0 || row >= ListTitFP->count() || row == state_->hoveredTitle) return;
    state_->hoveredTitle = row;
    ListTitFP->clearSelection();
    ListTitFP->item(row)->setSelected(true);
    const int family = state_->familyOrder[static_cast<std::size_t>(state_->clickedFamily)];
    showPreview(data_.fp2.families.headerLine(family) + row + 1);
}

void TForm3::hidePopup() {
    state_->popupShown = false;
    ListTitFP->hide();
    Labeltitulo->hide();
    ListFPExpli->hide();
}

void TForm3::ListTitFPClick(int row) {
    if (state_->clickedFamily < 0 || row < 0 || row >= ListTitFP->count()) return;
    const int family = state_->familyOrder[static_cast<std::size_t>(state_->clickedFamily)];
    showTitle(data_.fp2.families.headerLine(family) + row + 1);
}

// The title view ----------------------------------------------------------------------

void TForm3::showTitle(int title) {
    state_->currentTitle = title;
    state_->mode = Mode::Title;
    TimerSocorro.stop();
    clearBubble();
    TimerAyu.stop();
    engine(false);
    LabAyuGM->hide();
    HeliPeque->hide();
    hidePopup();
    reja->hide();
    PanelSelTit->clear();
    PanelSelTit->show();
    for (QPushButton* button : {BotPuesto, BotRequisitos, botAsig, BotImprimir, BotRetrocederFP})
        button->show();
    regionMap_->mapa->show();
    listSelFP->clear();
    listSelFP->setSelectionMode(QAbstractItemView::NoSelection);
    listSelFP->setCursor(Qt::ArrowCursor);
    listSelFP->show();
    blinkName(toQt(TrimRight(data_.fp2.titles[title])));
}

void TForm3::showTextRows(const std::vector<std::string>& rows, bool fixedPitch) {
    reja->hide();
    listSelFP->clear();
    QFont font(fixedPitch ? QStringLiteral("Courier New") : QStringLiteral("Comic Sans MS"));
    font.setPointSize(std::max(1, (fixedPitch ? 9 : 10) + program_.state().largeFontsCorrection));
    listSelFP->setFont(font);
    listSelFP->setCursor(Qt::ArrowCursor);
    listSelFP->setSelectionMode(QAbstractItemView::NoSelection);
    for (const std::string& row : rows)
        listSelFP->addItem(toQt(TrimRight(row)));
    listSelFP->setGeometry(kList);
    listSelFP->show();
}

void TForm3::BotRequisitosClick() {
    PanelSelTit->clear();
    showTextRows(requirementRows(program_.texts()), false);
}

void TForm3::BotPuestoClick() {
    PanelSelTit->setText(toQt(program_.texts().trimmed(kJobsHeading)));
    showTextRows(jobRows(data_.fp2.blocks, state_->currentTitle), false);
}

void TForm3::botAsigClick() {
    PanelSelTit->setText(toQt(program_.texts().trimmed(kSubjectsHeading)));
    // The modules' hours stand in a column.
    showTextRows(subjectRows(data_.fp2.blocks, state_->currentTitle), true);
}

void TForm3::blinkName(const QString& name) {
    PanelCarSel->setProperty("blinkName", name);
    PanelCarSel->setText(name);
    PanelCarSel->show();
    state_->blinkTick = 0;
    TimerParpadeo.start();
}

void TForm3::TimerParpadeoTimer() {
    ++state_->blinkTick;
    const bool shown = state_->blinkTick % 2 == 1;
    PanelCarSel->setText(shown ? PanelCarSel->property("blinkName").toString() : QString());
    if (state_->blinkTick >= 9) TimerParpadeo.stop();
}

// Pointer and keys ---------------------------------------------------------------------

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
    if (watched == listSelFP && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && state_->mode == Mode::Title) {
        BotRetrocederFPClick();
        return true;
    }
    const bool move = event->type() == QEvent::MouseMove;
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (!move && !press) return QWidget::eventFilter(watched, event);
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    if (watched == listSelFP->viewport()) {
        const int row = listSelFP->indexAt(at).row();
        if (move) listSelFP->setProperty("hoverRow", row), listSelFPMouseMove(row);
        if (press && listSelFP->selectionMode() != QAbstractItemView::NoSelection) {
            listSelFPMouseDown(row, at.y());
            return true;
        }
    } else if (watched == ListTitFP->viewport() && move) {
        ListTitFPMouseMove(ListTitFP->indexAt(at).row());
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* createIntermediateForm(Program& program) {
    ProgramState& state = program.state();
    const auto* geography = state.tables.find<GeographyData>();
    if (!geography) return nullptr;
    const auto& data =
        state.tables.obtain<secondary::SecondaryData>([&](secondary::SecondaryData& d) {
            secondary::loadSecondaryTexts(state.files, d);
            secondary::loadSecondaryTables(state.files, d);
        });
    return new TForm3(program, *geography, data);
}

}  // namespace rumbelo
