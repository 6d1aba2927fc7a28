// The questionnaire results on paper (ImpResul) and in a file (grabar): one report built by
// the core, after the pupil's name.
#include <QListWidget>

#include "common/dialog/aviso.h"
#include "common/print/report_printing.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/save/results_file.h"
#include "degrees/form/degrees_form.h"
#include "degrees/form/questionnaire_face.h"
#include "degrees/questionnaire/results_report.h"

namespace rumbelo {

using namespace degrees;

namespace {
constexpr int kNameQuestion = 339;
}

bool QuestionnaireFace::askPupilName() {
    TForm4* dialog = program_.dialog();
    if (!dialog) return false;
    std::string& name = program_.state().studentName;
    const auto given = dialog->askName(toQt(program_.texts().trimmed(kNameQuestion)), name);
    if (!given) return false;
    name = *given;
    return true;
}

void QuestionnaireFace::ImpResulClick() {
    if (!askPupilName()) return;
    const auto& data = form_.data();
    ResultsReport report = buildResultsReport(
        session_->results(), session_->groupCount(), program_.state().studentName, data.degrees,
        data.fp, data.interest.groups, program_.texts(), /*saving=*/false);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(&form_)) return;
    PrintList(program_, printer, report.first, report.firstCount, /*fixedPitch=*/true, 12,
              report.firstBold);
    PrintColumns(program_, printer, report.second, report.secondCount, /*compact=*/false,
                 report.secondBold);
    helpHere(17);
}

void QuestionnaireFace::grabarClick() {
    if (!askPupilName()) return;
    const auto& data = form_.data();
    const std::string& name = program_.state().studentName;
    const ResultsReport report =
        buildResultsReport(session_->results(), session_->groupCount(), name, data.degrees, data.fp,
                           data.interest.groups, program_.texts(), /*saving=*/true);
    const std::vector<std::string> lines = savedLines(report);
    saveResultsFile(&form_, program_, toQt(name), lines);
    ListResul->hide();
    ListResul->clear();
    for (const auto& line : lines)
        ListResul->addItem(toQt(line));
    helpHere(19);
}

}  // namespace rumbelo
