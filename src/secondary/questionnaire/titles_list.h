#pragma once
// The degrees and qualifications of one area, as the titles panel lists them and the
// printout prints them.
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"
#include "secondary/data/secondary_data.h"

namespace rumbelo::secondary {

// TITULOS lines from this number on are university degrees, the second group.
inline constexpr int kFirstSecondGroupTitle = 89;

// The area's name under the heading, then its titles with a heading before each group.
std::vector<std::string> areaTitles(const SecondaryData& data, const InterfaceTexts& texts,
                                    int area);

// What the titles printout prints: the school, a rule, the list.
std::vector<std::string> titlesPrintout(const std::string& schoolName,
                                        const std::vector<std::string>& titles);

}  // namespace rumbelo::secondary
