#include "data/degrees/degrees_pass.h"

namespace rumbelo::data {

void compileDegrees(CompileContext& ctx) {
    using namespace degrees;
    compileRequirements(ctx);
    compileOutlets(ctx);
    auto degreeList = readDegrees(ctx);
    readPlaces(ctx, degreeList);
    checkEveryPlaceTeaches(ctx, degreeList);
    checkFpAccess(ctx, degreeList);
    compileDegreeNames(ctx, degreeList);
    compileSubjectBlocks(ctx, degreeList);
    compileDegreeRecords(ctx, degreeList);
    compileOtherStudies(ctx);
    compileDoubleDegrees(ctx, degreeList);
}

}  // namespace rumbelo::data
