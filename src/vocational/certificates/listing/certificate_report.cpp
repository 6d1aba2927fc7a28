#include "vocational/certificates/listing/certificate_report.h"

#include "common/text/fixed_text.h"
#include "vocational/certificates/listing/certificate_lists.h"

namespace rumbelo::certificates {
namespace {

constexpr std::size_t kPrintedRequirements = 3;
constexpr std::size_t kRequirementWidth = 25;

// The word for "family" ends in a hard space where other lists follow it with a name; before
// the colon it would leave a gap.
std::string withoutHardSpace(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\xA0'))
        text.pop_back();
    return text;
}

}  // namespace

CertificateReport certificateReport(const CertificateFiles& files, const InterfaceTexts& texts,
                                    const std::vector<int>& certificates) {
    CertificateReport report;
    if (certificates.empty()) return report;
    ReportTable& table = report.table;
    int n = 0;
    table.set(n, texts.trimmed(580));
    table.set(++n, withoutHardSpace(texts[583]) + ":");
    // The heading stands just before the family's first certificate.
    table.set(++n, cut(colsFrom(files.lines[certificates.front() - 1], 2), 60));
    report.bold.add(n);
    table.set(++n, "");
    for (int line : certificates) {
        table.set(++n, rowText(files, line));
        report.bold.add(n);
        table.set(++n, cut(colsFrom(files.details[line], 8), 60));
        table.set(++n, texts.trimmed(581));
        const auto requirements = requirementTexts(files, line);
        for (std::size_t i = 0; i < requirements.size() && i < kPrintedRequirements; ++i)
            table.set(++n, spaces(7) + cut(requirements[i], kRequirementWidth));
        table.set(++n, texts.trimmed(582) + ": " + cols(files.details[line], 4, 6));
        table.set(++n, "");
    }
    report.bold.setCount(static_cast<int>(certificates.size()) + 1);
    report.lastLine = n;
    return report;
}

}  // namespace rumbelo::certificates
