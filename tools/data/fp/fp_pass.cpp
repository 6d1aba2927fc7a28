// The FP passes: for grado superior the requirements and reachable degrees first, then the
// titles that refer to them, then where the titles are taught; then grado medio, its offer
// and its questionnaire, which names its families and titles.
#include "data/fp/fp_passes.h"

namespace rumbelo::data {

void compileFp(CompileContext& ctx) {
    fp::compileFpReferences(ctx);
    const auto families = fp::readFamilies(ctx, fp::higherGrade());
    const auto lines = fp::compileFpTitles(ctx, families);
    const auto centres = fp::readOfferCentres(ctx);
    fp::compileFpOffer(ctx, fp::higherGrade(), centres, lines);

    const auto mediumFamilies = fp::readFamilies(ctx, fp::intermediateGrade());
    const auto mediumLines = fp::compileTitleLines(ctx, fp::intermediateGrade(), mediumFamilies);
    fp::compileFpOffer(ctx, fp::intermediateGrade(), centres, mediumLines);
    fp::compileMediumQuestionnaire(ctx, mediumLines);
}

}  // namespace rumbelo::data
