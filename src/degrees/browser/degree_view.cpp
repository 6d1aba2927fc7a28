#include "degrees/browser/degree_view.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::degrees {
namespace {

constexpr int kPlaceNameWidth = 35;
constexpr std::size_t kNameBesideMark = 45;
constexpr int kDifficultyNames = 652;  // + difficulty 1..7 = texts 653..659

std::vector<std::string> linesOf(const LineTable& table, const std::vector<int>& numbers) {
    std::vector<std::string> rows;
    for (const int k : numbers)
        rows.push_back(table[k]);
    return rows;
}

}  // namespace

DegreeViewList placesOfDegree(const DegreeCatalog& catalog, const PlaceList& places, int j,
                              const InterfaceTexts& texts) {
    DegreeViewList list;
    list.heading = places.names[0];
    for (const PlaceMark& at : catalog.places(j))
        list.rows.push_back(cut(padTo(places.names[at.place], kPlaceNameWidth), kNameBesideMark) +
                            formatMark(at.mark));
    if (!list.rows.empty()) list.heading = spaces(3) + places.names[0] + spaces(24) + texts[296];
    return list;
}

DegreeViewList requirementsOfDegree(const DegreeCatalog& catalog, int j,
                                    const InterfaceTexts& texts) {
    return {texts[277], linesOf(catalog.requirements, catalog.requirementsOf(j))};
}

DegreeViewList outletsOfDegree(const DegreeCatalog& catalog, int j, const InterfaceTexts& texts) {
    return {texts[278], linesOf(catalog.outlets, catalog.outletsOf(j))};
}

DegreeViewList subjectsOfDegree(const DegreeCatalog& catalog, int j, const InterfaceTexts& texts) {
    DegreeViewList list{texts[312], {}};
    list.rows.push_back(" " + texts[651]);
    list.rows.push_back(spaces(4) + texts[kDifficultyNames + catalog.difficulty(j)]);
    list.rows.push_back(" " + texts[500]);
    list.rows.push_back(" ");
    for (auto& row : catalog.subjectRows(j))
        list.rows.push_back(std::move(row));
    return list;
}

DegreeViewList relatedToDegree(const DegreeCatalog& catalog, int j, const InterfaceTexts& texts) {
    DegreeViewList list{texts[313], {texts[295]}};
    for (const int k : catalog.relatedOf(j))
        list.rows.push_back(catalog.name(k));
    list.rows.push_back("");
    const auto reverse = catalog.relatedTo(j);
    if (!reverse.empty()) list.rows.push_back(texts[178]);
    for (const int k : reverse)
        list.rows.push_back(catalog.name(k));
    return list;
}

bool offersFpAccess(const DegreeCatalog& catalog, int j) {
    return catalog.kind(j) != kSecondCycleKind;
}

bool relatedHelpShown(const std::vector<std::string>& rows) {
    if (rows.size() > 1) return true;
    return rows.size() == 1 && rows[0].rfind("No", 0) != 0;
}

int fpAccessButtonTop(int listTop, int listBottom, int rows, int lineHeight, int buttonHeight) {
    const int wanted = listTop + (rows + 3) * lineHeight;
    return std::max(listTop, std::min(wanted, listBottom - buttonHeight));
}

}  // namespace rumbelo::degrees
