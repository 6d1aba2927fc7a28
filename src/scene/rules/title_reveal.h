#pragma once
// The product title written letter by letter over the entrance while the character has not
// moved up or down, then the year, the school name and the credit line.
#include <string>

namespace rumbelo {

class TitleReveal {
  public:
    // One frame: every reveal / 9 frames one more letter of a title of `length` letters
    // (never, when that is 0).
    void frame(int reveal, int length);
    int shown() const { return shown_; }
    bool complete(int length) const { return length > 0 && shown_ >= length; }

  private:
    int shown_ = 0;
    int frames_ = 0;
};

// The left edge of a drawn line: it moves left as the line grows. `size` is the font size.
int titleLeft(int base, int length, int size);

// The credit line under the title, two lines.
inline constexpr const char* kCreditLine1 = "Equipo";
inline constexpr const char* kCreditLine2 = "Rumbelo";

}  // namespace rumbelo
