#include "professions/core/professions_report.h"

#include "common/text/fixed_text.h"
#include "professions/core/result_lists.h"

namespace rumbelo::professions {

std::string studyTypeNote(const InterfaceTexts& texts, char typeLetter) {
    switch (typeLetter) {
        case 'C':
            return " (T\xEDt. Univers.)";
        case 'S':
            return " (T\xEDt. F.P. Sup.)";
        case 'M':
            return " (T\xEDt. " + texts.trimmed(113) + ")";
        default:
            return " (" + cut(texts[628], 13) + ".)";
    }
}

ProfessionsReport professionsReport(const ProfessionsData& data, const InterfaceTexts& texts,
                                    const ReportInput& input) {
    ProfessionsReport report;
    ReportTable& table = report.table;
    int n = 0;
    const auto line = [&](const std::string& text, bool bold = false) {
        table.set(++n, text);
        if (bold) report.bold.add(n);
    };
    table.set(0, input.studentName);
    line(input.title, true);
    line("");
    line(texts.trimmed(124));
    line(input.professionsHeading, true);
    line("");
    const std::vector<std::string> rows = professionRows(data, input.professions);
    for (std::size_t i = 0; i < input.professions.size(); ++i) {
        line(rows[i + 1], true);
        const Profession& p = data.professions[static_cast<std::size_t>(input.professions[i])];
        for (const std::string& code : studiesOf(p))
            line(spaces(4) + data.studyName(code) + studyTypeNote(texts, code[0]));
    }
    line("");
    line(texts.trimmed(642), true);
    for (const std::string& row : input.activityRows)
        line(row);
    line("");
    line(spaces(5) + texts.trimmed(624) + " 1\xBA:");
    if (input.bestActivity >= 0 && input.bestActivity < static_cast<int>(data.activities.size())) {
        const Code& code = data.activities[static_cast<std::size_t>(input.bestActivity)].code;
        for (int p : professionsOfActivity(data, code))
            line("  \x95 " + TrimRight(data.professions[static_cast<std::size_t>(p)].name));
    }
    report.lastLine = n;
    return report;
}

}  // namespace rumbelo::professions
