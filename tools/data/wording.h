#pragma once
// What every text of the catalogue keeps, whoever writes the next year's update: it speaks
// to the pupil as "tú", and it fits every pupil without a "sincero/a".
#include <string>

#include "data/diagnostics.h"

namespace rumbelo::data {

// Reports at pos a text (UTF-8) that says "usted" or doubles an ending as "o/a".
void checkWording(const std::string& utf8, const SourcePos& pos, Diagnostics& diag);

}  // namespace rumbelo::data
