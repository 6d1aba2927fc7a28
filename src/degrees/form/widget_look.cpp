#include "degrees/form/widget_look.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "common/qt_text.h"

namespace rumbelo::degrees {
namespace {

constexpr char kUsedProperty[] = "rumbeloUsed";

QString cssColour(Rgb c) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.r).arg(c.g).arg(c.b);
}

}  // namespace

void paintWidget(QWidget* widget, Rgb background) {
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(background));
    palette.setColor(QPalette::Base, toQColor(background));
    palette.setColor(QPalette::Button, toQColor(background));
    widget->setPalette(palette);
}

void paintWidget(QWidget* widget, Rgb background, Rgb text) {
    paintWidget(widget, background);
    paintText(widget, text);
}

void paintText(QWidget* widget, Rgb text) {
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, toQColor(text));
    widget->setPalette(palette);
}

void setFontOf(QWidget* widget, const QString& family, int pointSize, bool bold) {
    QFont font(family);
    font.setPointSize(std::max(1, pointSize));
    font.setBold(bold);
    widget->setFont(font);
}

QFrame* makePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->hide();
    return panel;
}

QPushButton* makeButton(QWidget* parent, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox* makeCombo(QWidget* parent, const char* name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setCursor(Qt::PointingHandCursor);
    return combo;
}

void styleColours(QWidget* widget, const char* selector, Rgb background, Rgb text) {
    widget->setStyleSheet(
        QStringLiteral("%1 { background: %2; color: %3; }")
            .arg(QLatin1String(selector), cssColour(background), cssColour(text)));
}

void markUsed(QAbstractButton* button) {
    // The window skin colours button texts; the mark must win over it, so it goes into the
    // button's own style sheet, font included (a new sheet resets the font).
    button->setStyleSheet(
        QStringLiteral("QPushButton { color: %1; font-weight: bold; font-style: italic; }")
            .arg(cssColour(fixed_colours::kVisited)));
    QFont font = button->font();
    font.setBold(true);
    font.setItalic(true);
    button->setFont(font);
    button->setProperty(kUsedProperty, true);
}

bool isMarkedUsed(const QAbstractButton* button) {
    return button->property(kUsedProperty).toBool();
}

}  // namespace rumbelo::degrees
