#include "degrees/form/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace rumbelo::degrees {

UpDown::UpDown(QWidget* parent, QLineEdit* associate, int minimum, int maximum, int position)
    : QWidget(parent),
      up(new QToolButton(this)),
      down(new QToolButton(this)),
      associate_(associate),
      minimum_(minimum),
      maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)) {
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {up, down}) {
        arrow->setAutoRepeat(true);
        arrow->setCursor(Qt::PointingHandCursor);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDown::stepDown);
    connect(associate_, &QLineEdit::textEdited, this, &UpDown::followField);
    associate_->setText(QString::number(position_));
}

void UpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
    const QString digit = QString::number(position_);
    if (associate_->text() != digit) associate_->setText(digit);
}

void UpDown::followField(const QString& text) {
    bool ok = false;
    const int digit = text.toInt(&ok);
    if (ok && digit >= minimum_ && digit <= maximum_) position_ = digit;
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up->setGeometry(0, 0, width(), half);
    down->setGeometry(0, half, width(), height() - half);
}

}  // namespace rumbelo::degrees
