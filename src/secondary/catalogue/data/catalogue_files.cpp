#include "secondary/catalogue/data/catalogue_files.h"

#include "common/data/readers.h"
#include "common/data/text_lines.h"
#include "common/text/fixed_text.h"

namespace rumbelo::catalogue {

char CatalogueFiles::familyKey(int p) const {
    const std::string& line = families[p + 1];
    return line.empty() ? ' ' : line[0];
}

std::string CatalogueFiles::familyName(int p) const {
    return TrimRight(colsFrom(families[p + 1], 2));
}

bool CatalogueFiles::belongs(int level, int r, char key) const {
    if (level < 1 || level > 3 || r < 1 || r > indexCount() || key == ' ') return false;
    const std::string& line = index[static_cast<std::size_t>(r)];
    const auto first = static_cast<std::size_t>(2 * (level - 1));
    for (std::size_t i = first; i < first + 2 && i < line.size(); ++i)
        if (line[i] == key) return true;
    return false;
}

bool loadCatalogueFiles(DataFiles& files, CatalogueFiles& out) {
    ReadRawTable(files, files.localized("familias"), out.families);
    if (files.aborted()) return false;
    // The index is read whole here: a missing one is named like every other missing file,
    // where a bare open would end the section with an input/output error.
    const auto bytes = files.read("indices");
    if (!bytes) {
        files.reportMissing("indices");
        return false;
    }
    const auto lines = splitLines(*bytes);
    if (lines.size() > static_cast<std::size_t>(kIndexLines)) {
        files.reportOverCapacity("indices", kIndexLines, "líneas");
        return false;
    }
    out.index.assign(1, std::string());
    for (const auto& line : lines)
        out.index.push_back(cut(line, kIndexWidth));
    return true;
}

CatalogueFiles catalogueFilesFrom(const std::vector<std::string>& families,
                                  const std::vector<std::string>& index) {
    CatalogueFiles out;
    int k = 0;
    for (const auto& line : families)
        out.families.set(++k, line);
    for (const auto& line : index)
        out.index.push_back(cut(line, kIndexWidth));
    return out;
}

}  // namespace rumbelo::catalogue
