#pragma once
// The interface texts the intermediate-FP section shows and the three panels of a title:
// what it requires (the same texts for every title), the jobs it leads to and what is
// studied. Qt-free.
#include <string>
#include <vector>

#include "common/data/tables.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::intermediate {

// Interface text numbers.
inline constexpr int kFamiliesHeading = 294;
inline constexpr int kJobsLead = 271;
inline constexpr int kJobsHeading = 199;
inline constexpr int kSubjectsHeading = 312;
inline constexpr int kRequirementsWord = 29;
inline constexpr int kCentresHeading = 323;
inline constexpr int kNoCentres = 292;
inline constexpr int kWhereWord = 317;
inline constexpr int kPlaceReportWord = 289;
inline constexpr int kSectionWord = 113;
inline constexpr int kHelpLine1 = 440, kHelpLine2 = 442, kHelpLine3 = 443;
inline constexpr int kAreasHelp = 163;
inline constexpr int kStatementsHelp1 = 164, kStatementsHelp2 = 165;
inline constexpr int kSuggestionsHelp = 189;
inline constexpr int kFamilyWord = 583;
inline constexpr int kAreasHeading = 594;
inline constexpr int kStatementsHeading = 595;
inline constexpr int kChosenTitleWord = 592;
inline constexpr int kCentresWord = 593;
inline constexpr int kNameQuestion = 339;
inline constexpr int kFirstBubbleText = 154;  // three rows of three lines, 154-162

// Texts 341 and 342, an empty row, 343, 344 and 345.
std::vector<std::string> requirementRows(const InterfaceTexts& texts);
// Lines 1-5 of title t's block.
std::vector<std::string> jobRows(const GroupedTable& blocks, int t);
// Lines 6-25 of title t's block.
std::vector<std::string> subjectRows(const GroupedTable& blocks, int t);

// The three lines of bubble row r (1..3).
std::vector<std::string> bubbleLines(const InterfaceTexts& texts, int row);

}  // namespace rumbelo::intermediate
