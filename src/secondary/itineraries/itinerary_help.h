#pragma once
// The guide girl's lines in the itinerary diagram: help set 1 when the section opens, 9 as
// the build-up starts, one set per step, and 22 when the buttons appear.
#include <optional>

#include "common/guide/guide_steps.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::secondary {

inline constexpr int kSectionHelpSet = 1;

// The eight lines of help set n, or nothing for a set this diagram does not have.
std::optional<GuideLines> itineraryHelpLines(int n, const InterfaceTexts& texts);

}  // namespace rumbelo::secondary
