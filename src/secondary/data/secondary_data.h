#pragma once
// Everything the secondary-education form reads when it is created: the subjects, degrees
// and higher-FP titles of the itinerary lists, the information paragraphs, the
// questionnaire's statements, areas, result texts and area lists, and the intermediate-FP
// tables that the intermediate-FP, catalogue, assistant and professions forms share.
#include "common/data/data_files.h"
#include "common/data/tables.h"
#include "secondary/data/area_lists.h"
#include "secondary/data/cuesgm_catalog.h"
#include "secondary/data/fp2_catalog.h"
#include "secondary/data/itinerary_texts.h"

namespace rumbelo::secondary {

// Widths the files are read with.
constexpr int kFpsWidth = 50;
constexpr int kStatementWidth = 50;
constexpr int kItineraryWidth = 54;

struct SecondaryData {
    LineTable subjects;     // "MATERIAS": keys A, B in cols 1-2, the subject from col 3
    LineTable degrees;      // "CARRERAS": modality marks in cols 1-5, the name in cols 6-50
    LineTable information;  // "INFORMA": paragraph code in cols 1-2, text from col 3
    LineTable fpTitles;     // "FPS": modality marks in cols 1-7, the name in cols 8-50
    LineTable titles;       // "TITULOS": line t = title t of the area lists
    LineTable statements;   // "CUESTION": weight, answer format, statement
    LineTable itinerary;    // "ITINERAR": entries 1..20 are the areas once loaded
    ItineraryTexts results;
    AreaLists areas;                          // "datitine"
    MediumQuestionnaire mediumQuestionnaire;  // "CUESGM"
    Fp2Catalog fp2;                           // "FP2", "asignagm", "datFPL2"
};

// The text files, in the form's order, and their post-processing. Each text file goes
// through the language folder; a missing one is reported and sets the abort flag, and the
// other files are still read.
void loadSecondaryTexts(DataFiles& files, SecondaryData& data);

// The binary files, read once the form has set its captions: "datitine", then "datFPL2".
void loadSecondaryTables(DataFiles& files, SecondaryData& data);

}  // namespace rumbelo::secondary
