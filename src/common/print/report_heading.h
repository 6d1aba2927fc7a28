#pragma once
// The framed heading of a report page: the guide girl, the school's name, the school year
// and the report's title; on landscape pages also a circle with the page number.
#include <string>

#include "common/print/hard_copy.h"

namespace rumbelo {

inline constexpr const char* kSchoolYear = "2007-2008";
inline constexpr const char* kFixedPitchFont = "Courier New";
inline constexpr const char* kProportionalFont = "Arial";

// What every heading shows besides the report's title.
struct HeadingTexts {
    std::string schoolName;
    std::string yearWord;                // interface text 175, put above the school year
    const PagePicture* guide = nullptr;  // "chica.bmp"; no picture when null
};

// The heading box ends this far down the page, in inches.
inline constexpr double kHeadingBottom = 1.2;

// Drawn in the current font family, bold; leaves the text background white.
void PortraitHeading(HardCopy& page, const HeadingTexts& heading, const std::string& title);
// pageNumber 0 leaves the circle empty.
void LandscapeHeading(HardCopy& page, const HeadingTexts& heading, const std::string& title,
                      int pageNumber);

}  // namespace rumbelo
