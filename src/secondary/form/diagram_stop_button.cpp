#include "secondary/form/diagram_stop_button.h"

#include <QPainter>
#include <QPainterPath>

namespace rumbelo {

using secondary::ButtonAction;

DiagramStopButton::DiagramStopButton(ButtonAction action, QWidget* parent)
    : QAbstractButton(parent), action_(action) {
    setFixedSize(kSize, kSize);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void DiagramStopButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void DiagramStopButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void DiagramStopButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    // The ring takes the route's red; the face is white, warmer under the pointer.
    const QColor ring = isDown() ? QColor(120, 0, 0) : QColor(200, 0, 0);
    p.setPen(QPen(ring, 2.5));
    p.setBrush(hovered_ ? QColor(255, 244, 180) : QColor(255, 255, 255));
    p.drawEllipse(disc);
    const QPointF c = disc.center();
    p.setPen(QPen(QColor(20, 30, 90), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (action_) {
        case ButtonAction::PrintItinerary: {
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(c.x() - 4, c.y() - 7, 8, 4));  // paper in
            p.setBrush(QColor(20, 30, 90));
            p.drawRoundedRect(QRectF(c.x() - 7, c.y() - 3, 14, 6), 1.5, 1.5);
            p.setBrush(QColor(255, 255, 255));
            p.drawRect(QRectF(c.x() - 4, c.y() + 1, 8, 5));  // paper out
            break;
        }
        case ButtonAction::Information: {
            p.setBrush(QColor(20, 30, 90));
            p.drawEllipse(QPointF(c.x(), c.y() - 5), 1.3, 1.3);
            p.setPen(QPen(QColor(20, 30, 90), 2.6, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(c.x(), c.y() - 1.5), QPointF(c.x(), c.y() + 6));
            break;
        }
        case ButtonAction::Subjects: {
            QPainterPath book;
            book.moveTo(c.x(), c.y() - 4);
            book.lineTo(c.x() - 7, c.y() - 6);
            book.lineTo(c.x() - 7, c.y() + 5);
            book.lineTo(c.x(), c.y() + 7);
            book.lineTo(c.x() + 7, c.y() + 5);
            book.lineTo(c.x() + 7, c.y() - 6);
            book.closeSubpath();
            p.setBrush(QColor(210, 225, 255));
            p.drawPath(book);
            p.drawLine(QPointF(c.x(), c.y() - 4), QPointF(c.x(), c.y() + 7));
            break;
        }
    }
}

}  // namespace rumbelo
