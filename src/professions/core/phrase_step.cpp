#include "professions/core/phrase_step.h"

#include <algorithm>
#include <iterator>

namespace rumbelo::professions {

BoxView PhraseStep::press(bool yes) {
    ++position_;
    BoxView view;
    if (position_ > count_) {
        view.hidden = true;
        return view;
    }
    if (position_ == count_) {
        if (yes && count_ > 0) view.markRow = count_ - 1;
        view.endMessage = true;
        return view;
    }
    if (position_ >= 0) view.phrase = position_;
    if (position_ == -1) view.introduction = true;
    if (yes && position_ > 0) view.markRow = position_ - 1;
    return view;
}

BoxView PhraseStep::backToEndMessage() {
    position_ = count_ - 1;
    return press(false);
}

std::vector<int> endMessageTexts(int marked) {
    if (marked < 4) return {637, 636};
    return {634, 635, 636};
}

bool markCountAllowsNext(int marked) {
    return marked >= 1 && marked <= 3;
}

}  // namespace rumbelo::professions

namespace rumbelo::professions {

BoxGeometry collapsedBox(int designTop, int designHeight) {
    return {designTop + designHeight / 2, 10};
}

bool growBox(BoxGeometry& box, int designTop, int designHeight) {
    if (box.height < designHeight) box.height = std::min(box.height + 10, designHeight);
    if (box.top > designTop) box.top = std::max(box.top - 5, designTop);
    return box.height < designHeight || box.top > designTop;
}

int longPhraseIcon(int row) {
    // Rows 1-15 as the shared icon list was designed for them; 16-18 building, nature and
    // art, for the phrases the list has beyond those.
    static constexpr int kIcons[] = {2, 3, 9, 3, 16, 14, 1, 0, 15, 3, 8, 5, 11, 13, 12, 4, 6, 7};
    if (row < 1 || row > static_cast<int>(std::size(kIcons))) return -1;
    return kIcons[row - 1];
}

}  // namespace rumbelo::professions
