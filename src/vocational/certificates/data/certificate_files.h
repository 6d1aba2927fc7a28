#pragma once
// "certifica" and "certificaH" as the certificates section keeps them: the nine groups, the
// nine requirement lines, and the family and certificate lines renumbered from 1, where line
// k of one file belongs with line k of the other.
#include <array>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo::certificates {

inline constexpr int kGroups = 9;
inline constexpr int kRequirementLines = 9;
// Listed families and certificates are kept as byte-sized line numbers.
inline constexpr int kMaxLines = 255;
// A family's certificates are printed at once.
inline constexpr int kMaxPerFamily = 15;

struct CertificateFiles {
    // Lines 1-9 of "certifica": group[g-1] = the whole line (cols 1-8 letters, 9- name).
    std::array<std::string, kGroups> groups;
    // Lines 1-9 of "certificaH": col 1 code, cols 2-29 text.
    std::array<std::string, kRequirementLines> requirements;
    // Lines 10 onward, renumbered from 1: lines[k] of "certifica", details[k] of "certificaH".
    LineTable lines;
    WideTable details;

    int lineCount() const { return lines.count(); }
    int detailCount() const { return details.count(); }
};

// Reads both files through the language folder. A missing file is reported by the readers
// (the abort flag is set); false then.
bool loadCertificateFiles(DataFiles& files, CertificateFiles& out);

// The same from lines already split (tests, the data check): each string one line.
CertificateFiles certificateFilesFrom(const std::vector<std::string>& certifica,
                                      const std::vector<std::string>& certificaH);

}  // namespace rumbelo::certificates
