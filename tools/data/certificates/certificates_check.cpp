// The built pair read as the certificates form reads it, with what would go wrong on screen
// or on paper: misaligned lines, too many lines or certificates, letters and codes that
// name nothing.
#include <set>

#include "common/data/readers.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/certificates/certificates_pass.h"
#include "vocational/certificates/data/certificate_files.h"
#include "vocational/certificates/listing/certificate_lists.h"

namespace rumbelo::data {
namespace {

using namespace certificates;

std::string at(int line) {
    return "certificaH line " + std::to_string(line + kGroups);
}

bool isHeading(const std::string& line) {
    return line.size() >= 2 && line[1] == '-';
}

void checkAlignment(CheckContext& ctx, const CertificateFiles& files) {
    if (files.lineCount() != files.detailCount())
        ctx.problem("certifica has " + std::to_string(files.lineCount() + kGroups) +
                    " lines but certificaH " + std::to_string(files.detailCount() + kGroups) +
                    "; the two must match line by line");
    if (files.lineCount() > kMaxLines)
        ctx.problem("certifica: " + std::to_string(files.lineCount()) +
                    " lines after the groups; at most 255");
    const int both = std::min(files.lineCount(), files.detailCount());
    for (int k = 1; k <= both; ++k) {
        const std::string& detail = files.details[k];
        if (isHeading(files.lines[k])) {
            if (!IsBlank(detail)) ctx.problem(at(k) + ": a family heading's partner must be blank");
            continue;
        }
        const auto hours = parseNumber(cols(detail, 4, 6));
        if (!hours || *hours <= 0)
            ctx.problem(at(k) + ": no hours in columns 4-6 for \"" +
                        cp1252ToUtf8(rowText(files, k)) + "\"");
    }
}

void checkFamilies(CheckContext& ctx, const CertificateFiles& files) {
    std::set<char> families;
    for (int k = 1; k <= files.lineCount(); ++k) {
        const std::string& line = files.lines[k];
        if (isHeading(line)) {
            if (!families.insert(line[0]).second)
                ctx.problem("certifica: family letter " + std::string(1, line[0]) +
                            " heads two families");
            const auto certificates = certificatesOfFamily(files, k);
            if (certificates.size() > static_cast<std::size_t>(kMaxPerFamily))
                ctx.problem("certifica: family \"" + cp1252ToUtf8(rowText(files, k)) + "\" has " +
                            std::to_string(certificates.size()) + " certificates; at most 15");
            if (certificates.empty())
                ctx.problem("certifica: family \"" + cp1252ToUtf8(rowText(files, k)) +
                            "\" has no certificates");
            else if (certificates.front() != k + 1)
                ctx.problem("certifica: the certificates of \"" + cp1252ToUtf8(rowText(files, k)) +
                            "\" must follow their heading");
        } else if (!IsBlank(line) && families.count(line[0]) == 0) {
            ctx.problem("certifica line " + std::to_string(k + kGroups) +
                        ": certificate before any heading of family " + std::string(1, line[0]));
        }
    }
    for (int g = 1; g <= kGroups; ++g) {
        const std::string code = cols(files.groups[static_cast<std::size_t>(g - 1)], 1, 8);
        if (IsBlank(code))
            ctx.problem("certifica line " + std::to_string(g) + ": no family letters");
        for (char letter : code)
            if (letter != ' ' && families.count(letter) == 0)
                ctx.problem("certifica line " + std::to_string(g) + ": letter " +
                            std::string(1, letter) + " names no family");
    }
}

void checkRequirementCodes(CheckContext& ctx, const CertificateFiles& files) {
    std::set<char> codes;
    for (const auto& requirement : files.requirements)
        if (!requirement.empty() && requirement[0] != ' ') codes.insert(requirement[0]);
    for (int k = 1; k <= files.detailCount(); ++k) {
        if (isHeading(files.lines[k])) continue;
        for (char code : cols(files.details[k], 1, 3))
            if (code != ' ' && codes.count(code) == 0)
                ctx.problem(at(k) + ": requirement code " + std::string(1, code) +
                            " names no requirement line");
        if (requirementTexts(files, k).size() > 3)
            ctx.problem(at(k) + ": more than the three requirement lines the printout shows");
    }
}

}  // namespace

void checkCertificates(CheckContext& ctx) {
    CertificateFiles files;
    if (!loadCertificateFiles(ctx.files, files)) return;
    checkAlignment(ctx, files);
    checkFamilies(ctx, files);
    checkRequirementCodes(ctx, files);
}

}  // namespace rumbelo::data
