#include "vocational/initial/form/initial_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <algorithm>

#include "common/guide/guide.h"
#include "common/guide/guide_steps.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/sound/sound_cues.h"
#include "common/text/fixed_text.h"
#include "secondary/data/secondary_data.h"
#include "vocational/initial/form/initial_layout.h"

namespace rumbelo {

using namespace initial;
using namespace initial::layout;

namespace {

void selectOnly(QListWidget* list, int row) {
    list->clearSelection();
    if (QListWidgetItem* item = list->item(row)) {
        list->setCurrentItem(item, QItemSelectionModel::ClearAndSelect);
        item->setSelected(true);
    }
}

constexpr int kSlideStop = 80;
constexpr int kSlideStep = 4;
constexpr int kBlinkTicks = 9;

}  // namespace

TFIniPro::TFIniPro(Program& program, const GeographyData& geography,
                   const ProgrammeFiles& programmes, const LineTable& information)
    : QWidget(nullptr),
      program_(program),
      geo_(geography),
      files_(programmes),
      information_(information),
      offer_(programmes, geography) {
    build();
    regionMap_->setGeography(&geo_);
    fillGroups();
    if (program_.state().staticScene) {
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
}

TFIniPro::~TFIniPro() = default;

// Entry -------------------------------------------------------------------------------

void TFIniPro::enterFromSceneDoor(int section) {
    if (section != 6) return;
    caller_ = callerFromFlag(program_);
    enterTitleMode();
}

void TFIniPro::enterFromSecondary() {
    caller_ = SectionCaller::Secondary;
    enterTitleMode();
    if (isVisible()) activate();
    show();
    raise();
}

void TFIniPro::enterFromAssistant(AssistantRequest) {
    caller_ = SectionCaller::Assistant;
    enterTitleMode();
    if (isVisible()) activate();
    show();
    raise();
}

void TFIniPro::enterTitleMode() {
    mode_ = Mode::Title;
    // Every entry starts the guide from its first line: a counter left past its end would
    // show an empty help panel.
    guideTick_ = 0;
    TimerParpadeo.stop();
    for (QWidget* w :
         std::initializer_list<QWidget*>{ListTitFP, ListFPExpli, PanelCarSel, PanelSelTit, Listsel,
                                         reja, ListSelLugFP, BotRequisitos, BotAsig, BotImprimir})
        w->hide();
    regionMap_->hideMaps();
    regionMap_->hidePanel();
    for (QWidget* w : std::initializer_list<QWidget*>{ListSelFp, BotLug, BotRetrocederFP})
        w->show();
}

void TFIniPro::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) activate();
}

void TFIniPro::activate() {
    hoverLock_ = false;
    ListSelFp->clearSelection();
    PanelSelTit0->show();
    for (int i = 0; i < kHelpTexts; ++i)
        LabelAyu[static_cast<std::size_t>(i)]->clear();
    LabelAyu0->move(PanelSelTit0->width(), LabelAyu0->y());
    TimerAyu.stop();
    guideTick_ = 0;
    TimerAyuda.start();
}

// The guide ----------------------------------------------------------------------------

void TFIniPro::TimerAyudaTimer() {
    PanelAyuda->show();
    const TimedGuideStep step =
        timedGuideStep(++guideTick_, TimedGuide{kFirstHelpText, kHelpTexts, true});
    if (step.finished) {
        TimerAyuda.stop();
        TimerAyu.start();
        return;
    }
    if (step.label >= 0 && step.label < kHelpLabels) {
        QLabel* label = LabelAyu[static_cast<std::size_t>(step.label)];
        label->setText(step.text ? toQt(program_.texts().trimmed(step.text)) : QString());
    }
    if (step.click) {
        Guide& guide = program_.guide();
        if (guide.sounds()) guide.sounds()->KeyClick(true);
        chica->setPixmap(QPixmap::fromImage(guide.showFrame(step.frame)));
    }
}

void TFIniPro::TimerAyuTimer() {
    if (!PanelSelTit0->isVisible() || LabelAyu0->x() <= kSlideStop) {
        TimerAyu.stop();
        return;
    }
    LabelAyu0->move(std::max(kSlideStop, LabelAyu0->x() - kSlideStep), LabelAyu0->y());
}

// Groups and their programmes -----------------------------------------------------------

void TFIniPro::fillGroups() {
    ListSelFp->clear();
    for (int g = 1; g <= kGroups; ++g) {
        auto* item = new QListWidgetItem(toQt(files_.groupName(g)), ListSelFp);
        item->setSizeHint(QSize(ListSelFp->width() - 4, kGroupRowHeight));
    }
}

void TFIniPro::ListSelFpMouseMove(int row) {
    if (hoverLock_ || row < 0) return;
    selectOnly(ListSelFp, row);
}

