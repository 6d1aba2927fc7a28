#pragma once
// The words on the building's signs and plates, drawn each frame centred on their sprite.
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"

namespace rumbelo {

struct SignText {
    int piece;  // the building piece it stands on (1-based)
    std::string text;
    int dx;  // offset from the centred position
    int dy;
    int size;  // font size before the large-fonts correction
};

std::vector<SignText> signTexts(const InterfaceTexts& texts);

// Where a text of (w, h) is drawn on a sprite at screen (left, top) of (width, height).
inline int centredX(int left, int width, int textWidth) {
    return left + width / 2 - textWidth / 2;
}

}  // namespace rumbelo
