#pragma once
// Checks of a built folder's interest data: "GRUPOS", "CUALIDAD", "INTERES", "datgru", and
// that every degree ("datcar", when the degrees are there) belongs to some group.
#include "data/check.h"

namespace rumbelo::data {

void checkInterestGroups(CheckContext& ctx);

}  // namespace rumbelo::data
