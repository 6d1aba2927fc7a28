#pragma once
// The guide girl's lines in the degrees form: each numbered help situation is eight lines
// (interface texts, or empty lines) revealed one per tick of the help timer.
#include <optional>

#include "common/guide/guide_steps.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::degrees {

// The eight lines of help situation n; nothing for a number without lines (the panel then
// keeps what it shows).
std::optional<GuideLines> helpSituationLines(int n, const InterfaceTexts& texts);

}  // namespace rumbelo::degrees
