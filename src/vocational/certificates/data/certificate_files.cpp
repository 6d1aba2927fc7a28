#include "vocational/certificates/data/certificate_files.h"

#include "common/data/readers.h"
#include "common/text/fixed_text.h"

namespace rumbelo::certificates {
namespace {

// Moves lines 10 onward of a freshly read table to 1 onward; lines 1-9 go to `head`.
template <typename Table, std::size_t N>
void renumber(const Table& read, std::array<std::string, N>& head, Table& out) {
    out.clear();
    out.set(0, read[0]);
    for (int k = 1; k <= static_cast<int>(N); ++k)
        head[static_cast<std::size_t>(k - 1)] = read[k];
    for (int k = static_cast<int>(N) + 1; k <= read.count(); ++k)
        out.set(k - static_cast<int>(N), read[k]);
}

}  // namespace

bool loadCertificateFiles(DataFiles& files, CertificateFiles& out) {
    LineTable lines;
    WideTable details;
    ReadLineTable(files, files.localized("certifica"), lines, kStandardWidth);
    if (files.aborted()) return false;
    ReadWideTable(files, files.localized("certificaH"), details);
    if (files.aborted()) return false;
    renumber(lines, out.groups, out.lines);
    renumber(details, out.requirements, out.details);
    return true;
}

CertificateFiles certificateFilesFrom(const std::vector<std::string>& certifica,
                                      const std::vector<std::string>& certificaH) {
    LineTable lines;
    WideTable details;
    int k = 0;
    for (const auto& line : certifica)
        lines.set(++k, padTo(line, kStandardWidth));
    k = 0;
    for (const auto& line : certificaH)
        details.set(++k, line);
    CertificateFiles out;
    renumber(lines, out.groups, out.lines);
    renumber(details, out.requirements, out.details);
    return out;
}

}  // namespace rumbelo::certificates
