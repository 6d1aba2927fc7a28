#include "vocational/certificates/listing/certificate_lists.h"

#include "common/text/fixed_text.h"

namespace rumbelo::certificates {
namespace {

constexpr std::size_t kCodeWidth = 8;
constexpr std::size_t kRequirementCodes = 3;
constexpr std::size_t kRequirementTextEnd = 29;

bool isHeading(const std::string& line) {
    return line.size() >= 2 && line[1] == '-';
}

}  // namespace

std::vector<std::string> groupRows(const CertificateFiles& files) {
    std::vector<std::string> rows;
    for (const auto& group : files.groups)
        rows.push_back(TrimRight(colsFrom(group, kCodeWidth + 1)));
    return rows;
}

int groupIcon(int row) {
    switch (row) {
        case 2:
            return 2;
        case 3:
            return 9;
        case 4:
            return 8;
        case 5:
            return 3;
        case 6:
            return 4;
        case 7:
            return 0;
        case 8:
            return 5;
        case 9:
            return 3;
        default:
            return 1;
    }
}

std::vector<int> familiesOfGroup(const CertificateFiles& files, int group) {
    std::vector<int> families;
    if (group < 1 || group > kGroups) return families;
    const std::string code = cols(files.groups[static_cast<std::size_t>(group - 1)], 1, kCodeWidth);
    for (char letter : code) {
        for (int k = 1; k <= files.lineCount(); ++k) {
            const std::string& line = files.lines[k];
            if (isHeading(line) && line[0] == letter) families.push_back(k);
        }
    }
    return families;
}

std::vector<int> certificatesOfFamily(const CertificateFiles& files, int familyLine) {
    std::vector<int> certificates;
    const std::string& heading = files.lines[familyLine];
    if (heading.empty()) return certificates;
    for (int k = 1; k <= files.lineCount(); ++k) {
        const std::string& line = files.lines[k];
        if (!line.empty() && line[0] == heading[0] && !isHeading(line)) certificates.push_back(k);
    }
    return certificates;
}

std::string rowText(const CertificateFiles& files, int line) {
    return TrimRight(colsFrom(files.lines[line], 2));
}

std::vector<std::string> requirementTexts(const CertificateFiles& files, int line) {
    std::vector<std::string> texts;
    const std::string codes = cols(files.details[line], 1, kRequirementCodes);
    for (char code : codes) {
        if (code == ' ') continue;  // an unused code position
        for (const auto& requirement : files.requirements)
            if (!requirement.empty() && requirement[0] == code)
                texts.push_back(cols(requirement, 2, kRequirementTextEnd));
    }
    return texts;
}

CertificatePanel certificatePanel(const CertificateFiles& files, int line) {
    CertificatePanel panel;
    panel.title = cut(colsFrom(files.lines[line], 2), 60);
    for (const auto& text : requirementTexts(files, line))
        panel.requirements += text + "\n";
    const std::string& detail = files.details[line];
    panel.hours = cols(detail, 4, 6);
    panel.description = cols(detail, 8, 90);
    return panel;
}

}  // namespace rumbelo::certificates
