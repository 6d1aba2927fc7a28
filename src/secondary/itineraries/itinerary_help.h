#pragma once
// The guide girl's lines in the itinerary diagram: help set 9 as the build-up starts, one
// set per step, and 22 when the buttons appear.
#include <optional>

#include "secondary/questionnaire/section_texts.h"

namespace rumbelo::secondary {

// The eight lines of help set n as interface texts, or nothing for a set the diagram lacks.
std::optional<HelpNumbers> itineraryHelpSet(int n);

}  // namespace rumbelo::secondary
