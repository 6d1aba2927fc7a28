#pragma once
// The double degrees of "dobles" as the degree browser lists them: by degree (every double
// degree a degree is part of, under the name of each university that offers it) and by
// university (the double degrees of one university, four lines each). Qt-free.
#include <string>
#include <vector>

#include "common/data/readers.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::degrees {

// Every degree that is one half of some double degree, in degree order, each once.
std::vector<int> degreesWithDoubles(const DegreeCatalog& catalog, const DoubleDegrees& doubles);

// One line of the rich-text list of the double degrees of a degree.
struct MarkedLine {
    std::string text;
    bool heading = false;  // a university's name, shown in red
};

// The double degrees of degree d, university by university in "dobles" order: before a
// university's first matching member an empty line and its name after eight blanks (cut to
// 48); then per matching member " <years> | <first 20 of d>...+ <the other degree>", cut to
// 70. A member naming d on both sides gives two lines.
std::vector<MarkedLine> doubleDegreesOfDegree(const DegreeCatalog& catalog,
                                              const DoubleDegrees& doubles, int d);

// The double degrees of university g: per member the line of degree A, the line of degree
// B, "<241>  <years>" and "     -----     ".
std::vector<std::string> doubleDegreesOfUniversity(const DegreeCatalog& catalog,
                                                   const DoubleDegrees& doubles, int g,
                                                   const InterfaceTexts& texts);

// The heading over the double degrees of a degree: text 241 padded with 26 blanks and cut to
// 41, then text 242, cut to 66.
std::string doubleDegreesOfDegreeHeading(const InterfaceTexts& texts);
// The caption under that list: text 241, a blank, text 443.
std::string doubleDegreesOfDegreeCaption(const InterfaceTexts& texts);

}  // namespace rumbelo::degrees
