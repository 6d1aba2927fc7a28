#pragma once
// The four lines of the speech bubble that follows the character, chosen by where it stands.
#include <array>
#include <optional>
#include <string>

#include "common/texts/interface_texts.h"

namespace rumbelo {

using BubbleLines = std::array<std::string, 4>;

// Nothing where the character has nothing to say. Later areas in the list win where they
// overlap: entrance, first corridor, second corridor, upper floor, and far off to the right.
std::optional<BubbleLines> bubbleLinesAt(int rx, int ry, const InterfaceTexts& texts);

}  // namespace rumbelo
