#include "common/widgets/widget_paint.h"

#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <algorithm>

#include <QGraphicsDropShadowEffect>

#include "common/program/contrast.h"
#include "common/program/shared_pictures.h"
#include "common/qt_text.h"

namespace rumbelo {

void paintFloorLabel(QLabel* label, Rgb wanted, const QImage& floorTile, double minimum) {
    const Rgb floor = averageColour(floorTile);
    const Rgb text = readableOn(wanted, floor, minimum);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, toQColor(text));
    label->setPalette(palette);
    if (relativeLuminance(text) > relativeLuminance(floor)) {
        auto* rim = new QGraphicsDropShadowEffect(label);
        rim->setOffset(1, 1);
        rim->setBlurRadius(3);
        rim->setColor(QColor(40, 40, 40));
        label->setGraphicsEffect(rim);
    }
}

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
