#pragma once
// The surface a report is drawn on: a printer page in the program, a recording in the tests.
// Everything is in the printer's pixels, measured from the top-left corner of the printable
// area, as a printer canvas counts them.
#include <string>

namespace rumbelo {

enum class PageOrientation { Portrait, Landscape };

// Text drawn over a white box (hides what lies beneath) or over whatever is already there.
enum class TextBackground { Transparent, White };

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// Right and bottom lie just outside the box, as on a printer canvas.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// The printable area in pixels and the printer's pixels per inch.
struct PageMetrics {
    int width = 0;
    int height = 0;
    int dpiX = 0;
    int dpiY = 0;
};

// A picture the canvas knows how to draw; the page logic only passes it on.
class PagePicture {
  public:
    virtual ~PagePicture() = default;
};

class PageCanvas {
  public:
    virtual ~PageCanvas() = default;

    // Starts a document on its first page; false when the printer cannot start one.
    virtual bool beginDocument(PageOrientation orientation) = 0;
    // False when the printer fails.
    virtual bool newPage() = 0;
    // Sends the document; false when it did not reach the printer.
    virtual bool endDocument() = 0;
    // Drops a document that failed half-way.
    virtual void abortDocument() = 0;

    // Valid once the document has begun (the orientation decides the shape).
    virtual PageMetrics metrics() const = 0;

    // A family as the program names it ("Courier New", "Arial"); the size in points.
    virtual void setFont(const std::string& family, int pointSize, bool bold) = 0;
    virtual void line(PixelPoint from, PixelPoint to) = 0;
    virtual void rectangle(PixelRect box) = 0;
    virtual void ellipse(PixelRect box) = 0;
    // Windows-1252 text in the current font, the top-left corner of its line box at `at`.
    virtual void text(PixelPoint at, const std::string& text, TextBackground background) = 0;
    // Width in pixels of the text in the current font.
    virtual int textWidth(const std::string& text) = 0;
    // Height in pixels of a line of text in the current font.
    virtual int lineHeight() = 0;
    // The picture stretched to fill the box.
    virtual void picture(PixelRect box, const PagePicture& picture) = 0;
};

}  // namespace rumbelo
