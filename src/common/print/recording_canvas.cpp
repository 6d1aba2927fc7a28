#include "common/print/recording_canvas.h"

#include <cmath>

namespace rumbelo {

PageMetrics RecordingCanvas::a4Portrait() {
    constexpr double dpi = 600;
    constexpr double mmPerInch = 25.4;
    return {static_cast<int>(std::lround((210 - 10) / mmPerInch * dpi)),
            static_cast<int>(std::lround((297 - 10) / mmPerInch * dpi)), 600, 600};
}

bool RecordingCanvas::beginDocument(PageOrientation orientation) {
    if (failBegin) return false;
    orientation_ = orientation;
    documents.push_back({orientation, 1, false, false});
    return true;
}

bool RecordingCanvas::newPage() {
    if (failNewPage > 0 && ++newPageCalls_ == failNewPage) return false;
    ++documents.back().pages;
    return true;
}

bool RecordingCanvas::endDocument() {
    if (failEnd) return false;
    documents.back().sent = true;
    return true;
}

void RecordingCanvas::abortDocument() {
    documents.back().aborted = true;
}

PageMetrics RecordingCanvas::metrics() const {
    if (orientation_ == PageOrientation::Portrait) return portrait_;
    return {portrait_.height, portrait_.width, portrait_.dpiY, portrait_.dpiX};
}

void RecordingCanvas::setFont(const std::string& family, int pointSize, bool bold) {
    family_ = family;
    size_ = pointSize;
    bold_ = bold;
}

CanvasOp RecordingCanvas::started(CanvasOp::Kind kind) const {
    CanvasOp op;
    op.kind = kind;
    op.document = static_cast<int>(documents.size());
    op.page = documents.empty() ? 0 : documents.back().pages;
    return op;
}

void RecordingCanvas::line(PixelPoint from, PixelPoint to) {
    CanvasOp op = started(CanvasOp::Kind::Line);
    op.box = {from.x, from.y, to.x, to.y};
    ops.push_back(op);
}

void RecordingCanvas::rectangle(PixelRect box) {
    CanvasOp op = started(CanvasOp::Kind::Rectangle);
    op.box = box;
    ops.push_back(op);
}

void RecordingCanvas::ellipse(PixelRect box) {
    CanvasOp op = started(CanvasOp::Kind::Ellipse);
    op.box = box;
    ops.push_back(op);
}

void RecordingCanvas::text(PixelPoint at, const std::string& text, TextBackground background) {
    CanvasOp op = started(CanvasOp::Kind::Text);
    op.at = at;
    op.text = text;
    op.family = family_;
    op.size = size_;
    op.bold = bold_;
    op.background = background;
    ops.push_back(op);
}

int RecordingCanvas::textWidth(const std::string& text) {
    const double em = family_ == "Courier New" ? 0.6 : 0.5;
    return static_cast<int>(
        std::lround(static_cast<double>(text.size()) * em * size_ * metrics().dpiX / 72.0));
}

int RecordingCanvas::lineHeight() {
    return static_cast<int>(std::lround(1.15 * size_ * metrics().dpiY / 72.0));
}

void RecordingCanvas::picture(PixelRect box, const PagePicture& picture) {
    CanvasOp op = started(CanvasOp::Kind::Picture);
    op.box = box;
    op.picture = &picture;
    ops.push_back(op);
}

std::vector<CanvasOp> RecordingCanvas::opsOnPage(int page, CanvasOp::Kind kind) const {
    std::vector<CanvasOp> found;
    const int document = static_cast<int>(documents.size());
    for (const auto& op : ops)
        if (op.document == document && op.page == page && op.kind == kind) found.push_back(op);
    return found;
}

std::vector<CanvasOp> RecordingCanvas::textsOnPage(int page) const {
    return opsOnPage(page, CanvasOp::Kind::Text);
}

const CanvasOp* RecordingCanvas::findText(const std::string& text) const {
    for (const auto& op : ops)
        if (op.kind == CanvasOp::Kind::Text && op.text == text) return &op;
    return nullptr;
}

}  // namespace rumbelo
