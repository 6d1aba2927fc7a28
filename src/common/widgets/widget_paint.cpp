#include "common/widgets/widget_paint.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <algorithm>

#include "common/qt_text.h"

namespace rumbelo {

void paintWidgetColours(QWidget* widget, Rgb background, Rgb text) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, toQColor(background));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toQColor(text));
    widget->setPalette(palette);
}

void setWidgetFont(QWidget* widget, const QString& family, int pointSize, bool bold) {
    QFont font(family);
    font.setPointSize(std::max(1, pointSize));
    font.setBold(bold);
    widget->setFont(font);
}

QFrame* makePanel(QWidget* parent, const char* name, QRect where) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setGeometry(where);
    panel->hide();
    return panel;
}

QLabel* makeLabel(QWidget* parent, const char* name, QRect where) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(where);
    return label;
}

}  // namespace rumbelo
