#include "data/secondary/secondary_pass.h"

namespace rumbelo::data {

void compileSecondary(CompileContext& ctx) {
    using namespace secondary;
    compileSubjects(ctx);
    compileInformation(ctx);
    compileModalityLists(ctx);
    compileQuestionnaire(ctx);
}

}  // namespace rumbelo::data
