// The questionnaire face at work: entering it, opening a statement list, ticking, the
// results of one questionnaire, the average, opening a group, and the ways back.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/dialog/aviso.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/questionnaire_face.h"
#include "degrees/form/widget_look.h"
#include "degrees/questionnaire/group_studies.h"

namespace rumbelo {

using namespace degrees;

namespace {

constexpr int kRestartQuestion = 329;

void fillList(QListWidget* list, const std::vector<std::string>& rows) {
    list->clear();
    for (const auto& row : rows)
        list->addItem(toQt(row));
}

}  // namespace

QListWidget* QuestionnaireFace::listOf(Questionnaire q) const {
    return q == Questionnaire::Qualities ? ListCua : Listint;
}

void QuestionnaireFace::helpHere(int n) {
    // The guide panel belongs to the window and stands on whichever face is on view.
    if (form_.payuda->parentWidget() != form_.Panelcon) {
        form_.payuda->setParent(form_.Panelcon);
        form_.payuda->show();
    }
    form_.payuda->raise();
    form_.helpSituation(n);
}

void QuestionnaireFace::enter() {
    form_.Panelinicio->hide();
    form_.Panelcon->show();
    program_.state().studentName.clear();
    if (session_->anyBuilt()) {
        TForm4* dialog = program_.dialog();
        const bool again =
            dialog && dialog->askQuestion(toQt(program_.texts().trimmed(kRestartQuestion)));
        if (again) {
            session_->startAgain();
            if (program_.state().assistantFlag) {
                ListCua->hide();
                Listint->hide();
            }
        }
    }
    helpHere(3);
    form_.PanelMenuCon->show();
    showMenuButtons();
    revisa->hide();
    VerResul->hide();
    revisa->setText(toQt(program_.texts().trimmed(328)));
    VerResul->setText(toQt(program_.texts().trimmed(287)));
}

void QuestionnaireFace::showMenuButtons() {
    // The menu alone: the empty list panel would only stand there as a block of colour.
    PanelListCon->hide();
    for (QPushButton* button : {Menucua, MenuGus, MenuMedia, form_.MenuRetroCon})
        button->show();
}

void QuestionnaireFace::openQuestionnaire(Questionnaire q) {
    const bool qualities = q == Questionnaire::Qualities;
    QPushButton* own = qualities ? Menucua : MenuGus;
    markUsed(own);
    helpHere(qualities ? 4 : 5);
    session_->active = q;
    own->show();
    for (QPushButton* other : {qualities ? MenuGus : Menucua, MenuMedia, form_.MenuRetroCon})
        other->hide();
    revisa->hide();
    VerResul->show();
    PanelListCon->show();
    QListWidget* list = listOf(q);
    listOf(qualities ? Questionnaire::Interests : Questionnaire::Qualities)->hide();
    list->show();
    list->setFocus();
    ListResul->hide();
    PanelResCon->hide();
    if (!session_->isBuilt(q)) {
        const LineTable& statements = form_.data().interest.statements(q);
        list->clear();
        for (int i = 1; i <= statements.count(); ++i)
            list->addItem(toQt(statements[i]));
        list->clearSelection();
        list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        session_->markBuilt(q);
    }
}

void QuestionnaireFace::ListCuaClick(int row) {
    // Only ticks are added: the click itself has already ticked or unticked its statement.
    for (const int item : impliedTicks(row + 1))
        if (QListWidgetItem* implied = ListCua->item(item - 1)) implied->setSelected(true);
}

void QuestionnaireFace::toggleFocusedStatement(QListWidget* list) {
    if (QListWidgetItem* item = list->currentItem()) item->setSelected(!item->isSelected());
}

void QuestionnaireFace::VerResulClick() {
    VerResul->hide();
    revisa->show();
    acabarCua->show();
    helpHere(6);
    QListWidget* list = listOf(session_->active);
    std::vector<bool> flags;
    for (int i = 0; i < list->count(); ++i)
        flags.push_back(list->item(i)->isSelected());
    const ResultView& view = session_->showResults(session_->active, flags, program_.texts());
    ListCua->hide();
    Listint->hide();
    showView(view);
}

void QuestionnaireFace::showView(const ResultView& view) {
    PanelResCon->setText(toQt(view.heading));
    PanelResCon->show();
    fillList(ListResul, view.ranking.lines);
    ListResul->show();
}

void QuestionnaireFace::revisaClick() {
    revisa->hide();
    VerResul->show();
    for (QWidget* w :
         std::initializer_list<QWidget*>{PanelResCon, acabarCua, ListResul, ListCarreras})
        w->hide();
    QListWidget* list = listOf(session_->active);
    list->show();
    list->setFocus();
}

void QuestionnaireFace::MenuMediaClick() {
    if (!session_->canAverage()) {
        helpHere(18);
        return;
    }
    markUsed(MenuMedia);
    MenuGus->hide();
    Menucua->hide();
    MenuMedia->show();
    form_.MenuRetroCon->hide();
    acabarCua->show();
    ImpResul->show();
    grabar->setText(toQt(program_.texts().trimmed(330)));
    grabar->show();
    PanelListCon->show();
    const ResultView& view = session_->showAverages(program_.texts());
    helpHere(8);
    showView(view);
}

void QuestionnaireFace::ListResulClick(int row) {
    const int g = session_->groupOnRow(row);
    if (g == 0) return;
    helpHere(7);
    LabelAviso->hide();
    const auto& data = form_.data();
    fillList(ListCarreras,
             groupStudiesRows(data.degrees, data.fp, data.interest.groups, g, program_.texts()));
    ListCarreras->show();
    ListCarreras->raise();
    VerResul->hide();
}

void QuestionnaireFace::pointerOverResults(int y, int x) {
    if (ListCarreras->isVisible()) return;  // the group's studies cover the results
    // The note stands just under the pointer, within the window.
    const QPoint list = ListResul->mapTo(form_.Panelcon, QPoint(0, 0));
    const int left = std::min(list.x() + x + 12, 800 - LabelAviso->width() - 4);
    LabelAviso->move(left, list.y() + y + 30);
    LabelAviso->show();
    LabelAviso->raise();
}

void QuestionnaireFace::acabarCuaClick() {
    if (ListCarreras->isVisible()) {
        ListCarreras->hide();
        return;
    }
    showMenuButtons();
    for (QWidget* w : std::initializer_list<QWidget*>{revisa, VerResul, ListResul, PanelResCon,
                                                      acabarCua, ListCarreras, ImpResul, grabar})
        w->hide();
}

void QuestionnaireFace::MenuRetroConClick() {
    LabelAviso->hide();
    // The guide goes back to the degree and higher-FP faces' background.
    form_.payuda->setParent(form_.Panelinicio);
    form_.payuda->show();
    program_.state().studentName.clear();
    form_.Panelinicio->show();
    form_.Panelcon->hide();
    form_.returnToCaller();
}

}  // namespace rumbelo
