#include "vocational/initial/data/programme_files.h"

#include "common/data/readers.h"
#include "common/text/fixed_text.h"

namespace rumbelo::initial {
namespace {

// Lines 1-9 go to the groups, the rest to the programmes from 1; sub-headings noted.
void split(const LineTable& read, ProgrammeFiles& out) {
    out.programmes.clear();
    out.programmes.set(0, read[0]);
    out.subHeadings.clear();
    for (int k = 1; k <= kGroups; ++k)
        out.groups[static_cast<std::size_t>(k - 1)] = read[k];
    for (int k = kGroups + 1; k <= read.count(); ++k) {
        const int p = k - kGroups;
        out.programmes.set(p, read[k]);
        if (out.isSubHeading(p)) out.subHeadings.push_back(p);
    }
}

}  // namespace

std::string ProgrammeFiles::groupCode(int g) const {
    if (g < 1 || g > kGroups) return std::string(4, ' ');
    std::string code = cut(groups[static_cast<std::size_t>(g - 1)], 4);
    code.resize(4, ' ');
    return code;
}

std::string ProgrammeFiles::groupName(int g) const {
    if (g < 1 || g > kGroups) return {};
    const std::string& line = groups[static_cast<std::size_t>(g - 1)];
    return line.size() > 4 ? TrimRight(line.substr(4)) : std::string();
}

char ProgrammeFiles::category(int p) const {
    const std::string& line = programmes[p];
    return line.empty() ? ' ' : line[0];
}

std::string ProgrammeFiles::text(int p) const {
    return colsFrom(programmes[p], 2);
}

bool ProgrammeFiles::isSubHeading(int p) const {
    const std::string& line = programmes[p];
    return line.size() >= 2 && line[1] == '-';
}

std::array<std::string, kModuleLines> ProgrammeFiles::moduleLines(int p) const {
    std::array<std::string, kModuleLines> lines;
    for (int i = 0; i < kModuleLines; ++i)
        lines[static_cast<std::size_t>(i)] = modules[kModuleLines * (p - 1) + 1 + i];
    return lines;
}

std::vector<int> groupRows(const ProgrammeFiles& files, int g) {
    std::vector<int> rows;
    for (const char letter : files.groupCode(g))
        for (int p = 1; p <= files.count(); ++p)
            if (files.category(p) == letter) rows.push_back(p);
    return rows;
}

bool loadProgrammeFiles(DataFiles& files, ProgrammeFiles& out) {
    LineTable read;
    const std::string name = files.localized("fpip");
    ReadLineTable(files, name, read, kStandardWidth);
    if (files.aborted()) return false;
    ReadLineTable(files, files.localized("IPmodulos"), out.modules, kStandardWidth);
    if (files.aborted()) return false;
    split(read, out);
    if (out.count() > kMaxProgrammes) {
        files.reportOverCapacity(name, kMaxProgrammes + kGroups, "líneas");
        return false;
    }
    if (out.subHeadings.size() > static_cast<std::size_t>(kMaxSubHeadings)) {
        files.reportOverCapacity(name, kMaxSubHeadings, "subtítulos");
        return false;
    }
    return true;
}

ProgrammeFiles programmeFilesFrom(const std::vector<std::string>& fpip,
                                  const std::vector<std::string>& modules) {
    LineTable read;
    int k = 0;
    for (const auto& line : fpip)
        read.set(++k, padTo(line, kStandardWidth));
    ProgrammeFiles out;
    split(read, out);
    k = 0;
    for (const auto& line : modules)
        out.modules.set(++k, padTo(line, kStandardWidth));
    return out;
}

}  // namespace rumbelo::initial
