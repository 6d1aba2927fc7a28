#include "secondary/form/secondary_look.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "common/qt_text.h"
#include "common/widgets/widget_paint.h"

namespace rumbelo::secondary {

void paintWidget(QWidget* widget, Rgb background, Rgb text) {
    paintWidgetColours(widget, background, text);
}

void setFontOf(QWidget* widget, const QString& family, int pointSize, bool bold) {
    setWidgetFont(widget, family, pointSize, bold);
}

void setPixelFontOf(QWidget* widget, const QString& family, int pixels, bool bold) {
    QFont font(family);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    widget->setFont(font);
}

QPushButton* makeButton(QWidget* parent, const char* name, QRect where) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(where);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    button->hide();
    return button;
}

}  // namespace rumbelo::secondary
