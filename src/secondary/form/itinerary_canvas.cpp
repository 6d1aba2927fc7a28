#include "secondary/form/itinerary_canvas.h"

#include <QMouseEvent>
#include <QPainter>

#include "common/program/themes.h"
#include "common/qt_text.h"
#include "secondary/itineraries/itinerary_buttons.h"

namespace rumbelo {

using namespace secondary;

namespace {

QFont styleFont(TextStyle style, int correction) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setBold(true);
    font.setPointSize(std::max(6, pointSize(style) + correction));
    return font;
}

QColor styleColour(TextStyle style) {
    return style == TextStyle::Label || style == TextStyle::Big ? QColor(0, 0, 170)
                                                                : QColor(0, 0, 0);
}

QRect toRect(const PixelRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

}  // namespace

ItineraryCanvas::ItineraryCanvas(const InterfaceTexts& texts, int largeFontsCorrection,
                                 QWidget* form)
    : QWidget(form), texts_(texts), correction_(largeFontsCorrection) {
    setObjectName(QStringLiteral("ItineraryCanvas"));
    setGeometry(kArea);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void ItineraryCanvas::showUpTo(int last) {
    last_ = last;
    setVisible(last >= 0);
    update();
}

void ItineraryCanvas::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
}

// A quick second click is a click too: the pupil means the next step.
void ItineraryCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void ItineraryCanvas::paintEvent(QPaintEvent*) {
    textBoxes_.clear();
    if (last_ < 0) return;
    QPainter p(this);
    p.translate(-kArea.topLeft());
    paintStep(p, diagramUpTo(last_, texts_));
}

void ItineraryCanvas::paintStep(QPainter& p, const DrawingStep& step) {
    const QColor list = toQColor(fixed_colours::kList);
    for (const FramePanel& panel : step.panels) {
        const QRect r = toRect(panelRect(panel));
        p.fillRect(r, list);
        p.fillRect(QRect(r.left(), r.top(), 2, r.height()), Qt::black);
        p.fillRect(QRect(r.left(), r.top(), r.width(), 2), Qt::black);
        p.fillRect(QRect(r.right() - 2, r.top() + 2, 3, r.height() - 2), Qt::white);
        p.fillRect(QRect(r.left() + 2, r.bottom() - 2, r.width() - 2, 3), Qt::white);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const RouteLine& line : step.lines) {
        p.setPen(line.red ? QPen(QColor(210, 0, 0), kRouteWidth, Qt::SolidLine, Qt::FlatCap)
                          : QPen(Qt::black, 1));
        p.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    for (const NamePlate& plate : step.plates) {
        const QRectF r = QRectF(toRect(plate.rect)).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(QColor(150, 0, 0), 1.5));
        p.setBrush(toQColor(fixed_colours::kDialog));
        p.drawRoundedRect(r, 5, 5);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    // The boxes first, the letters after, so that no box covers a neighbour's letters.
    struct Placed {
        QRect box;
        QFont font;
        QString text;
        QColor colour;
    };
    QList<Placed> placed;
    for (const DiagramText& text : step.texts) {
        const QFont font = styleFont(text.style, correction_);
        const QFontMetrics metrics(font);
        const QString s = toQt(text.text);
        const int width = metrics.horizontalAdvance(s);
        const int left =
            text.centreX > 0 ? text.centreX - width / 2 : secondary::gridLeft(text.col);
        const QRect box(left, secondary::gridTop(text.row) + text.dy, width, metrics.height());
        textBoxes_.append(box);
        placed.append({box, font, s, styleColour(text.style)});
        // Texts off a plate stand on the list colour, even where no panel lies beneath.
        bool onPlate = false;
        for (const NamePlate& plate : step.plates)
            onPlate = onPlate || toRect(plate.rect).contains(box.center());
        if (!onPlate) p.fillRect(box, list);
    }
    for (const Placed& text : placed) {
        p.setFont(text.font);
        p.setPen(text.colour);
        p.drawText(text.box, Qt::AlignLeft | Qt::AlignTop, text.text);
    }
}

}  // namespace rumbelo
