#include "degrees/browser/degree_lists.h"

#include <algorithm>

#include "common/data/line_order.h"
#include "common/text/fixed_text.h"

namespace rumbelo::degrees {
namespace {

constexpr std::size_t kNameBesideMark = 45;

// Degrees 1..count with their numbers, in file order or sorted by name.
ListRows everyDegree(const DegreeCatalog& catalog, bool alphabetical) {
    ListRows list;
    if (!alphabetical) {
        for (int j = 1; j <= catalog.degreeCount; ++j)
            list.add(catalog.name(j), j);
        return list;
    }
    LineTable copy;
    for (int j = 1; j <= catalog.degreeCount; ++j)
        copy.set(j, catalog.name(j));
    std::vector<int> index;
    SortLineTable(copy, index, catalog.degreeCount);
    for (int k = 1; k <= catalog.degreeCount; ++k)
        list.add(copy[k], index[static_cast<std::size_t>(k - 1)]);
    return list;
}

template <typename Keep>
ListRows keepOnly(const ListRows& list, Keep keep) {
    ListRows kept;
    for (int i = 0; i < list.size(); ++i)
        if (keep(list.degreeAt(i)))
            kept.add(list.rows[static_cast<std::size_t>(i)], list.degreeAt(i));
    return kept;
}

}  // namespace

bool passesModality(const DegreeCatalog& catalog, int j, int modality) {
    const auto requirements = catalog.requirementsOf(j);
    const auto names = [&](int r) {
        return std::find(requirements.begin(), requirements.end(), r) != requirements.end();
    };
    return names(kModalityRequirementBase + modality) || names(kEveryModalityRequirement);
}

ListRows allDegreesRows(const DegreeCatalog& catalog, const DegreeFilters& filters,
                        bool alphabetical) {
    ListRows list = everyDegree(catalog, alphabetical);
    if (filters.modalityActive && filters.modality >= 1 && filters.modality <= kModalityCount)
        list = keepOnly(list, [&](int j) { return passesModality(catalog, j, filters.modality); });
    if (filters.kindActive && filters.kind >= 1 && filters.kind <= kKindCount)
        list = keepOnly(list, [&](int j) { return catalog.kind(j) == filters.kind; });
    return list;
}

std::string listCountCaption(const InterfaceTexts& texts, int rows, int degreeCount) {
    if (rows == degreeCount) return texts[589] + ": " + texts[590];
    return texts[589] + ": " + std::to_string(rows) + " " + texts[591] + " " +
           std::to_string(degreeCount);
}

int kindHelpSituation(int kind) {
    switch (kind) {
        case 1:
            return 10;
        case 2:
            return 11;
        case 3:
            return 13;
        default:
            return 0;
    }
}

std::vector<std::string> modalityEntries(const DegreeCatalog& catalog,
                                         const InterfaceTexts& texts) {
    std::vector<std::string> entries{texts.trimmed(223)};
    for (int k = 1; k <= kModalityCount; ++k)
        entries.push_back(TrimRight(catalog.requirements[kModalityRequirementBase + k]));
    return entries;
}

std::vector<std::string> kindEntries(const InterfaceTexts& texts) {
    std::vector<std::string> entries;
    for (int k = 333; k <= 336; ++k)
        entries.push_back(texts.trimmed(k));
    return entries;
}

std::string kindFilterText(const DegreeCatalog& catalog) {
    return TrimRight(catalog.requirements[kKindFilterTextLine]);
}

ListRows universityDegreeRows(const DegreeCatalog& catalog, int place) {
    ListRows list;
    for (int j = 1; j <= catalog.degreeCount; ++j)
        for (const PlaceMark& at : catalog.places(j))
            if (at.place == place)
                list.add(cut(catalog.name(j), kNameBesideMark) + formatMark(at.mark), j);
    return list;
}

int refreshedListTop(int oldTop, int degreeCount, int currentTop) {
    if (oldTop < 0 || oldTop > degreeCount) return 0;
    return currentTop;
}

}  // namespace rumbelo::degrees
