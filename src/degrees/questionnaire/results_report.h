#pragma once
// The questionnaire results on paper or in a file, built by one routine. Part one: the
// three rankings under the pupil's name. Part two: the three best groups of the ranking on
// view with their degrees and higher-FP titles. Printed, part two is a report of its own;
// saved, it follows part one in the same table. Qt-free.
#include <string>
#include <vector>

#include "common/print/report_table.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"
#include "degrees/data/fp_catalog.h"
#include "degrees/questionnaire/questionnaire_session.h"

namespace rumbelo::degrees {

struct ResultsReport {
    ReportTable first;  // entry 0 the title (text 284 and the name)
    int firstCount = 0;
    BoldLines firstBold;
    ReportTable second;  // printing only: entry 0 is text 340
    int secondCount = 0;
    BoldLines secondBold;
};

// `groupCount` groups in part one; part two for the first three groups of `results.order`.
ResultsReport buildResultsReport(const QuestionnaireResults& results, int groupCount,
                                 const std::string& pupilName, const DegreeCatalog& degrees,
                                 const FpCatalog& fp, const LineTable& groups,
                                 const InterfaceTexts& texts, bool saving);

// A saved report's lines 0..firstCount, as stored.
std::vector<std::string> savedLines(const ResultsReport& report);

}  // namespace rumbelo::degrees
