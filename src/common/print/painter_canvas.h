#pragma once
// The page canvas of a real printer (or a PDF file): a QPainter on a QPrinter. Coordinates
// are the printer's pixels from the top-left corner of the printable area.
#include <QFont>
#include <QImage>
#include <QPainter>

#include "common/print/page_canvas.h"

class QPrinter;

namespace rumbelo {

class QImagePicture : public PagePicture {
  public:
    explicit QImagePicture(QImage image) : image_(std::move(image)) {}
    const QImage& image() const { return image_; }

  private:
    QImage image_;
};

class PainterCanvas : public PageCanvas {
  public:
    // Which step of a document failed, to tell the pupil what went wrong.
    enum class Failure { None, Start, Page, Send };

    explicit PainterCanvas(QPrinter& printer) : printer_(printer) {}
    ~PainterCanvas() override;

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

    Failure failure() const { return failure_; }

  private:
    QPrinter& printer_;
    QPainter painter_;
    Failure failure_ = Failure::None;
};

}  // namespace rumbelo
