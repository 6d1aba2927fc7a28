#pragma once
// The admission-mark consultation on paper: what was asked (the mark, the modality, the
// community, the difficulty) in eight bold lines and a rule, then the list as on screen.
// Qt-free.
#include <string>

#include "degrees/browser/degree_reports.h"
#include "degrees/consultation/admission_consultation.h"

namespace rumbelo::degrees {

// What the printout repeats of the form: the two digit fields as typed, the chosen
// modality entry, the community's "COMUNIDA" line, the two difficulty captions.
struct ConsultationAsked {
    std::string schoolName;
    std::string units;
    std::string tenths;
    std::string modality;
    std::string communityLine;
    DifficultyCaptions difficulty;
};

// Empty (nothing to print) when a part of the question is missing.
PlainReport consultationReport(const ConsultationResult& result, const ConsultationAsked& asked,
                               const InterfaceTexts& texts);

}  // namespace rumbelo::degrees
