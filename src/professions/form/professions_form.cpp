#include "professions/form/professions_form.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

#include "common/dialog/aviso.h"
#include "common/print/report_printing.h"
#include "common/program/assistant_return.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/text/fixed_text.h"
#include "common/widgets/tiled_picture.h"
#include "professions/core/activity_scores.h"
#include "professions/core/professions_report.h"
#include "professions/core/result_lists.h"
#include "professions/form/professions_layout.h"

namespace rumbelo {

using namespace professions;
using namespace professions::layout;

namespace {

void fillRows(QListWidget* list, const std::vector<std::string>& rows, int rowHeight) {
    list->clear();
    for (const auto& row : rows) {
        auto* item = new QListWidgetItem(toQt(row), list);
        item->setSizeHint(QSize(list->width() - 4, rowHeight));
    }
}

void selectOnly(QListWidget* list, int row) {
    list->clearSelection();
    if (QListWidgetItem* item = list->item(row)) {
        list->setCurrentItem(item, QItemSelectionModel::NoUpdate);
        item->setSelected(true);
    }
}

std::vector<bool> marksOf(const QListWidget* list) {
    std::vector<bool> marks;
    for (int i = 0; i < list->count(); ++i)
        marks.push_back(list->item(i)->isSelected());
    return marks;
}

void setMarks(QListWidget* list, const std::vector<bool>& marks) {
    for (int i = 0; i < list->count(); ++i)
        list->item(i)->setSelected(static_cast<std::size_t>(i) < marks.size() &&
                                   marks[static_cast<std::size_t>(i)]);
}

int rowAt(const QListWidget* list, QPoint pos) {
    return list->indexAt(pos).row();
}

QString escaped(const std::string& cp1252) {
    return toQt(cp1252).toHtmlEscaped();
}

}  // namespace

Tprofe::Tprofe(Program& program) : QWidget(nullptr), program_(program) {
    build();
}

Tprofe::~Tprofe() = default;

std::string Tprofe::text(int k) const {
    return program_.texts().trimmed(k);
}

bool Tprofe::create() {
    if (!loadProfessionsData(program_.state().files, data_)) return false;
    step_ = PhraseStep(static_cast<int>(data_.longPhrases.size()));
    return true;
}

void Tprofe::enterFromSceneDoor(int) {
    start();
}

void Tprofe::enterFromAssistant(AssistantRequest) {
    start();
}

void Tprofe::start() {
    for (QWidget* hidden : std::initializer_list<QWidget*>{PanelResul, BotImp, ListSel,
                                                           PanelSelTit0, ListResProf, ListTit})
        hidden->hide();
    TimerAyu.stop();
    TimerAyu0.stop();
    ListCues->clear();
    for (const LongPhrase& phrase : data_.longPhrases) {
        auto* item = new QListWidgetItem(toQt(TrimRight(phrase.text)), ListCues);
        item->setSizeHint(QSize(ListCues->width() - 4, kPhraseRowHeight));
    }
    ListCues->resize(ListCues->width(), ListCues->count() * kPhraseRowHeight + 4);
    for (QWidget* w : std::initializer_list<QWidget*>{ListCues, BotFraSig}) {
        w->show();
        w->setEnabled(false);
        w->setCursor(Qt::ForbiddenCursor);
    }
    step_.restart();
    answer(true);
    pageIndex_ = 0;
    pages_ = Pages{};
    pages_.count = 1;
    finalStage_ = false;
    program_.state().studentName.clear();
}

// Step 1 ---------------------------------------------------------------------------------

void Tprofe::BotSiClick() {
    answer(true);
}

void Tprofe::BotNoClick() {
    answer(false);
}

void Tprofe::answer(bool yes) {
    BotNo->show();
    showBox(step_.press(yes));
}

void Tprofe::showBox(const BoxView& view) {
    if (view.hidden) {
        TimerFrase.stop();
        PanelFrase->hide();
        return;
    }
    if (view.markRow >= 0 && view.markRow < ListCues->count())
        ListCues->item(view.markRow)->setSelected(true);
    collapseBox();
    if (view.endMessage) {
        const int marked = markedLongPhrases();
        LabelFrase0->setText(toQt(text(639)));
        for (QWidget* w : std::initializer_list<QWidget*>{ListCues, BotFraSig}) {
            w->setEnabled(true);
            w->setCursor(Qt::PointingHandCursor);
        }
        QString message;
        for (int k : endMessageTexts(marked))
            message += (message.isEmpty() ? QString() : QStringLiteral(" ")) + toQt(text(k));
        LabelFrase->setText(message);
        PanelFrase->show();
        PanelFrase->raise();
        TimerFrase.start();
        BotNo->hide();
        return;
    }
    if (view.phrase >= 0) {
        LabelFrase->setText(
            toQt(TrimRight(data_.longPhrases[static_cast<std::size_t>(view.phrase)].text)));
        LabelFrase0->setText(toQt(text(626)));
    }
    if (view.introduction) {
        LabelFrase0->setText(toQt(text(631)));
        LabelFrase->setText(toQt(text(632)) + QLatin1Char(' ') + toQt(text(633)));
        BotNo->hide();
    }
    PanelFrase->show();
    PanelFrase->raise();
    TimerFrase.start();
}

void Tprofe::collapseBox() {
    const BoxGeometry box = collapsedBox(kQuestionBox.top(), kQuestionBox.height());
    PanelFrase->setGeometry(kQuestionBox.left(), box.top, kQuestionBox.width(), box.height);
}

void Tprofe::TimerFraseTimer() {
    BoxGeometry box{PanelFrase->y(), PanelFrase->height()};
    const bool more = growBox(box, kQuestionBox.top(), kQuestionBox.height());
    PanelFrase->setGeometry(kQuestionBox.left(), box.top, kQuestionBox.width(), box.height);
    if (!more) TimerFrase.stop();
}

int Tprofe::markedLongPhrases() const {
    return static_cast<int>(markedRows(marksOf(ListCues)).size());
}

// Steps 2 and 3 --------------------------------------------------------------------------

void Tprofe::BotFraSigClick() {
    if (finalStage_) {
        computeResults();
        lastProfessionRow_ = 1;
        lastActivityRow_ = 1;
        return;
    }
    if (!markCountAllowsNext(markedLongPhrases())) {
        showBox(step_.backToEndMessage());
        return;
    }
    TimerFrase.stop();
    PanelFrase->hide();
    if (pageIndex_ < pages_.count + 1) ++pageIndex_;
    if (pageIndex_ == 1) {
        enterStep2();
        return;
    }
    choices_[static_cast<std::size_t>(pageIndex_ - 2)] = markedRows(marksOf(ListSel));
    if (pageIndex_ <= pages_.count)
        showPage(pageIndex_);
    else
        showFinalList();
}

void Tprofe::enterStep2() {
    LabelTit0->move(PanelSelTit0->width(), LabelTit0->y());
    const std::vector<Code> kept = keptCodes(data_, markedRows(marksOf(ListCues)));
    pages_ = dealPages(suggestedPhrases(data_, kept));
    choices_.assign(kMaxPages + 1, {});
    PanelSelTit0->show();
    ListSel->show();
    ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
    slideTitle(629);
    showPage(1);
    ListCues->hide();
}

void Tprofe::slideTitle(int k) {
    LabelTit0->setText(toQt(text(k)));
    LabelTit0->move(PanelSelTit0->width() - kTitleStop, LabelTit0->y());
    TimerAyu0.start();
}

void Tprofe::TimerAyu0Timer() {
    if (!PanelSelTit0->isVisible() || LabelTit0->x() <= kTitleStop) {
        TimerAyu0.stop();
        return;
    }
    LabelTit0->move(LabelTit0->x() - kSlideStep, LabelTit0->y());
}

void Tprofe::fillShortPhrases(const std::vector<int>& numbers) {
    std::vector<std::string> rows;
    for (int number : numbers)
        if (const ShortPhrase* phrase = data_.shortPhrase(number))
            rows.push_back(TrimRight(phrase->text));
    fillRows(ListSel, rows, kShortRowHeight);
    const int shown = std::max<int>(1, static_cast<int>(rows.size()));
    ListSel->resize(ListSel->width(),
                    std::min(shown * kShortRowHeight + 4, kBackButton.top() - kShortListTop - 8));
}

void Tprofe::showPage(int page) {
    fillShortPhrases(pages_.page(page));
    std::vector<bool> marks(static_cast<std::size_t>(ListSel->count()), false);
    for (int row : choices_[static_cast<std::size_t>(page - 1)])
        if (row >= 0 && row < ListSel->count()) marks[static_cast<std::size_t>(row)] = true;
    setMarks(ListSel, marks);
}

void Tprofe::showFinalList() {
    slideTitle(630);
    finalList_ = finalList(pages_, choices_);
    ListSel->setSelectionMode(QAbstractItemView::SingleSelection);
    fillShortPhrases(finalList_);
    ListSel->clearSelection();
    finalStage_ = true;
}

void Tprofe::ListSelMouseUp(int row) {
    if (finalStage_) {
        if (row >= 0) selectOnly(ListSel, row);
        return;
    }
    setMarks(ListSel, limitPageMarks(marksOf(ListSel)));
}

void Tprofe::BotFraRetClick() {
    if (pageIndex_ == pages_.count + 1 && PanelResul->isVisible()) {
        for (QWidget* w : std::initializer_list<QWidget*>{PanelResul, BotImp, ListResProf, ListTit})
            w->hide();
        return;
    }
    BotFraSig->show();
    finalStage_ = false;
    if (pageIndex_ > 0) --pageIndex_;
    if (pageIndex_ == 0) {
        ListSel->hide();
        PanelSelTit0->hide();
        ListCues->show();
        return;
    }
    ListSel->setSelectionMode(QAbstractItemView::MultiSelection);
    ListSel->show();
    PanelSelTit0->show();
    slideTitle(629);
    showPage(pageIndex_);
}

// Results --------------------------------------------------------------------------------

void Tprofe::computeResults() {
    const QList<QListWidgetItem*> picked = ListSel->selectedItems();
    const int favourite = picked.isEmpty() ? -1 : ListSel->row(picked.front());
    ranked_ = rankActivities(scoreActivities(data_, finalList_, favourite));
    PanelResul->show();
    PanelResul->raise();
    BotImp->show();
    LabelActi->move(PanelResul->width() / 2, LabelActi->y());
    LabelTit1->move(PanelResul->width() / 3, LabelTit1->y());
    slideTicks_ = 0;
    TimerAyu.start();
    fillRows(ListResulAct, activityRows(data_, program_.texts(), ranked_), kResultRowHeight);
    ListResulAct->resize(ListResulAct->width(), 3 * kResultRowHeight + 4);

    professionsShown_.clear();
    if (favourite >= 0 && favourite < static_cast<int>(finalList_.size()))
        professionsShown_ =
            professionsOfPhrase(data_, finalList_[static_cast<std::size_t>(favourite)]);
    if (professionsShown_.empty()) {
        ListResulProf->clear();
        return;
    }
    const int rows = static_cast<int>(professionsShown_.size()) + 1;
    fillRows(ListResulProf, professionRows(data_, professionsShown_), kResultRowHeight);
    ListResulProf->resize(
        ListResulProf->width(),
        std::min(kResultRowHeight * rows + 4, LabelTitExpli->y() - ListResulProf->y() - 4));
    hoverShown_ = false;
    showStudies(1);
    showActivityProfessions(1);
    selectOnly(ListResulAct, 1);
    selectOnly(ListResulProf, 1);
}

void Tprofe::TimerAyuTimer() {
    ++slideTicks_;
    if (LabelTit1->x() > kSlideStop) LabelTit1->move(LabelTit1->x() - kSlideStep, LabelTit1->y());
    if (slideTicks_ < kSecondSlideTick) return;
    LabelActi->move(LabelActi->x() - kSlideStep, LabelActi->y());
    if (LabelActi->x() <= kSlideStop) TimerAyu.stop();
}

// The studies of profession row `row` (0-based, row 0 the empty one); empty while no list
// has been hovered.
void Tprofe::showStudies(int row) {
    ListTit->clear();
    LabelTit3->clear();
    if (!hoverShown_ || row < 1 || row > static_cast<int>(professionsShown_.size())) return;
    LabelTit3->setText(ListResulProf->item(row)->text());
    const Profession& p = data_.professions[static_cast<std::size_t>(
        professionsShown_[static_cast<std::size_t>(row - 1)])];
    QString html;
    for (const StudyRow& study : studyRows(data_, program_.texts(), p)) {
        const QString line =
            escaped(study.text).replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        html += study.heading ? QStringLiteral("<div style=\"color:#008000\">%1</div>").arg(line)
                              : QStringLiteral("<div style=\"color:#000000\">%1</div>").arg(line);
    }
    ListTit->setHtml(html);
}

// The professions of activity row `row` (0-based: 1 the best, 2 the second).
void Tprofe::showActivityProfessions(int row) {
    ListResProf->clear();
    if (!hoverShown_ || row < 1 || row > 2 || row > static_cast<int>(ranked_.size())) return;
    const auto rows = activityProfessionRows(data_, program_.texts(),
                                             ranked_[static_cast<std::size_t>(row - 1)], row);
    fillRows(ListResProf, rows, kResultRowHeight);
    // Above the studies' heading, so that both panels can be read; a longer list scrolls.
    const int bottom = PanelResul->y() + Labeltit2->y() - 4;
    ListResProf->resize(
        ListResProf->width(),
        std::min(static_cast<int>(rows.size()) * kResultRowHeight + 4, bottom - ListResProf->y()));
}

void Tprofe::ListResulProfMouseMove(int row) {
    hoverShown_ = true;
    ListTit->show();
    if (hoverLock_) return;
    const int oneBased = row + 1;
    if (row < 0 || row >= ListResulProf->count() || oneBased == 1 || oneBased == lastProfessionRow_)
        return;
    lastProfessionRow_ = oneBased;
    selectOnly(ListResulProf, row);
    showStudies(row);
}

void Tprofe::ListResulActMouseMove(int row) {
    hoverShown_ = true;
    ListResProf->show();
    ListResProf->raise();
    if (hoverLock_) return;
    const int oneBased = row + 1;
    if (row < 1 || row >= ListResulAct->count() || oneBased == lastActivityRow_) return;
    lastActivityRow_ = oneBased;
    selectOnly(ListResulAct, row);
    showActivityProfessions(row);
}

void Tprofe::ResultListMouseUp(QListWidget* list, int row) {
    hoverLock_ = !hoverLock_;
    if (row >= 0) selectOnly(list, row);
}

void Tprofe::PanelResulMouseMove() {
    hoverLock_ = false;
}

void Tprofe::FormMouseMove() {
    ListTit->hide();
    ListResProf->hide();
}

void Tprofe::ListTitMouseUp() {
    exitViaStudies_ = true;
    BotAcabarClick();
}

// Report and exit ------------------------------------------------------------------------

void Tprofe::BotImpClick() {
    std::string& name = program_.state().studentName;
    if (name.empty()) {
        TForm4* dialog = program_.dialog();
        if (!dialog) return;
        const auto given = dialog->askName(toQt(text(339)), name);
        if (!given || given->empty()) return;
        name = *given;
    }
    ReportInput input;
    input.studentName = name;
    input.title = fromQt(LabelTitulo->text());
    input.professionsHeading = fromQt(LabelTit1->text());
    input.professions = professionsShown_;
    for (int i = 0; i < ListResulAct->count(); ++i)
        input.activityRows.push_back(fromQt(ListResulAct->item(i)->text()));
    input.bestActivity = ranked_.empty() ? -1 : ranked_.front();
    const ProfessionsReport report = professionsReport(data_, program_.texts(), input);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintList(program_, printer, report.table, report.lastLine, false, 12, report.bold);
}

bool Tprofe::BotAcabarClick() {
    const bool fromStudies = exitViaStudies_;
    exitViaStudies_ = false;
    // From the assistant the form just goes back there, without the question.
    if (!fromStudies && showAssistant(program_)) {
        hide();
        return true;
    }
    TForm4* dialog = program_.dialog();
    if (!dialog) return false;
    if (fromStudies) {
        dialog->LabelNombre2->setText(toQt(text(650)));
        dialog->LabelNombre2->show();
    }
    const bool leave = dialog->askQuestion(toQt(text(649)));
    dialog->LabelNombre2->hide();
    dialog->LabelNombre2->clear();
    if (!leave) return false;
    leaveToScene();
    return true;
}

void Tprofe::leaveToScene() {
    TimerFrase.stop();
    TimerAyu.stop();
    TimerAyu0.stop();
    hide();
    for (QWidget* w : std::initializer_list<QWidget*>{PanelResul, BotImp, ListSel, PanelSelTit0,
                                                      ListCues, ListResProf})
        w->hide();
    program_.state().studentName.clear();
    program_.showScene();
}

void Tprofe::closeEvent(QCloseEvent* event) {
    if (program_.terminateRequested() || !isVisible()) {
        event->accept();
        return;
    }
    if (BotAcabarClick())
        event->accept();
    else
        event->ignore();
}

void Tprofe::mouseMoveEvent(QMouseEvent* event) {
    FormMouseMove();
    QWidget::mouseMoveEvent(event);
}

bool Tprofe::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    const bool up = type == QEvent::MouseButtonRelease;
    if (watched == degrade) {
        if (!up) FormMouseMove();
    } else if (watched == PanelResul) {
        if (!up) PanelResulMouseMove();
    } else if (watched == ListSel->viewport()) {
        if (up) ListSelMouseUp(rowAt(ListSel, pos));
    } else if (watched == ListResulProf->viewport()) {
        if (up)
            ResultListMouseUp(ListResulProf, rowAt(ListResulProf, pos));
        else
            ListResulProfMouseMove(rowAt(ListResulProf, pos));
    } else if (watched == ListResulAct->viewport()) {
        if (up)
            ResultListMouseUp(ListResulAct, rowAt(ListResulAct, pos));
        else
            ListResulActMouseMove(rowAt(ListResulAct, pos));
    } else if (watched == ListTit->viewport()) {
        if (up) ListTitMouseUp();
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* createProfessionsForm(Program& program) {
    auto* form = new Tprofe(program);
    form->create();
    return form;
}

}  // namespace rumbelo
