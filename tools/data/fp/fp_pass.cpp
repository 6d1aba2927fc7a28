// The higher-FP pass: requirements and reachable degrees first, then the titles that refer
// to them, then where the titles are taught.
#include "data/fp/fp_passes.h"

namespace rumbelo::data {

void compileFp(CompileContext& ctx) {
    fp::compileFpReferences(ctx);
    const auto families = fp::readFamilies(ctx);
    const auto lines = fp::compileFpTitles(ctx, families);
    fp::compileFpOffer(ctx, lines);
}

}  // namespace rumbelo::data
