#pragma once
// Everything the degrees form reads when it is created, kept for the whole run: the
// degrees, the higher-FP titles, the questionnaire's statements and groups, the geography
// (which the intermediate-FP form shares) and the double degrees.
#include <future>
#include <memory>
#include <string>
#include <vector>

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

// The same loading on a thread of its own, begun once the language and the interface texts
// are known, while the other forms are built. It reads through a DataFiles of its own (the
// same folder and language) and keeps its messages; take() waits for it and hands them,
// in their order, to the sink given, and sets abortFlag when the loading stopped.
class DegreesDataLoad {
  public:
    DegreesDataLoad(const DataFiles& files, const InterfaceTexts& texts);
    ~DegreesDataLoad();
    DegreesDataLoad(const DegreesDataLoad&) = delete;
    DegreesDataLoad& operator=(const DegreesDataLoad&) = delete;

    // What loadDegreesFormData would have returned; the data is moved into `data`.
    bool take(MessageSink& messages, bool& abortFlag, DegreesFormData& data);

  private:
    struct Result {
        RecordingSink messages;
        bool abort = false;
        DegreesFormData data;
        bool loaded = false;
    };
    std::future<std::unique_ptr<Result>> result_;
};

}  // namespace rumbelo::degrees
