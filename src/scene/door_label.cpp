#include "scene/door_label.h"

#include <QMouseEvent>

namespace rumbelo {

void DoorLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
    QLabel::mousePressEvent(event);
}

void DoorLabel::enterEvent(QEnterEvent* event) {
    emit hovered();
    QLabel::enterEvent(event);
}

void DoorLabel::mouseMoveEvent(QMouseEvent* event) {
    emit hovered();
    QLabel::mouseMoveEvent(event);
}

}  // namespace rumbelo