void TFIniPro::ListSelFpMouseUp(int row) {
    if (row < 0 || row >= ListSelFp->count()) return;
    hoverLock_ = true;
    selectOnly(ListSelFp, row);
    group_ = row + 1;
    if (files_.isPlaceModeGroup(group_)) {
        BotLugClick();
        return;
    }
    popup_ = popupRows(files_, group_);
    ListTitFP->clear();
    for (const PopupRow& r : popup_) {
        auto* item = new QListWidgetItem(toQt(r.text), ListTitFP);
        item->setSizeHint(QSize(ListTitFP->width() - 4, kItemHeight));
        if (r.heading) {
            QFont bold = ListTitFP->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    // At the clicked row's height, lifted so that the popup and its module panel stay above
    // the buttons; a popup taller than that scrolls.
    const int rows = static_cast<int>(popup_.size());
    const int panelHeight = ListFPExpli->height() + 1;
    const int height =
        std::min(rows * kItemHeight + 4, kListsBottom - kPopupTopLimit - panelHeight);
    const int clickedTop = ListSelFp->visualItemRect(ListSelFp->item(row)).top() + ListSelFp->y();
    const int top = std::clamp(clickedTop, kPopupTopLimit, kListsBottom - panelHeight - height);
    ListTitFP->setGeometry(kPopupLeft, top, kPopupWidth, height);
    ListTitFP->setVerticalScrollBarPolicy(rows * kItemHeight + 4 > height ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
    ListFPExpli->clear();
    ListFPExpli->move(kPopupLeft, top + height + 1);
    ListTitFP->show();
    ListTitFP->raise();
    ListFPExpli->show();
    ListFPExpli->raise();
}

void TFIniPro::ListTitFPMouseMove(int row) {
    if (row < 0 || row >= static_cast<int>(popup_.size())) return;
    selectOnly(ListTitFP, row);
    ListFPExpli->clear();
    for (const std::string& line :
         modulePanel(files_, program_.texts(), popup_[static_cast<std::size_t>(row)].programme))
        ListFPExpli->addItem(toQt(TrimRight(line)));
}

void TFIniPro::ListTitFPClick(int row) {
    if (row < 0 || row >= static_cast<int>(popup_.size())) return;
    const PopupRow& chosen = popup_[static_cast<std::size_t>(row)];
    if (chosen.heading) return;
    showProgramme(chosen.programme);
}

void TFIniPro::showProgramme(int p) {
    programme_ = p;
    hoverLock_ = false;
    communityChosen_ = false;
    mode_ = Mode::Title;
    TimerAyuda.stop();
    TimerAyu.stop();
    for (QWidget* w : std::initializer_list<QWidget*>{BotLug, ListTitFP, ListFPExpli, ListSelFp,
                                                      PanelAyuda, PanelSelTit0, reja})
        w->hide();
    regionMap_->mapa->show();
    Listsel->clear();
    Listsel->show();
    PanelSelTit->clear();
    PanelSelTit->show();
    for (QWidget* w :
         std::initializer_list<QWidget*>{BotRequisitos, BotAsig, BotImprimir, BotRetrocederFP})
        w->show();
    blinkName_ = toQt(programmeName(files_, p));
    PanelCarSel->setText(blinkName_);
    PanelCarSel->show();
    blinkTick_ = 0;
    TimerParpadeo.start();
}

void TFIniPro::TimerParpadeoTimer() {
    ++blinkTick_;
    PanelCarSel->setText(blinkTick_ % 2 == 1 ? blinkName_ : QString());
    if (blinkTick_ >= kBlinkTicks) TimerParpadeo.stop();
}

void TFIniPro::showRows(const std::vector<std::string>& rows, const QString& family, int size) {
    reja->hide();
    Listsel->clear();
    QFont font(family);
    font.setPointSize(std::max(1, size + program_.state().largeFontsCorrection));
    Listsel->setFont(font);
    for (const std::string& row : rows)
        Listsel->addItem(toQt(TrimRight(row)));
    Listsel->show();
    Listsel->raise();
}

void TFIniPro::BotRequisitosClick() {
    PanelSelTit->setText(toQt(program_.texts().trimmed(kRequirementsHeading)));
    showRows(informationLines(information_, kRequirementsCode), QStringLiteral("Times New Roman"),
             11);
}

void TFIniPro::BotAsigClick() {
    PanelSelTit->setText(toQt(program_.texts().trimmed(kSubjectsHeading)));
    showRows(subjectRows(files_, program_.texts(), information_, programme_),
             QStringLiteral("Times New Roman"), 11);
}

// Leaving -------------------------------------------------------------------------------

void TFIniPro::leave() {
    TimerAyuda.stop();
    TimerAyu.stop();
    TimerParpadeo.stop();
    hide();
    returnToCaller(program_, caller_);
}

void TFIniPro::closeEvent(QCloseEvent* event) {
    if (program_.terminateRequested()) {
        event->accept();
        return;
    }
    // One step back; when that did not already leave the section, leave it as the back
    // button would, so that the window that opened it (the secondary form, the assistant)
    // is what shows, and never the scene over it.
    BotRetrocederFPClick();
    if (isVisible()) {
        TimerAyuda.stop();
        TimerAyu.stop();
        TimerParpadeo.stop();
        returnToCaller(program_, caller_);
    }
    event->accept();
}

bool TFIniPro::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const bool up = type == QEvent::MouseButtonRelease;
    if (watched == ListSelFp->viewport()) {
        const int row = ListSelFp->indexAt(at).row();
        if (up)
            ListSelFpMouseUp(row);
        else
            ListSelFpMouseMove(row);
    } else if (watched == ListTitFP->viewport()) {
        const int row = ListTitFP->indexAt(at).row();
        if (up)
            ListTitFPClick(row);
        else
            ListTitFPMouseMove(row);
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* createInitialProgrammesForm(Program& program) {
    ProgramState& state = program.state();
    const auto* geography = state.tables.find<GeographyData>();
    if (!geography) return nullptr;
    const auto& programmes = state.tables.obtain<ProgrammeFiles>(
        [&](ProgrammeFiles& p) { loadProgrammeFiles(state.files, p); });
    if (state.abortFlag) return nullptr;
    const auto& data =
        state.tables.obtain<secondary::SecondaryData>([&](secondary::SecondaryData& d) {
            secondary::loadSecondaryTexts(state.files, d);
            secondary::loadSecondaryTables(state.files, d);
        });
    return new TFIniPro(program, *geography, programmes, data.information);
}

}  // namespace rumbelo
