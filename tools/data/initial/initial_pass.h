#pragma once
// data/initial/programas.txt -> "fpip" and "IPmodulos", and the programme numbers of the
// centres (columns 56-75 of "LU1".."LU4"); and the check of a built folder's programmes.
#include <vector>

#include "data/check.h"
#include "data/compile.h"
#include "data/geography/centres.h"

namespace rumbelo::data {

// Writes the two files and fills each centre's programme list (appended to what its
// source line names). Runs while the centre files are compiled, before they are written.
void compileInitialProgrammes(CompileContext& ctx, std::vector<CentreRecord>& centres);

void checkInitialProgrammes(CheckContext& ctx);

}  // namespace rumbelo::data
