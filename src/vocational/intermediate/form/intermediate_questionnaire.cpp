// The intermediate-FP questionnaire on TForm3: the areas with their icons, the statements
// of the marked areas, the suggested titles, a suggested title beside the map with its
// centres, the report, and the arrows that walk back and forth.
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "common/dialog/aviso.h"
#include "common/print/report_printing.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/region_map/region_map.h"
#include "common/text/fixed_text.h"
#include "platform/shell.h"
#include "vocational/intermediate/form/intermediate_form.h"
#include "vocational/intermediate/form/intermediate_layout.h"
#include "vocational/intermediate/form/intermediate_state.h"
#include "vocational/intermediate/listing/medium_listing.h"
#include "vocational/intermediate/listing/title_panels.h"
#include "vocational/intermediate/questionnaire/medium_flow.h"
#include "vocational/intermediate/questionnaire/medium_report.h"

namespace rumbelo {

using namespace intermediate;
using namespace intermediate::layout;

namespace {

std::vector<int> markedRows(const QListWidget* list, int base) {
    std::vector<int> rows;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) rows.push_back(i + base);
    return rows;
}

}  // namespace

void TForm3::activateQuestionnaire() {
    flow_->reset();
    program_.state().studentName.clear();
    stopGuide();
    clearBubble();
    hideMenu();
    hideEverything();
    state_->mode = Mode::Menu;
    BotSalirCues->show();
    BitFleGMde->show();
    fillAreas(true, {});
    ListGM->show();
    startHelpLine(program_.texts().trimmed(kAreasHelp), width() - 30, 80);
}

void TForm3::fillAreas(bool owner, const std::vector<int>& marked) {
    ListGM->clear();
    ListGM->setGeometry(kAreas);
    ListGM->setItemDelegate(owner ? areaDelegate_ : plainDelegate_);
    const auto& header = data_.mediumQuestionnaire.header;
    for (int k = 1; k <= kAreaRows; ++k) {
        auto* item = new QListWidgetItem(toQt(TrimRight(header[k])), ListGM);
        item->setSizeHint(QSize(ListGM->width() - 4, kAreaRowHeight));
    }
    for (int row : marked)
        if (QListWidgetItem* item = ListGM->item(row - 1)) item->setSelected(true);
}

