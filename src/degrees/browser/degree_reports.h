#pragma once
// What the degree browser puts on paper. The lists of a university, of double degrees and
// of an other study go to the plain printout (lines, and how many of the first are bold);
// the whole of one degree goes to the column report. Qt-free.
#include <string>
#include <vector>

#include "common/data/readers.h"
#include "common/print/report_table.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::degrees {

struct PlainReport {
    std::vector<std::string> lines;  // line 1 first
    int bold = 0;                    // the first `bold` lines are bold
};

// The degrees of place p: the school, text 289 and the place's name, a rule, the column
// heading (texts 48 and 296), then each degree taught there with its mark.
PlainReport universityDegreesReport(const DegreeCatalog& catalog, const PlaceList& places, int p,
                                    const std::string& schoolName, const InterfaceTexts& texts);
// The double degrees of degree d, as the screen lists them, under text 242 and text 325.
PlainReport doubleDegreesOfDegreeReport(const DegreeCatalog& catalog, const DoubleDegrees& doubles,
                                        int d, const std::string& schoolName,
                                        const InterfaceTexts& texts);
// The double degrees of group g, as the screen lists them, under text 242 and text 289.
PlainReport doubleDegreesOfUniversityReport(const DegreeCatalog& catalog,
                                            const DoubleDegrees& doubles, int g,
                                            const std::string& schoolName,
                                            const InterfaceTexts& texts);
// Other study k (1-based) with its block.
PlainReport otherStudyReport(const DegreeCatalog& catalog, int k, const std::string& schoolName,
                             const InterfaceTexts& texts);

// Degree j in five sections (places and marks, requirements, outlets, subjects, related
// degrees), each an empty line, a bold heading and an empty line before its lines. Fills
// the report from entry 0 (the title) and returns the number of lines.
int degreeReport(const DegreeCatalog& catalog, const PlaceList& places, int j,
                 const InterfaceTexts& texts, ReportTable& report, BoldLines& bold);

}  // namespace rumbelo::degrees
