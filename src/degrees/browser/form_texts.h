#pragma once
// The fixed captions of the degrees form that are made of several pieces.
#include <string>

#include "common/texts/interface_texts.h"

namespace rumbelo::degrees {

// The school year the catalogue describes.
inline constexpr const char* kSchoolYear = "2007-2008";

// Window caption of every section: text 338, two blanks, the school name.
std::string sectionCaption(const InterfaceTexts& texts, const std::string& schoolName);
// LabelAno: text 175, a line break, the school year.
std::string yearCaption(const InterfaceTexts& texts);
// LabelAno2's font size for a school name of this length (trimmed): the longer, the smaller.
int schoolNameFontSize(std::size_t length);

}  // namespace rumbelo::degrees
