#pragma once
// Page-coordinate drawing on a printer canvas: positions in units (1 unit = 1 inch when the
// page is set up with one unit per inch), vertical coordinate first, measured from the
// top-left corner of the printable area; and a W x H grid over the printable area on which
// report lines are placed. A current point is kept between calls.
#include <string>

#include "common/print/page_canvas.h"

namespace rumbelo {

// A box in units.
struct UnitBox {
    double top = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
};

class HardCopy {
  public:
    explicit HardCopy(PageCanvas& canvas) : canvas_(canvas) {}

    bool beginDocument(PageOrientation orientation) { return canvas_.beginDocument(orientation); }
    bool newPage() { return canvas_.newPage(); }
    bool endDocument() { return canvas_.endDocument(); }
    void abortDocument() { canvas_.abortDocument(); }

    // Reads the printer's printable size and resolution; sets the grid and the unit.
    void PageInit(int gridWidth, int gridHeight, double unitsPerInch);

    void MoveTo(double y, double x);
    void LineTo(double y, double x);
    void GridMoveTo(int column, int row);
    void Frame(double top, double left, double bottom, double right);
    void Circle(double top, double left, double bottom, double right);
    // Text at the current point: starting there, centred on it, or ending there. The point
    // is the top of the text's line; it does not move.
    void TextAt(const std::string& text);
    void TextCentred(const std::string& text);
    void TextRight(const std::string& text);
    void PictureInto(const UnitBox& box, const PagePicture& picture);

    void setFont(const std::string& family, int pointSize, bool bold);
    void setFontSize(int pointSize, bool bold);
    void setTextBackground(TextBackground background) { background_ = background; }

    // The pixel of a position in units, and of a grid point.
    PixelPoint unitPoint(double y, double x) const;
    PixelPoint gridPoint(int column, int row) const;
    // The exact height of a grid row's top, before rounding to a pixel.
    double gridRowY(double row) const;
    PixelPoint current() const { return current_; }
    void moveToPixel(PixelPoint p) { current_ = p; }
    const PageMetrics& metrics() const { return metrics_; }
    PageCanvas& canvas() { return canvas_; }

  private:
    PixelRect unitRect(double top, double left, double bottom, double right) const;

    PageCanvas& canvas_;
    PageMetrics metrics_;
    int gridWidth_ = 1;
    int gridHeight_ = 1;
    double unitsPerInch_ = 1;
    PixelPoint current_;
    std::string family_ = "Courier New";
    TextBackground background_ = TextBackground::Transparent;
};

}  // namespace rumbelo
