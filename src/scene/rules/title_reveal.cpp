#include "scene/rules/title_reveal.h"

namespace rumbelo {

void TitleReveal::frame(int reveal, int length) {
    const int every = reveal / 9;
    if (every <= 0 || shown_ >= length) return;
    if (++frames_ < every) return;
    frames_ = 0;
    ++shown_;
}

int titleLeft(int base, int length, int size) {
    const int quarter = size / 4;
    return quarter > 0 ? base - length * size / quarter : base;
}

}  // namespace rumbelo
