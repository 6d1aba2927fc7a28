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

std::string fitText(PageCanvas& canvas, const std::string& text, int width) {
    std::string fitted = TrimRight(text);
    while (!fitted.empty() && canvas.textWidth(fitted) > width)
        fitted = TrimRight(fitted.substr(0, fitted.size() - 1));
    return fitted;
}

}  // namespace rumbelo
