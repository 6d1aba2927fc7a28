#pragma once
// The fixed captions of the secondary form made of several pieces, and the help sets the
// section opens with.
#include <array>
#include <string>

#include "common/guide/guide_steps.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::secondary {

// The school year the diagrams and the questionnaire describe.
inline constexpr const char* kSchoolYear = "2007-2008";

// Window caption: text 338, two blanks, the school name.
std::string sectionCaption(const InterfaceTexts& texts, const std::string& schoolName);
// LabelAno: text 175, a line break, the school year.
std::string yearCaption(const InterfaceTexts& texts);
// LabelAno2's font size for a school name of this length (trimmed): the longer, the smaller.
int schoolNameFontSize(std::size_t length);

// A help set as the interface texts of its eight lines; 0 is an empty line.
using HelpNumbers = std::array<int, kGuideSteps>;
GuideLines helpSetLines(const InterfaceTexts& texts, const HelpNumbers& numbers);

// Help set 1, shown each time the section is activated.
inline constexpr HelpNumbers kOpeningHelp{0, 185, 186, 187, 0, 0, 0, 0};
// Help set 1 as shown: its last line ("o ver los itinerarios.") only when the itineraries
// are on offer; the questionnaire door alone ends the sentence after the questionnaire.
GuideLines openingHelpLines(const InterfaceTexts& texts, bool itinerariesOffered);

}  // namespace rumbelo::secondary
