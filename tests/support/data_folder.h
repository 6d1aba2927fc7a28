#pragma once
// A temporary program folder as the readers see it: files written into it are read through
// DataFiles, and every message and the abort flag are kept for the test to inspect.
#include "common/data/data_files.h"
#include "common/messages.h"
#include "support/temp_folder.h"

namespace rumbelo::testing {

struct DataFolder {
    TempFolder dir;
    RecordingSink sink;
    bool aborted = false;
    DataFiles files{dir.path(), sink, aborted};
};

}  // namespace rumbelo::testing
