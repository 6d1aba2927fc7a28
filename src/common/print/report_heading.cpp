#include "common/print/report_heading.h"

#include "common/print/body_layout.h"
#include "common/text/fixed_text.h"

namespace rumbelo {

namespace {

// Where the two headings differ: the landscape one is wider and has a smaller title.
struct HeadingShape {
    double frameRight;
    double textRight;  // the year word and the school year end here
    double centre;     // the school name is centred here
    int titleSize;
};

void drawHeading(HardCopy& page, const HeadingTexts& heading, const std::string& title,
                 const HeadingShape& shape) {
    page.Frame(0.5, 0.1, kHeadingBottom, shape.frameRight);
    if (heading.guide) page.PictureInto({0.53, 0.2, 1.08, 0.55}, *heading.guide);
    page.setTextBackground(TextBackground::White);
    // Trailing blanks of a fixed-length slot would push aligned text off its place.
    page.setFontSize(10, true);
    page.MoveTo(0.6, shape.textRight);
    page.TextRight(TrimRight(heading.yearWord));
    page.MoveTo(0.9, shape.textRight);
    page.TextRight(kSchoolYear);
    const int yearLeft = page.current().x - page.canvas().textWidth(kSchoolYear);
    page.setFontSize(12, true);
    page.MoveTo(0.6, shape.centre);
    page.TextCentred(TrimRight(heading.schoolName));
    page.setFontSize(shape.titleSize, true);
    page.MoveTo(0.9, 0.6);
    // A long title stops before the school year beside it.
    const int gap = page.unitPoint(0, 0.1).x;
    page.TextAt(fitTitle(page.canvas(), title, yearLeft - gap - page.current().x));
}

}  // namespace

void PortraitHeading(HardCopy& page, const HeadingTexts& heading, const std::string& title) {
    drawHeading(page, heading, title, {7.3, 7.25, 3.7, 12});
}

void LandscapeHeading(HardCopy& page, const HeadingTexts& heading, const std::string& title,
                      int pageNumber) {
    drawHeading(page, heading, title, {10.2, 10.15, 5.15, 11});
    page.Circle(0.5, 10.4, 1.2, 11.1);
    if (pageNumber > 0) {
        page.setFontSize(16, true);
        page.MoveTo(0.7, 10.7);
        page.TextAt(std::to_string(pageNumber));
    }
}

}  // namespace rumbelo
