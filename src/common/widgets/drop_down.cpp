#include "common/widgets/drop_down.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>

namespace rumbelo {

QRect dropDownPlacement(const QRect& box, const QRect& window, int wanted) {
    const int below = window.bottom() - box.bottom();
    const int above = box.top() - window.top();
    if (wanted <= below) return QRect(box.left(), box.bottom() + 1, box.width(), wanted);
    if (wanted <= above) return QRect(box.left(), box.top() - wanted, box.width(), wanted);
    if (below >= above) return QRect(box.left(), box.bottom() + 1, box.width(), below);
    return QRect(box.left(), window.top(), box.width(), above);
}

void DropDown::showPopup() {
    QComboBox::showPopup();
    QWidget* popup = view()->window();
    if (!popup || popup == window()) return;
    const QRect box(mapToGlobal(QPoint(0, 0)), size());
    const QRect frame(window()->mapToGlobal(QPoint(0, 0)), window()->size());
    const QRect placed = dropDownPlacement(box, frame, popup->height());
    popup->setGeometry(placed.left(), placed.top(), std::max(popup->width(), box.width()),
                       placed.height());
}

void DropDown::setLookWhenShown(QString styleSheet) {
    pendingLook_ = std::move(styleSheet);
    if (isVisible()) applyPendingLook();
}

void DropDown::applyPendingLook() {
    if (pendingLook_.isEmpty()) return;
    setItemDelegate(new QStyledItemDelegate(this));
    setStyleSheet(std::exchange(pendingLook_, QString()));
}

void DropDown::showEvent(QShowEvent* event) {
    applyPendingLook();
    QComboBox::showEvent(event);
}

void DropDown::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (currentIndex() < 0 && !placeholderText().isEmpty()) {
        option.currentText = placeholderText();
        option.palette.setBrush(QPalette::ButtonText, palette().brush(QPalette::ButtonText));
    }
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace rumbelo
