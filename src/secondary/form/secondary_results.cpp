// The results of the questionnaire: the short verdict or the full page, the hint bar and
// the titles of an area, printing and saving.
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

#include "common/dialog/aviso.h"
#include "common/print/plain_printout.h"
#include "common/print/report_printing.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/save/results_file.h"
#include "secondary/form/secondary_form.h"
#include "secondary/form/secondary_look.h"
#include "secondary/questionnaire/eso_questionnaire.h"
#include "secondary/questionnaire/scoring.h"
#include "secondary/questionnaire/titles_list.h"

namespace rumbelo {

using namespace secondary;

namespace {

void fillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const auto& line : lines)
        list->addItem(toQt(line));
}

}  // namespace

void TForm2::BotResCuesClick() {
    if (questionnaire_->resultsShown)
        hideResults();
    else
        showResults();
}

void TForm2::hideResults() {
    PanelCar->hide();
    ListResul->hide();
    PanelResul->hide();
    LabelAviso->hide();
    PanelCues->show();
    Gcuestio->show();
    BotResCues->setText(toQt(program_.texts().trimmed(45)));
    ImpResul->hide();
    grabar->hide();
    questionnaire_->resultsShown = false;
}

void TForm2::showResults() {
    EsoQuestionnaire& q = *questionnaire_;
    if (!q.shortMode) startHelp(kFullResultsHelp);
    q.resultsShown = true;
    PanelCar->hide();
    PanelMenu->hide();
    PanelCues->hide();
    ListResul->show();
    PanelResul->show();
    BotResCues->setText(toQt(program_.texts().trimmed(328)));
    ImpResul->setText(toQt(program_.texts().trimmed(273)));
    if (q.shortMode)
        showShortResults();
    else
        showFullResults();
}

void TForm2::showShortResults() {
    EsoQuestionnaire& q = *questionnaire_;
    const auto points = statementPoints(q.statements(), q.shownCount);
    const Readiness readiness = readinessOf(q.statements(), points);
    const bool weak = anyWeakAdviceArea(data_.areas, q.statements(), points);
    const ShortVerdict verdict = shortVerdict(readiness.rating, weak, q.secondChance);
    q.continueAllowed = verdict.continueAllowed;
    BotContinuar->move(AcabarCues->geometry().right() + 1 + 10, AcabarCues->y() - 4);
    BotContinuar->show();
    BotContinuar->raise();
    setFontOf(ListResul, kCourier, program_.state().largeFontsCorrection + 13);
    fullRunShown_ = false;
    Gcuestio->hide();
    fillList(ListResul, shortResultLines(verdict, program_.texts(), data_.results));
}

void TForm2::showFullResults() {
    EsoQuestionnaire& q = *questionnaire_;
    grabar->show();
    ImpResul->show();
    const auto points = statementPoints(q.statements(), q.shownCount);
    const Readiness readiness = readinessOf(q.statements(), points);
    const AreaRatings ratings = fullRunRatings(data_.areas, q.statements(), points);
    fullResults_ = secondary::fullResults(data_, program_.texts(), readiness, ratings);
    fullRunShown_ = true;
    setFontOf(ListResul, kCourier, program_.state().largeFontsCorrection + 11);
    Gcuestio->hide();
    fillList(ListResul, fullResults_.lines);
}

void TForm2::ListResulMouseMove(int y) {
    if (!fullRunShown_ || !ListResul->isVisible() || ListResul->count() == 0) {
        LabelAviso->hide();
        return;
    }
    const int h = std::max(1, ListResul->sizeHintForRow(0));
    const int t = ListResul->indexAt(QPoint(4, 1)).row();
    const int first = std::max(0, t);
    if (y >= (kFirstBestAreaLine - 1 - first) * h && y <= (kLastBestAreaLine - first) * h) {
        LabelAviso->move(LabelAviso->x(), ListResul->y() + ListResul->viewport()->y() + y);
        LabelAviso->show();
        LabelAviso->raise();
    } else {
        LabelAviso->hide();
    }
}

void TForm2::ListResulClick(int item) {
    if (!fullRunShown_ || !questionnaire_->resultsShown) return;
    const int r = item + 1;
    if (r < kFirstBestAreaLine || r > kLastBestAreaLine) return;
    openTitles(r);
}

void TForm2::openTitles(int resultLine) {
    startHelp(kTitlesHelp);
    const int area = fullResults_.ranking[static_cast<std::size_t>(resultLine - 16)];
    titles_ = areaTitles(data_, program_.texts(), area);
    LabelAviso->hide();
    PanelCar->show();
    PanelCar->raise();
    fillList(ListCar, titles_);
}

void TForm2::ListCarClick() {
    closeTitles();
}

void TForm2::BotCerrarClick() {
    closeTitles();
}

void TForm2::closeTitles() {
    PanelCar->hide();
    cancelButton_ = AcabarCues;
}

bool TForm2::printPlainList(const std::vector<std::string>& lines) {
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return false;
    return printer.print([&](PageCanvas& canvas) { return PrintPlain(canvas, lines, 0, 2); });
}

void TForm2::BotImpTitClick() {
    printPlainList(titlesPrintout(program_.state().schoolName, titles_));
}

bool TForm2::askStudentName() {
    std::string& name = program_.state().studentName;
    if (!name.empty()) return true;
    TForm4* dialog = program_.dialog();
    if (!dialog) return false;
    const auto typed = dialog->askName(toQt(program_.texts().trimmed(339)), {});
    if (!typed) return false;
    name = studentNameWithCourse(*typed);
    return true;
}

void TForm2::ImpResulClick() {
    if (!questionnaire_->questionnaireMode || fullResults_.lines.empty()) return;
    if (!askStudentName()) return;
    const auto lines = reportLines(program_.state().studentName, fullResults_.lines);
    ReportTable report;
    for (std::size_t k = 0; k < lines.size(); ++k)
        report.set(static_cast<int>(k), lines[k]);
    BoldLines bold;
    for (int r : fullResults_.boldResultLines)
        bold.add(r + 1);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(this)) return;
    PrintList(program_, printer, report, static_cast<int>(lines.size()) - 1, true, 12, bold);
}

void TForm2::grabarClick() {
    if (!questionnaire_->questionnaireMode || fullResults_.lines.empty()) return;
    if (!askStudentName()) return;
    const std::string& name = program_.state().studentName;
    PanelCar->hide();
    if (saveResultsFile(this, program_, toQt(name), reportLines(name, fullResults_.lines)))
        startHelp(kSavedHelp);
}

}  // namespace rumbelo
