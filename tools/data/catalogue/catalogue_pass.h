#pragma once
// data/catalogo/ -> "familias" and "indices", the two files of the catalogue of
// qualifications; and the check of a built folder's pair against the tables they index.
#include "data/check.h"
#include "data/compile.h"

namespace rumbelo::data {

// Runs after the degrees, FP, initial-programme and certificate passes, whose keys it
// resolves.
void compileCatalogue(CompileContext& ctx);
void checkCatalogue(CheckContext& ctx);

}  // namespace rumbelo::data
