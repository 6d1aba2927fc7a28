// The questionnaire mode of the secondary form: the three entries, presenting the grid,
// answering by clicks and Enter, ending, and continuing from the first block.
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "common/dialog/aviso.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/program/questionnaire_handover.h"
#include "common/qt_text.h"
#include "secondary/form/secondary_form.h"
#include "secondary/questionnaire/eso_questionnaire.h"

namespace rumbelo {

using namespace secondary;

namespace {

void setCell(QTableWidget* grid, int row, int column, const std::string& text) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    item->setText(toQt(text));
}

}  // namespace

void TForm2::BotCuestio1Click() {
    startQuestionnaire(false);
}

void TForm2::BotCuestio3Click() {
    startQuestionnaire(true);
}

void TForm2::BotCuestio2Click() {
    program_.state().studentName.clear();
    auto* fp = dynamic_cast<QuestionnaireHandover*>(program_.form(QStringLiteral("TForm3")));
    if (!fp) return;
    questionnaire_->goToIntermediateFp = true;
    hide();
    fp->enterQuestionnaireFromSection();
}

void TForm2::startQuestionnaire(bool shortMode) {
    questionnaire_->begin(shortMode);
    botCuestio->setEnabled(false);
    BotItinerarios->hide();
    PanelMenuCues->hide();
    BitAcabarLogse->hide();
    PanelPrincipal->show();
    presentQuestionnaire();
}

void TForm2::presentQuestionnaire() {
    EsoQuestionnaire& q = *questionnaire_;
    PanelMenu->hide();
    ListResul->hide();
    PanelResul->hide();
    LabelAviso->hide();
    PanelCar->hide();
    PanelCues->show();
    Gcuestio->show();
    const InterfaceTexts& t = program_.texts();
    BotResCues->setText(toQt(t.trimmed(45)));
    BotResCues->show();
    grabar->setText(toQt(t.trimmed(20)));
    grabar->hide();
    ImpResul->hide();
    BotCerrar->setText(toQt(t.trimmed(13)));
    BotImpTit->setText(toQt(t.trimmed(274)));
    AcabarCues->setText(toQt(t.trimmed(222)));
    AcabarCues->show();
    cancelButton_ = AcabarCues;
    BotContinuar->hide();
    if (q.needsRestartQuestion()) {
        const bool again =
            program_.dialog() && program_.dialog()->askQuestion(toQt(t.trimmed(329)));
        q.answerRestart(again);
        if (again) program_.state().studentName.clear();
    }
    const EsoQuestionnaire::Presentation p = q.present();
    startHelp(p.help);
    Gcuestio->setRowCount(q.shownCount);
    if (p.fresh) {
        if (p.firstShownRow == 1) program_.state().studentName.clear();
        if (!program_.state().assistantFlag) Gcuestio->setFocus();
        Gcuestio->setHorizontalHeaderLabels(
            {toQt(t.trimmed(52)), toQt(t.trimmed(37)), QStringLiteral("Not")});
    }
    for (int i : p.rowsToWrite)
        writeGridRow(i);
    if (q.shownCount > 0) {
        const int top = std::min(p.firstShownRow, q.shownCount) - 1;
        Gcuestio->setCurrentCell(top, 0);
        Gcuestio->scrollToItem(Gcuestio->item(top, 0), QAbstractItemView::PositionAtTop);
    }
}

void TForm2::writeGridRow(int statement) {
    const int row = statement - 1;
    setCell(Gcuestio, row, 0, questionnaire_->statement(statement).text);
    setCell(Gcuestio, row, 1, {});
    setCell(Gcuestio, row, 2, {});
}

void TForm2::showAnswer(int statement, bool withMark) {
    const EsoQuestionnaire::Shown shown = questionnaire_->advance(statement);
    setCell(Gcuestio, statement - 1, 1, shown.label);
    if (withMark) setCell(Gcuestio, statement - 1, 2, shown.mark);
}

void TForm2::GcuestioMouseDown(int row) {
    if (row < 0 || row >= questionnaire_->shownCount) return;
    showAnswer(row + 1, true);
}

void TForm2::GcuestioKeyPress(int) {
    const int row = Gcuestio->currentRow();
    if (row < 0 || row >= questionnaire_->shownCount) return;
    showAnswer(row + 1, false);
}

void TForm2::endQuestionnaire() {
    PanelMenu->show();
    botCuestio->show();
    botCuestio->setEnabled(true);
    BitAcabarLogse->show();
    PanelMenuCues->show();
    cancelButton_ = AcabarCues;
    for (QWidget* w :
         std::initializer_list<QWidget*>{BotContinuar, PanelCar, PanelCues, ListResul, PanelResul,
                                         LabelAviso, BotResCues, AcabarCues, ImpResul, grabar})
        w->hide();
    questionnaire_->end();
    if (program_.state().assistantFlag && questionnaire_->continueAllowed) returnToAssistant();
}

void TForm2::AcabarCuesClick() {
    endQuestionnaire();
    if (program_.state().assistantFlag && isVisible()) returnToAssistant();
}

void TForm2::returnToAssistant() {
    questionnaireRequest_ = false;
    if (showAssistant(program_)) hide();
}

void TForm2::BotContinuarClick() {
    BotContinuar->hide();
    if (questionnaire_->continueAllowed) {
        questionnaire_->continueToSecondBlock();
        presentQuestionnaire();
        return;
    }
    endQuestionnaire();
    auto* fp = dynamic_cast<QuestionnaireHandover*>(program_.form(QStringLiteral("TForm3")));
    if (!fp) return;
    questionnaire_->goToIntermediateFp = true;
    fp->enterQuestionnaireFromSection();
}

}  // namespace rumbelo
