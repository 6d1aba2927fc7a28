#include "degrees/questionnaire/group_studies.h"

#include "common/text/fixed_text.h"

namespace rumbelo::degrees {
namespace {

constexpr std::size_t kRowWidth = 60;
constexpr int kDegreesHeading = 327;
constexpr int kTitlesHeading = 326;

std::string heading(const InterfaceTexts& texts, int k) {
    return cut(texts[k] + spaces(12), kRowWidth);
}

}  // namespace

std::vector<int> degreesOfGroup(const DegreeCatalog& degrees, int g) {
    std::vector<int> list;
    for (int j = 1; j <= degrees.degreeCount; ++j)
        for (const int group : degrees.groupsOf(j))
            if (group == g) list.push_back(j);
    return list;
}

std::vector<std::string> groupStudiesRows(const DegreeCatalog& degrees, const FpCatalog& fp,
                                          const LineTable& groups, int g,
                                          const InterfaceTexts& texts) {
    std::vector<std::string> rows{groups[g], spaces(kRowWidth), heading(texts, kDegreesHeading)};
    for (const int j : degreesOfGroup(degrees, g))
        rows.push_back(degrees.name(j));
    rows.push_back(spaces(kRowWidth));
    rows.push_back(heading(texts, kTitlesHeading));
    for (const int t : fp.titlesOfGroup(g))
        rows.push_back(fp.titleName(t));
    return rows;
}

}  // namespace rumbelo::degrees
