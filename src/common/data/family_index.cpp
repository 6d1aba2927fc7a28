#include "common/data/family_index.h"

#include "common/data/counted_rows.h"
#include "common/data/readers.h"

namespace rumbelo {

int FamilyIndex::headerLine(int f) const {
    if (f < 1 || f > static_cast<int>(headerLines.size())) return 0;
    return headerLines[static_cast<std::size_t>(f - 1)];
}

std::vector<int> FamilyIndex::titlesOf(int f) const {
    std::vector<int> titles;
    if (f < 1 || f > count()) return titles;
    for (int t = headerLine(f) + 1; t < headerLine(f + 1); ++t)
        titles.push_back(t);
    return titles;
}

int markedFamilyCount(const FamilyIndex& families) {
    for (int f = 1; f <= families.count(); ++f)
        if (!families.names[f].empty() && families.names[f][0] == '|') return f - 1;
    return 0;
}

void ReadFamilyIndex(DataFiles& files, const std::string& name, int lineCount, FamilyIndex& index) {
    ReadDashIndex(files, name, index.names, index.headerLines, kStandardWidth);
    index.headerLines.resize(static_cast<std::size_t>(index.count()));
    index.headerLines.push_back(lineCount + 1);
}

std::vector<std::vector<int>> decodeOfferRows(const std::string& record) {
    std::vector<std::vector<int>> rows(1);
    constexpr std::size_t kRowBytes = kOfferRowWords * 2;
    for (int t = 1; t <= kOfferRows; ++t)
        rows.push_back(
            countedRow(record, static_cast<std::size_t>(t - 1) * kRowBytes, kRowBytes, 2));
    return rows;
}

}  // namespace rumbelo
