// The print buttons of the degree face: MenuCar6 puts the whole degree on paper, and
// BotImprimir the list on view (the degrees of a university, double degrees, an other
// study). The core builds every line; this only picks the report and prints it.
#include <QLabel>

#include "common/print/plain_printout.h"
#include "common/print/report_printing.h"
#include "common/program/program.h"
#include "common/region_map/region_map.h"
#include "degrees/browser/degree_reports.h"
#include "degrees/form/degree_face.h"
#include "degrees/form/degrees_form.h"

namespace rumbelo {

using namespace degrees;

void DegreeFace::printDegreeReport() {
    if (selectedDegree_ <= 0) return;
    ReportTable report;
    BoldLines bold;
    const int n = degreeReport(form_.data().degrees, form_.data().geography.places, selectedDegree_,
                               program_.texts(), report, bold);
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(&form_)) return;
    PrintColumns(program_, printer, report, n, false, bold);
    form_.PanelSelTit->clear();
}

void DegreeFace::printClicked() {
    if (chosenEntry_ < 0) return;  // nothing chosen yet: nothing to print
    const auto& data = form_.data();
    const std::string& school = program_.state().schoolName;
    const InterfaceTexts& texts = program_.texts();
    PlainReport report;
    if (otherStudiesMode_) {
        report = otherStudyReport(data.degrees, chosenEntry_ + 1, school, texts);
    } else if (byPlaceMode_ == ByPlaceMode::Single) {
        report = universityDegreesReport(data.degrees, data.geography.places, currentPlace_, school,
                                         texts);
    } else if (byPlaceMode_ == ByPlaceMode::DoubleByDegree) {
        if (chosenEntry_ >= static_cast<int>(communityRows_.size())) return;
        report = doubleDegreesOfDegreeReport(data.degrees, data.doubles,
                                             communityRows_[static_cast<std::size_t>(chosenEntry_)],
                                             school, texts);
    } else if (byPlaceMode_ == ByPlaceMode::DoubleByUniversity) {
        const auto& groups = form_.regionMap().selection().places;
        if (chosenEntry_ >= static_cast<int>(groups.size())) return;
        report = doubleDegreesOfUniversityReport(data.degrees, data.doubles,
                                                 groups[static_cast<std::size_t>(chosenEntry_)],
                                                 school, texts);
    } else {
        return;
    }
    ReportPrinter printer(program_.state().messages());
    if (!printer.askDialog(&form_)) return;
    printer.print(
        [&](PageCanvas& canvas) { return PrintPlain(canvas, report.lines, report.bold); });
}

}  // namespace rumbelo
