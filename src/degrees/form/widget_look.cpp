#include "degrees/form/widget_look.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <algorithm>

#include "common/qt_text.h"
#include "common/widgets/drop_down.h"

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
    auto* combo = new DropDown(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setCursor(Qt::PointingHandCursor);
    return combo;
}

void styleDropDown(QComboBox* combo, Rgb background, Rgb text) {
    // The open list reads as a list: dark text on the panel colour, the entry under the
    // pointer in the box's own colours. Without this it took the box's light text.
    const Rgb listText{0, 0, 0};
    const QString look = QStringLiteral(
                             "QComboBox { background: %1; color: %2; }"
                             "QComboBox QAbstractItemView { background: %3; color: %4;"
                             " selection-background-color: %1; selection-color: %2; }")
                             .arg(cssColour(background), cssColour(text),
                                  cssColour(fixed_colours::kPanel), cssColour(listText));
    if (auto* dropDown = qobject_cast<DropDown*>(combo)) {
        dropDown->setLookWhenShown(look);
        return;
    }
    // The combo's own item painter ignores style sheets; the styled one follows them.
    combo->setItemDelegate(new QStyledItemDelegate(combo));
    combo->setStyleSheet(look);
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

QFrame* makeMenu(QWidget* parent, const char* name, QPoint at, int width,
                 std::initializer_list<MenuButton> buttons, int height, int gap) {
    constexpr int kMargin = 12;
    QFrame* panel = makePanel(parent, name);
    const int count = static_cast<int>(buttons.size());
    panel->setGeometry(at.x(), at.y(), width, kMargin * 2 + count * height + (count - 1) * gap);
    int y = kMargin;
    for (const MenuButton& entry : buttons) {
        entry.button = makeButton(panel, entry.name);
        entry.button->setGeometry(kMargin, y, width - 2 * kMargin, height);
        y += height + gap;
    }
    return panel;
}

}  // namespace rumbelo::degrees
