#include "degrees/consultation/consultation_report.h"

#include "common/print/report_table.h"
#include "common/text/fixed_text.h"

namespace rumbelo::degrees {

PlainReport consultationReport(const ConsultationResult& result, const ConsultationAsked& asked,
                               const InterfaceTexts& texts) {
    if (result.outcome != ConsultationOutcome::Degrees &&
        result.outcome != ConsultationOutcome::NoDegree)
        return {};
    const std::string rule(49, '_');
    PlainReport report{{spaces(2) + TrimRight(asked.schoolName), spaces(2), rule, texts[331],
                        spaces(2) + texts[296] + ":  " + asked.units + "," + asked.tenths,
                        spaces(2) + asked.modality,
                        spaces(2) + texts[332] + " " + cols(asked.communityLine, 3, 47),
                        spaces(2) + asked.difficulty.label + " " + asked.difficulty.level, rule},
                       8};
    for (const auto& row : result.rows.rows)
        report.lines.push_back(row);
    for (auto& line : report.lines)
        line = cut(line, ReportTable::kWidth);
    return report;
}

}  // namespace rumbelo::degrees
