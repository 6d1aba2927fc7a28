#pragma once
// data/professions/ -> "ACTIVIDA", "FRALARGAS", "FRACORTAS" and "profesio"; and the check of
// a built folder's four files with the study lists their professions point into.
#include "data/check.h"
#include "data/compile.h"

namespace rumbelo::data {

// Needs the keys of "CARRERA", "FP", "FP2" and "OTROS": runs after the catalogues.
void compileProfessions(CompileContext& ctx);
void checkProfessions(CheckContext& ctx);

}  // namespace rumbelo::data
