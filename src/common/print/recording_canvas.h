#pragma once
// A canvas that keeps every drawing operation instead of printing it, with the font in
// force, for tests of the page logic. Text widths follow simple font metrics: a fixed-pitch
// character is 0.6 of the font size wide, any other 0.5.
#include <string>
#include <vector>

#include "common/print/page_canvas.h"

namespace rumbelo {

struct CanvasOp {
    enum class Kind { Line, Rectangle, Ellipse, Text, Picture };
    Kind kind = Kind::Text;
    int document = 0;  // counted from 1
    int page = 0;      // counted from 1 within its document
    PixelRect box;     // a line goes from (left, top) to (right, bottom)
    PixelPoint at;     // where text starts
    std::string text;
    std::string family;
    int size = 0;
    bool bold = false;
    TextBackground background = TextBackground::Transparent;
    const PagePicture* picture = nullptr;
};

struct RecordedDocument {
    PageOrientation orientation = PageOrientation::Portrait;
    int pages = 0;
    bool sent = false;     // ended normally
    bool aborted = false;  // dropped after a failure
};

class RecordingCanvas : public PageCanvas {
  public:
    // The printable area of a portrait A4 page with 5 mm margins, at 600 pixels per inch.
    static PageMetrics a4Portrait();

    explicit RecordingCanvas(PageMetrics portrait = a4Portrait()) : portrait_(portrait) {}

    bool beginDocument(PageOrientation orientation) override;
    bool newPage() override;
    bool endDocument() override;
    void abortDocument() override;
    PageMetrics metrics() const override;
    void setFont(const std::string& family, int pointSize, bool bold) override;
    void line(PixelPoint from, PixelPoint to) override;
    void rectangle(PixelRect box) override;
    void ellipse(PixelRect box) override;
    void text(PixelPoint at, const std::string& text, TextBackground background) override;
    int textWidth(const std::string& text) override;
    int lineHeight() override;
    void picture(PixelRect box, const PagePicture& picture) override;

    std::vector<CanvasOp> ops;
    std::vector<RecordedDocument> documents;

    // The texts of one page of the last document, in drawing order.
    std::vector<CanvasOp> textsOnPage(int page) const;
    // The ops of one kind on one page of the last document.
    std::vector<CanvasOp> opsOnPage(int page, CanvasOp::Kind kind) const;
    // The first text op showing exactly `text`, or nullptr.
    const CanvasOp* findText(const std::string& text) const;

    // Failures a printer can have: refusing to start, failing on the n-th new page (1 = the
    // first call), failing to send the document.
    bool failBegin = false;
    int failNewPage = 0;
    bool failEnd = false;

  private:
    CanvasOp started(CanvasOp::Kind kind) const;

    PageMetrics portrait_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    std::string family_;
    int size_ = 10;
    bool bold_ = false;
    int newPageCalls_ = 0;
};

}  // namespace rumbelo