void TForm3::fillSuggestions() {
    ListGM->clear();
    ListGM->setItemDelegate(plainDelegate_);
    for (const SuggestionRow& row : flow_->suggestions()) {
        auto* item = new QListWidgetItem(toQt(row.text), ListGM);
        if (row.title == 0) {
            QFont bold = ListGM->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
}

void TForm3::BitFleGMdeClick() {
    const InterfaceTexts& t = program_.texts();
    if (flow_->step() == 1) {
        const std::vector<int> rows = markedRows(ListGM, 1);
        const StepOutcome outcome = flow_->forwardFromAreas(rows);
        if (outcome == StepOutcome::ToPlaces) {
            for (QWidget* w : std::initializer_list<QWidget*>{BitFleGMde, BitFleGMiz, ListGM,
                                                              BotSalirCues, LabAyuGM, HeliPeque})
                w->hide();
            TimerAyu.stop();
            engine(false);
            state_->questionnaireMode = false;
            botLug2Click();
            return;
        }
        clearBubble();
        if (outcome == StepOutcome::NothingMarked) {
            beep();
            startHelpFlight(3);
            return;
        }
        BitFleGMiz->show();
        std::vector<std::string> areas;
        for (int row : rows)
            if (row <= 10) areas.push_back(TrimRight(data_.mediumQuestionnaire.header[row]));
        report_->writeAreas(t.trimmed(kAreasHeading), areas);
        if (LabAyuGM->isVisible())
            startHelpLine(t.trimmed(kStatementsHelp1) + " " + t.trimmed(kStatementsHelp2), width(),
                          LabAyuGM->y());
        ListGM2->clear();
        for (const StatementRow& statement : flow_->statements())
            ListGM2->addItem(toQt(TrimRight(statement.text)));
        ListGM->hide();
        ListGM2->show();
        return;
    }
    if (flow_->step() != 2) return;
    clearBubble();
    const StepOutcome outcome =
        flow_->forwardFromStatements(markedRows(ListGM2, 0), t.trimmed(kFamilyWord));
    if (outcome == StepOutcome::NothingMarked) {
        beep();
        startHelpFlight(3);
        return;
    }
    if (LabAyuGM->isVisible()) startHelpLine(t.trimmed(kSuggestionsHelp), width(), LabAyuGM->y());
    std::vector<std::string> statements;
    for (int row : flow_->markedStatements())
        statements.push_back(TrimRight(flow_->statements()[static_cast<std::size_t>(row)].text));
    report_->writeStatements(t.trimmed(kStatementsHeading), statements);
    fillSuggestions();
    ListGM2->hide();
    ListGM->show();
    BitFleGMde->hide();
}

void TForm3::ListGMClick(int row) {
    if (!state_->questionnaireMode || flow_->step() != 3 || flow_->titleOnView()) return;
    if (!flow_->showTitle(row)) return;
    ListGM->clearSelection();
    state_->currentTitle = flow_->titleOnViewNumber();
    state_->mode = Mode::Title;
    TimerAyu.stop();
    engine(false);
    LabAyuGM->hide();
    HeliPeque->hide();
    ListPeque->move(kCommunityMap.left(), regionMap_->mapa->height() + 80);
    state_->shrinkStep = 0;
    TimerPeque.start();
}

void TForm3::TimerPequeTimer() {
    int& s = state_->shrinkStep;
    s += 2;
    ListGM->setGeometry(ListGM->x(), ListGM->y() + s, std::max(1, ListGM->width() - (s + s / 2)),
                        std::max(1, ListGM->height() - s));
    if (ListPeque->y() >= ListGM->y()) return;
    TimerPeque.stop();
    s = 0;
    ListGM->hide();
    ListGM->setGeometry(kStatements.left(), kStatements.top(), kStatements.width(),
                        kStatements.height() + kItemHeight);
    ListPeque->clear();
    for (const SuggestionRow& row : flow_->suggestions())
        ListPeque->addItem(toQt(row.text));
    ListPeque->resize(kSmallListWidth, kFormHeight - ListPeque->y() - 64);
    ListPeque->show();
    PanelSelTit->clear();
    PanelSelTit->show();
    listSelFP->clear();
    listSelFP->setSelectionMode(QAbstractItemView::NoSelection);
    listSelFP->show();
    regionMap_->mapa->show();
    blinkName(toQt(TrimRight(data_.fp2.titles[state_->currentTitle])));
}

void TForm3::ListPequeClick(int row) {
    if (!flow_->titleOnView() || !flow_->showTitle(row)) return;
    state_->currentTitle = flow_->titleOnViewNumber();
    reja->setRowCount(0);
    reja->hide();
    listSelFP->show();
    BotImprimirCuesGM->hide();
    blinkName(toQt(TrimRight(data_.fp2.titles[state_->currentTitle])));
}

void TForm3::completeQuestionnaireReport(const fp_listing::Listing& listing) {
    const InterfaceTexts& t = program_.texts();
    report_->writeTitle(t.trimmed(kChosenTitleWord),
                        TrimRight(data_.fp2.titles[state_->currentTitle]), t.trimmed(kCentresWord),
                        centreLines(listing));
    BotImprimirCuesGM->show();
}

void TForm3::BitFleGMizClick() {
    BotImprimirCuesGM->hide();
    if (flow_->titleOnView()) {
        clearBubble();
        flow_->back();
        TimerParpadeo.stop();
        for (QWidget* w :
             std::initializer_list<QWidget*>{PanelCarSel, PanelSelTit, listSelFP, reja, ListPeque})
            w->hide();
        regionMap_->hideMaps();
        regionMap_->hideComarcaList();
        regionMap_->hidePanel();
        state_->mode = Mode::Menu;
        fillSuggestions();
        ListGM->show();
        return;
    }
    if (flow_->step() == 3) {
        flow_->back();
        BitFleGMde->show();
        ListGM2->show();
        fillAreas(true, flow_->markedAreaRows());
        ListGM->hide();
    } else if (flow_->step() == 2) {
        flow_->back();
        BitFleGMde->show();
        BitFleGMiz->hide();
        fillAreas(true, flow_->markedAreaRows());
        ListGM->show();
        ListGM2->hide();
    }
}

void TForm3::BotImprimirCuesGMClick() {
    std::string& name = program_.state().studentName;
    if (name.empty()) {
        TForm4* dialog = program_.dialog();
        if (!dialog) return;
        const auto given = dialog->askName(toQt(program_.texts().trimmed(kNameQuestion)), name);
        if (!given || given->empty()) return;
        name = *given;
    }
    report_->setName(name);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintList(program_, printer, report_->table(), report_->lastLine(), true, 10, report_->bold());
}

void TForm3::leaveQuestionnaireMode() {
    state_->questionnaireMode = false;
    program_.state().studentName.clear();
    TimerPeque.stop();
    TimerParpadeo.stop();
    stopGuide();
    clearBubble();
    hideEverything();
    state_->mode = Mode::Menu;
}

void TForm3::BotSalirCuesClick() {
    leaveQuestionnaireMode();
    hide();
    switch (state_->caller) {
        case Caller::Secondary:
            break;
        case Caller::Assistant:
            showAssistantOrScene(program_);
            break;
        case Caller::Scene:
            if (QWidget* form = program_.form(QStringLiteral("TForm2"))) {
                form->show();
                form->raise();
            } else {
                program_.showScene();
            }
            break;
    }
}

}  // namespace rumbelo
