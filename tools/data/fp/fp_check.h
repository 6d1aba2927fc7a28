#pragma once
// Checks of a built folder's higher-FP catalogue: "FP", "asignafp", "REQFP", "carreFP",
// "datFPR" and "datFPL", loaded as the degrees form loads them.
#include "data/check.h"

namespace rumbelo::data {

void checkFpCatalogue(CheckContext& ctx);

}  // namespace rumbelo::data
