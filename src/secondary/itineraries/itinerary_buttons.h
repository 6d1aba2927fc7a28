#pragma once
// The forty-nine picture buttons of the itinerary diagram: where each sits on the grid, the
// three texts of its hint and what it opens (a whole itinerary to print, an information
// paragraph, or the subjects of a course).
#include <array>
#include <string>

#include "common/texts/interface_texts.h"

namespace rumbelo::secondary {

inline constexpr int kItineraryButtons = 49;
inline constexpr std::size_t kHintPartLength = 25;

// The diagram's grid: cells of 8x12 pixels, row 1 and column 1 at the top-left corner.
constexpr int gridLeft(int col) {
    return 8 * (col - 1);
}
constexpr int gridTop(int row) {
    return 12 * row - 12;
}

// One part of a hint: interface text `text` (0 for an empty part) after a literal prefix.
struct HintPart {
    int text = 0;
    const char* prefix = "";
};

enum class ButtonAction { PrintItinerary, Information, Subjects };

// The title of a subject list: interface text `first`, and " " + text `second` when given.
struct ListTitle {
    int first = 0;
    int second = 0;
};

struct ItineraryButton {
    int index;         // 1..49; the button's type is index + 1
    const char* name;  // member and objectName
    int row, col;      // top-left corner on the grid
    std::array<HintPart, 3> hint;
    ButtonAction action;
    long code;  // itinerary to print, paragraph code, or subject code
    ListTitle title{};

    int type() const { return index + 1; }
};

// Buttons 1..49, in order (element i-1 is button i).
const std::array<ItineraryButton, kItineraryButtons>& itineraryButtons();
const ItineraryButton& itineraryButton(int index);

// The hint: the three parts, each cut to 25 characters, joined by single blanks (an empty
// part still adds its blank).
std::string buttonHint(const ItineraryButton& button, const InterfaceTexts& texts);

std::string listTitle(const ListTitle& title, const InterfaceTexts& texts);

}  // namespace rumbelo::secondary
