#pragma once
// The parts of the higher-FP pass, in the order compileFp runs them.
#include <vector>

#include "data/compile.h"
#include "data/fp/fp_sources.h"

namespace rumbelo::data::fp {

// "REQFP" and "carreFP"; registers their keys.
void compileFpReferences(CompileContext& ctx);

// The title number (line of "FP") of each family header and title, in file order.
struct FpLine {
    const Family* family;
    const Title* title;  // nullptr on a family header
};

// "FP", "asignafp" and "datFPR"; registers the "FP" keys of families and titles. Returns the
// lines of "FP" (index 0 = line 1).
std::vector<FpLine> compileFpTitles(CompileContext& ctx, const std::vector<Family>& families);

// "datFPL": which centres teach each title.
void compileFpOffer(CompileContext& ctx, const std::vector<FpLine>& lines);

}  // namespace rumbelo::data::fp
