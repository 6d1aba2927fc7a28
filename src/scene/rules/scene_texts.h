#pragma once
// The scene's captions and hints, built once from the interface texts at start-up. Lines are
// joined with a carriage return, as the labels show them.
#include <array>
#include <string>

#include "common/texts/interface_texts.h"

namespace rumbelo {

// The door labels of the static scene, in the order of their section numbers 1..9, 11.
struct DoorLabelSpec {
    const char* name;  // the label's objectName
    int section;
    int x;
    int y;
    int fontPixels;
};

inline constexpr int kDoorLabels = 10;
inline constexpr std::array<DoorLabelSpec, kDoorLabels> kDoorLabelSpecs = {{
    {"LabelCarreras", 1, 27, 55, 19},
    {"LabelCat", 2, 161, 55, 16},
    {"LabelFpS", 3, 295, 55, 19},
    {"LabelIti", 4, 429, 55, 16},
    {"LabelFPM", 5, 563, 55, 19},
    {"LabelFPip", 6, 697, 55, 16},
    {"LabelProfe", 7, 161, 363, 15},
    {"LabelCuesB", 8, 295, 363, 15},
    {"LabelCuesE", 9, 429, 363, 15},
    {"LabelAsistente", 11, 697, 363, 16},
}};
inline constexpr int kDoorLabelWidth = 81;
inline constexpr int kDoorLabelHeight = 105;

// The label spec of a section number, or nullptr.
const DoorLabelSpec* doorLabelFor(int section);

struct DoorLabelText {
    std::string caption;
    std::string hint;  // empty: no hint
};

struct SceneTexts {
    std::array<DoorLabelText, kDoorLabels> doors;  // in kDoorLabelSpecs order
    std::string leaveCaption;
    std::string leaveHint;
    std::string bubble1;
    std::string bubble2;
    std::string title;  // written letter by letter over the animated entrance
};

SceneTexts buildSceneTexts(const InterfaceTexts& texts);

}  // namespace rumbelo
