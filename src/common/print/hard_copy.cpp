#include "common/print/hard_copy.h"

#include <algorithm>
#include <cmath>

namespace rumbelo {

void HardCopy::PageInit(int gridWidth, int gridHeight, double unitsPerInch) {
    metrics_ = canvas_.metrics();
    // A zero grid or unit would divide by zero; one cell and one unit per inch are harmless.
    gridWidth_ = std::max(gridWidth, 1);
    gridHeight_ = std::max(gridHeight, 1);
    unitsPerInch_ = unitsPerInch > 0 ? unitsPerInch : 1;
    current_ = {};
}

PixelPoint HardCopy::unitPoint(double y, double x) const {
    return {static_cast<int>(std::lround(x * metrics_.dpiX / unitsPerInch_)),
            static_cast<int>(std::lround(y * metrics_.dpiY / unitsPerInch_))};
}

PixelPoint HardCopy::gridPoint(int column, int row) const {
    return {
        static_cast<int>(std::lround(static_cast<double>(column) * metrics_.width / gridWidth_)),
        static_cast<int>(std::lround(static_cast<double>(row) * metrics_.height / gridHeight_))};
}

double HardCopy::gridRowY(double row) const {
    return row * metrics_.height / gridHeight_;
}

PixelRect HardCopy::unitRect(double top, double left, double bottom, double right) const {
    const PixelPoint topLeft = unitPoint(top, left);
    const PixelPoint bottomRight = unitPoint(bottom, right);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void HardCopy::MoveTo(double y, double x) {
    current_ = unitPoint(y, x);
}

void HardCopy::LineTo(double y, double x) {
    const PixelPoint to = unitPoint(y, x);
    canvas_.line(current_, to);
    current_ = to;
}

void HardCopy::GridMoveTo(int column, int row) {
    current_ = gridPoint(column, row);
}

void HardCopy::Frame(double top, double left, double bottom, double right) {
    canvas_.rectangle(unitRect(top, left, bottom, right));
}

void HardCopy::Circle(double top, double left, double bottom, double right) {
    canvas_.ellipse(unitRect(top, left, bottom, right));
}

void HardCopy::TextAt(const std::string& text) {
    canvas_.text(current_, text, background_);
}

void HardCopy::TextCentred(const std::string& text) {
    canvas_.text({current_.x - canvas_.textWidth(text) / 2, current_.y}, text, background_);
}

void HardCopy::TextRight(const std::string& text) {
    canvas_.text({current_.x - canvas_.textWidth(text), current_.y}, text, background_);
}

void HardCopy::PictureInto(const UnitBox& box, const PagePicture& picture) {
    canvas_.picture(unitRect(box.top, box.left, box.bottom, box.right), picture);
}

void HardCopy::setFont(const std::string& family, int pointSize, bool bold) {
    family_ = family;
    canvas_.setFont(family, pointSize, bold);
}

void HardCopy::setFontSize(int pointSize, bool bold) {
    canvas_.setFont(family_, pointSize, bold);
}

}  // namespace rumbelo
