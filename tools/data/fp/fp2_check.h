#pragma once
// Checks of a built folder's intermediate-FP catalogue: "FP2", "asignagm", "datFPL2" and the
// questionnaire "CUESGM", loaded as the secondary form loads them.
#include "data/check.h"

namespace rumbelo::data {

void checkMediumFpCatalogue(CheckContext& ctx);

}  // namespace rumbelo::data
