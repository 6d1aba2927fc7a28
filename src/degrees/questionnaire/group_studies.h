#pragma once
// What an interest group leads to: its university degrees (the groups of each degree in
// "datcar") and its higher-FP titles (the groups table of "datFPR"). Qt-free.
#include <string>
#include <vector>

#include "common/data/tables.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"
#include "degrees/data/fp_catalog.h"

namespace rumbelo::degrees {

// The degrees 1..degreeCount that list group g, in degree order, once per matching entry.
std::vector<int> degreesOfGroup(const DegreeCatalog& degrees, int g);

// The rows ListCarreras shows for group g: the group's line, a blank row, text 327, its
// degrees, a blank row, text 326, its FP titles. Rows are 60 characters or fewer.
std::vector<std::string> groupStudiesRows(const DegreeCatalog& degrees, const FpCatalog& fp,
                                          const LineTable& groups, int g,
                                          const InterfaceTexts& texts);

}  // namespace rumbelo::degrees
