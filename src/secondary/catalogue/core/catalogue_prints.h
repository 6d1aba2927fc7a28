#pragma once
// The two printouts of a family's catalogue: the short one lists the qualifications of each
// level; the detailed one adds each qualification's detail panel.
#include <string>

#include "common/print/report_table.h"
#include "secondary/catalogue/core/catalogue_lists.h"

namespace rumbelo::catalogue {

struct CataloguePrint {
    ReportTable table;
    BoldLines bold;
    int lastLine = 0;
    // False when the report table or the bold-line list was full before the end: what
    // did not fit is left out rather than written past them.
    bool complete = true;
};

// Line 0: text 103 + ": " + the family's name; then per level with entries an empty line,
// the level's label (bold) and its rows as " -" + row.
CataloguePrint shortPrint(const CatalogueSources& sources, const FamilyLevels& levels,
                          const std::string& familyName);

// The same heading; per level with entries an empty line and the label in capitals (bold),
// then per qualification an empty line, its name (bold) and its detail lines indented; the
// intermediate titles end with their common requirements, the programmes with their
// common subjects and requirements.
CataloguePrint detailedPrint(const CatalogueSources& sources, const FamilyLevels& levels,
                             const std::string& familyName);

}  // namespace rumbelo::catalogue
