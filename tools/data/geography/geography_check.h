#pragma once
// `rumbelo-data check`: the geography of a built folder, loaded as the program loads it.
#include "data/check.h"

namespace rumbelo::data {

void checkGeography(CheckContext& ctx);

}  // namespace rumbelo::data
