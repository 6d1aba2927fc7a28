#pragma once
// What the menu of one degree lists: where it is taught with the cut-off marks, its access
// requirements, its career outlets, its subjects and the degrees related to it. Qt-free;
// each list comes with the heading the form shows above it.
#include <string>
#include <vector>

#include "common/data/readers.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::degrees {

struct DegreeViewList {
    std::string heading;  // PanelSelTit
    std::vector<std::string> rows;
};

// Places: each university or campus of degree j (name padded to its 35 columns) followed by
// its mark. The heading names the columns once there is a row; without rows it is the place
// table's own heading.
DegreeViewList placesOfDegree(const DegreeCatalog& catalog, const PlaceList& places, int j,
                              const InterfaceTexts& texts);
DegreeViewList requirementsOfDegree(const DegreeCatalog& catalog, int j,
                                    const InterfaceTexts& texts);
DegreeViewList outletsOfDegree(const DegreeCatalog& catalog, int j, const InterfaceTexts& texts);
// Subjects: the difficulty (text 651, then the name of the difficulty, texts 653-659), text
// 500, a blank line, then the subject block up to its end with bullets.
DegreeViewList subjectsOfDegree(const DegreeCatalog& catalog, int j, const InterfaceTexts& texts);
// Related degrees: text 295, the degrees j names, an empty row, text 178 and the degrees that
// name j (text 178 dropped when there are none).
DegreeViewList relatedToDegree(const DegreeCatalog& catalog, int j, const InterfaceTexts& texts);

// The kind of degree that cannot be reached from higher FP (second cycle only).
constexpr int kSecondCycleKind = 3;
// Whether the related-degrees view offers the way in from higher FP.
bool offersFpAccess(const DegreeCatalog& catalog, int j);
// Whether the related-degrees view shows its help: more than one row, or a single row that
// does not begin with "No".
bool relatedHelpShown(const std::vector<std::string>& rows);
// Top of the way-in button: (rows + 3) lines below the list's top, kept inside the list.
int fpAccessButtonTop(int listTop, int listBottom, int rows, int lineHeight, int buttonHeight);

}  // namespace rumbelo::degrees
