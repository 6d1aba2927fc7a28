#pragma once
// Small interest catalogues built in memory: groups with their item lists, degrees with
// their groups, FP titles with theirs, so that each test states only what it scores.
#include <string>
#include <vector>

#include "degrees/data/degree_catalog.h"
#include "degrees/data/fp_catalog.h"
#include "degrees/data/interest_catalog.h"
#include "support/counted_rows.h"

namespace rumbelo::testing {

struct CraftedGroup {
    std::string name;
    std::vector<int> qualities;  // the CUALIDAD items that count for it
    std::vector<int> interests;
};

inline degrees::InterestCatalog interestOf(const std::vector<CraftedGroup>& groups) {
    degrees::InterestCatalog catalog;
    catalog.items[0].resize(1);
    catalog.items[1].resize(1);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        catalog.groups.set(static_cast<int>(g) + 1, groups[g].name);
        catalog.items[0].push_back(groups[g].qualities);
        catalog.items[1].push_back(groups[g].interests);
    }
    return catalog;
}

// Degree j+1 named names[j] with groups[j].
inline degrees::DegreeCatalog degreesOf(const std::vector<std::string>& names,
                                        const std::vector<std::vector<int>>& groups) {
    degrees::DegreeCatalog catalog;
    for (auto& record : catalog.records)
        record.assign(degrees::kDegreeRecordSize, '\0');
    for (std::size_t j = 0; j < names.size(); ++j) {
        catalog.degrees.set(static_cast<int>(j) + 1, names[j]);
        putCountedRow(catalog.records[4], j * degrees::kDegreeRowSize, groups[j]);
    }
    catalog.degreeLines = static_cast<int>(names.size());
    catalog.degreeCount = catalog.degreeLines;
    return catalog;
}

inline degrees::FpCatalog titlesOf(const std::vector<std::string>& names,
                                   const std::vector<std::vector<int>>& groups) {
    degrees::FpCatalog fp;
    fp.links.resize(names.size() + 1);
    for (std::size_t t = 0; t < names.size(); ++t) {
        fp.titles.set(static_cast<int>(t) + 1, names[t]);
        fp.links[t + 1].groups = groups[t];
    }
    return fp;
}

}  // namespace rumbelo::testing
