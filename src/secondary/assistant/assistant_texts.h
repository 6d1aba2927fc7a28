#pragma once
// The assistant's texts, composed from the interface texts at each activation. A line break
// is the single character CR.
#include <string>

#include "common/texts/interface_texts.h"

namespace rumbelo::assistant {

enum class Stage { Eso, Bachillerato };

// The scrolling text of the start panel.
std::string startText(const InterfaceTexts& texts);
// The text of `step` (1..3) of `stage`, shown in its label and in the yellow panel.
std::string stepText(const InterfaceTexts& texts, Stage stage, int step);
// Texts first..last joined by line breaks (the hints of several lines).
std::string joinedRun(const InterfaceTexts& texts, int first, int last);
// The text of the "de FP_GM a FP_GS" panel before its information paragraph.
std::string intermediateToHigherText(const InterfaceTexts& texts);

}  // namespace rumbelo::assistant
