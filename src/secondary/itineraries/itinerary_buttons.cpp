#include "secondary/itineraries/itinerary_buttons.h"

#include "common/text/fixed_text.h"

namespace rumbelo::secondary {
namespace {

using A = ButtonAction;

constexpr HintPart T(int k) {
    return HintPart{k, ""};
}
constexpr HintPart kEmpty{};

// A hint whose first part would come again as its second reads "-" there instead, as in the
// other columns, and button 35 names its own column; a doubled word read as a slip.
// clang-format off
const std::array<ItineraryButton, kItineraryButtons> kButtons{{
    {1, "b1", 7, 32, {T(83), T(107), T(92)}, A::PrintItinerary, 8},
    {2, "B2", 10, 32, {T(200), T(107), T(92)}, A::Information, 41},
    {3, "BitBtn3", 13, 32, {T(111), T(107), T(92)}, A::Information, 23},
    {4, "BitBtn4", 7, 38, {T(83), T(107), T(97)}, A::PrintItinerary, 1},
    {5, "BitBtn5", 7, 44, {T(83), T(107), T(100)}, A::PrintItinerary, 3},
    {6, "BitBtn6", 10, 38, {T(200), T(107), T(97)}, A::Information, 42},
    {7, "BitBtn7", 10, 44, {T(200), T(107), T(100)}, A::Information, 43},
    {8, "BitBtn2", 13, 38, {T(111), T(107), T(97)}, A::Information, 21},
    {9, "BitBtn8", 13, 44, {T(111), T(107), T(100)}, A::Information, 22},
    {10, "BitBtn9", 7, 52, {T(83), T(107), T(104)}, A::PrintItinerary, 4},
    {11, "BitBtn10", 7, 58, {T(83), T(107), T(112)}, A::PrintItinerary, 5},
    {12, "BitBtn11", 10, 52, {T(200), T(107), T(104)}, A::Information, 44},
    {13, "BitBtn12", 10, 58, {T(200), T(107), T(112)}, A::Information, 45},
    {14, "BitBtn13", 13, 52, {T(111), T(107), T(104)}, A::Information, 25},
    {15, "BitBtn14", 13, 58, {T(111), T(107), T(112)}, A::Information, 24},
    {16, "BitBtn15", 15, 72, {T(83), T(113), kEmpty}, A::PrintItinerary, 7},
    {17, "BitBtn16", 7, 64, {T(83), T(107), T(96)}, A::PrintItinerary, 6},
    {18, "BitBtn17", 22, 64, {T(108), T(96), kEmpty}, A::Information, 15},
    {19, "BitBtn18", 10, 64, {T(200), T(107), T(96)}, A::Information, 46},
    {20, "BitBtn19", 18, 72, {T(85), T(106), T(113)}, A::Information, 19},
    {21, "BitBtn20", 13, 64, {T(111), T(107), T(96)}, A::Information, 33},
    {22, "BitBtn21", 22, 32, {T(108), T(92), kEmpty}, A::Information, 10},
    {23, "BitBtn22", 22, 38, {T(108), T(97), kEmpty}, A::Information, 11},
    {24, "BitBtn23", 17, 32, {T(87), T(92), kEmpty}, A::Subjects, 2014038, {65, 0}},
    {25, "BitBtn24", 22, 44, {T(108), T(107), T(100)}, A::Information, 12},
    {26, "BitBtn25", 17, 38, {T(87), T(97), kEmpty}, A::Subjects, 2054058, {59, 0}},
    {27, "BitBtn26", 17, 44, {T(87), T(107), T(100)}, A::Subjects, 2064058, {60, 0}},
    {28, "BitBtn27", 17, 52, {T(87), T(107), T(104)}, A::Subjects, 2034048, {99, 104}},
    {29, "BitBtn28", 17, 58, {T(87), T(107), T(112)}, A::Subjects, 2044048, {99, 105}},
    {30, "BitBtn29", 27, 58, {T(86), T(107), T(112)}, A::Subjects, 1173048, {99, 105}},
    {31, "BitBtn30", 17, 64, {T(87), T(96), kEmpty}, A::Subjects, 2074068, {96, 0}},
    {32, "BitBtn31", 27, 32, {T(86), kEmpty, T(92)}, A::Subjects, 1123038, {65, 0}},
    {33, "BitBtn32", 27, 38, {T(86), kEmpty, T(97)}, A::Subjects, 1143058, {59, 0}},
    {34, "BitBtn33", 27, 44, {T(86), T(107), T(100)}, A::Subjects, 1153058, {60, 0}},
    {35, "BitBtn34", 27, 52, {T(86), T(107), T(104)}, A::Subjects, 1133048, {99, 104}},
    {36, "BitBtn35", 27, 64, {T(86), T(96), kEmpty}, A::Subjects, 1163068, {96, 0}},
    {37, "BitBtn36", 27, 72, {T(85), T(106), T(113)}, A::Information, 36},
    {38, "BitBtn37", 35, 48, {T(114), T(115), T(88)}, A::Information, 16},
    {39, "BitBtn38", 35, 72, {T(114), HintPart{85, "a la "}, T(106)}, A::Information, 17},
    {40, "BitBtn39", 37, 41, {T(118), T(107), T(102)}, A::Subjects, 501, {118, 0}},
    {41, "BitBtn40", 23, 48, {T(121), T(107), kEmpty}, A::Information, 18},
    {42, "BitBtn41", 37, 55, {T(118), T(107), T(101)}, A::Subjects, 502, {118, 0}},
    {43, "BitBtn42", 22, 80, {T(587), T(588), kEmpty}, A::Information, 99},
    {44, "BitBtn43", 41, 67, {T(555), kEmpty, kEmpty}, A::Information, 34},
    {45, "BitBtn44", 37, 75, {T(119), T(120), kEmpty}, A::Information, 35},
    {46, "BitBtn48", 22, 72, {T(85), T(106), T(113)}, A::Information, 37},
    {47, "BitBtn45", 41, 75, {T(119), T(120), kEmpty}, A::Information, 31},
    {48, "BitBtn46", 22, 52, {T(108), T(107), T(104)}, A::Information, 13},
    {49, "B47", 22, 58, {T(108), T(107), T(112)}, A::Information, 14},
}};
// clang-format on

std::string hintPart(const HintPart& part, const InterfaceTexts& texts) {
    if (part.text == 0) return std::string(part.prefix);
    return cut(std::string(part.prefix) + texts.trimmed(part.text), kHintPartLength);
}

}  // namespace

const std::array<ItineraryButton, kItineraryButtons>& itineraryButtons() {
    return kButtons;
}

const ItineraryButton& itineraryButton(int index) {
    return kButtons.at(static_cast<std::size_t>(index - 1));
}

std::string buttonHint(const ItineraryButton& button, const InterfaceTexts& texts) {
    return hintPart(button.hint[0], texts) + ' ' + hintPart(button.hint[1], texts) + ' ' +
           hintPart(button.hint[2], texts);
}

std::string listTitle(const ListTitle& title, const InterfaceTexts& texts) {
    std::string text = texts.trimmed(title.first);
    if (title.second != 0) text += ' ' + texts.trimmed(title.second);
    return text;
}

}  // namespace rumbelo::secondary
