#pragma once
// The parts of the higher-FP pass, in the order compileFp runs them.
#include <vector>

#include "data/compile.h"
#include "data/fp/fp_sources.h"
#include "data/fp/offer_rule.h"

namespace rumbelo::data::fp {

// "REQFP" and "carreFP"; registers their keys.
void compileFpReferences(CompileContext& ctx);

// The title number (line of "FP") of each family header and title, in file order.
struct FpLine {
    const Family* family;
    const Title* title;  // nullptr on a family header
};

// The title file of a grade and its text blocks; registers the keys of families and titles
// in the key table named after the title file, and checks each title's decree and hours.
// Returns the lines of the title file (index 0 = line 1).
std::vector<FpLine> compileTitleLines(CompileContext& ctx, const Grade& grade,
                                      const std::vector<Family>& families);

// "FP", "asignafp" and "datFPR". Returns the lines of "FP".
std::vector<FpLine> compileFpTitles(CompileContext& ctx, const std::vector<Family>& families);

// The training centres as the offer rule sees them, each with the entornos of its locality
// (geography/entornos.tsv). Read once for both grades, so that a problem of that file is
// reported once.
std::vector<OfferCentre> readOfferCentres(CompileContext& ctx);

// The grade's offer file ("datFPL", "datFPL2"): which centres teach each title.
void compileFpOffer(CompileContext& ctx, const Grade& grade,
                    const std::vector<OfferCentre>& centres, const std::vector<FpLine>& lines);

// "CUESGM": the grado-medio questionnaire, whose statements name families and titles of
// "FP2" by key.
void compileMediumQuestionnaire(CompileContext& ctx, const std::vector<FpLine>& lines);

}  // namespace rumbelo::data::fp
