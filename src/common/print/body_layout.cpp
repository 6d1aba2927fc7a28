#include "common/print/body_layout.h"

#include <algorithm>
#include <cmath>

#include "common/print/report_heading.h"
#include "common/text/fixed_text.h"

namespace rumbelo {

LineRows::LineRows(const HardCopy& page, int firstRow, int count, int lineHeight, bool belowHeading)
    : count_(std::max(count, 1)), lineHeight_(lineHeight) {
    const PageMetrics& metrics = page.metrics();
    top_ = page.gridRowY(firstRow);
    step_ = page.gridRowY(1) - page.gridRowY(0);
    if (!belowHeading) return;
    const double clear = (kHeadingBottom + kGapBelowHeading) * metrics.dpiY;
    if (top_ >= clear) return;
    top_ = clear;
    if (count_ > 1) {
        const double room = (metrics.height - lineHeight_ - top_) / (count_ - 1);
        step_ = std::min(step_, room);
    }
}

int LineRows::y(int i) const {
    return static_cast<int>(std::lround(top_ + i * step_));
}

namespace {
// Report texts are Windows-1252: one byte, one character (0x80-0xBF among them: "º", "¿").
void dropLastCharacter(std::string& text) {
    if (!text.empty()) text.pop_back();
}
}  // namespace

std::string fitText(PageCanvas& canvas, const std::string& text, int width) {
    std::string fitted = TrimRight(text);
    while (!fitted.empty() && canvas.textWidth(fitted) > width) {
        dropLastCharacter(fitted);
        fitted = TrimRight(fitted);
    }
    return fitted;
}

std::string fitTitle(PageCanvas& canvas, const std::string& title, int width) {
    std::string text = TrimRight(title);
    if (canvas.textWidth(text) <= width) return text;
    // "Name (what it is)": the name matters more than the remark after it.
    const std::size_t remark = text.rfind(" (");
    if (!text.empty() && text.back() == ')' && remark != std::string::npos && remark > 0) {
        const std::string name = TrimRight(text.substr(0, remark));
        if (canvas.textWidth(name) <= width) return name;
        text = name;
    }
    const std::string fitted = fitText(canvas, text, width);
    // End on a whole word when there is one to end on.
    if (fitted.size() < text.size() && text[fitted.size()] != ' ') {
        const std::size_t blank = fitted.rfind(' ');
        if (blank != std::string::npos && blank > 0) return TrimRight(fitted.substr(0, blank));
    }
    return fitted;
}

}  // namespace rumbelo
