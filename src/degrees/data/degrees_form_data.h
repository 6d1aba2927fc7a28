#pragma once
// Everything the degrees form reads when it is created, kept for the whole run: the
// degrees, the higher-FP titles, the questionnaire's statements and groups, the geography
// (which the intermediate-FP form shares) and the double degrees.
#include "common/data/data_files.h"
#include "common/data/readers.h"
#include "common/geography/geography.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"
#include "degrees/data/fp_catalog.h"
#include "degrees/data/interest_catalog.h"

namespace rumbelo::degrees {

struct DegreesFormData {
    DegreeCatalog degrees;
    FpCatalog fp;
    InterestCatalog interest;
    GeographyData geography;
    DoubleDegrees doubles;
};

// Reads the files in the form's order: the text files, a stop when one was missing, the
// headings and degree kinds, then the geography and the binary tables, the double degrees,
// and the comarcas and areas with the re-keying of the centre files. Every missing file is
// reported through `files` and sets the abort flag. False when the abort flag is set.
bool loadDegreesFormData(DataFiles& files, const InterfaceTexts& texts, DegreesFormData& data);

}  // namespace rumbelo::degrees
