#include "common/print/painter_canvas.h"

#include <QPrinter>
#include <algorithm>

#include "common/qt_text.h"

namespace rumbelo {

namespace {

QRect toQRect(PixelRect box) {
    return QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1));
}

}  // namespace

PainterCanvas::~PainterCanvas() {
    if (painter_.isActive()) painter_.end();
}

bool PainterCanvas::beginDocument(PageOrientation orientation) {
    printer_.setPageOrientation(orientation == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                         : QPageLayout::Landscape);
    if (!painter_.begin(&printer_)) {
        failure_ = Failure::Start;
        return false;
    }
    // A line about a fifth of a millimetre wide whatever the printer's resolution.
    painter_.setPen(QPen(Qt::black, std::max(1, printer_.resolution() / 120)));
    painter_.setBrush(Qt::NoBrush);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    return true;
}

bool PainterCanvas::newPage() {
    if (printer_.newPage()) return true;
    failure_ = Failure::Page;
    return false;
}

bool PainterCanvas::endDocument() {
    const bool ended = painter_.end();
    if (ended && printer_.printerState() != QPrinter::Error) return true;
    failure_ = Failure::Send;
    return false;
}

void PainterCanvas::abortDocument() {
    printer_.abort();
    if (painter_.isActive()) painter_.end();
}

PageMetrics PainterCanvas::metrics() const {
    const QRect area = printer_.pageLayout().paintRectPixels(printer_.resolution());
    return {area.width(), area.height(), printer_.logicalDpiX(), printer_.logicalDpiY()};
}

void PainterCanvas::setFont(const std::string& family, int pointSize, bool bold) {
    QFont font(QString::fromLatin1(family), pointSize, bold ? QFont::Bold : QFont::Normal);
    font.setKerning(false);  // columns of fixed-pitch text stay aligned
    painter_.setFont(font);
}

void PainterCanvas::line(PixelPoint from, PixelPoint to) {
    painter_.drawLine(QPoint(from.x, from.y), QPoint(to.x, to.y));
}

void PainterCanvas::rectangle(PixelRect box) {
    painter_.drawRect(toQRect(box));
}

void PainterCanvas::ellipse(PixelRect box) {
    painter_.drawEllipse(toQRect(box));
}

void PainterCanvas::text(PixelPoint at, const std::string& text, TextBackground background) {
    const QString shown = toQt(text);
    const QFontMetrics metrics = painter_.fontMetrics();
    if (background == TextBackground::White)
        painter_.fillRect(QRect(at.x, at.y, metrics.horizontalAdvance(shown), metrics.height()),
                          Qt::white);
    painter_.drawText(QPoint(at.x, at.y + metrics.ascent()), shown);
}

int PainterCanvas::textWidth(const std::string& text) {
    return painter_.fontMetrics().horizontalAdvance(toQt(text));
}

int PainterCanvas::lineHeight() {
    return painter_.fontMetrics().height();
}

void PainterCanvas::picture(PixelRect box, const PagePicture& picture) {
    const auto* image = dynamic_cast<const QImagePicture*>(&picture);
    if (image && !image->image().isNull()) painter_.drawImage(toQRect(box), image->image());
}

}  // namespace rumbelo
