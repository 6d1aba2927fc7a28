#pragma once
// Small helpers the degrees form uses to give its controls their names, colours and fonts.
#include <QPoint>
#include <QRect>
#include <QString>
#include <initializer_list>

#include "common/program/themes.h"

class QAbstractButton;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace rumbelo::degrees {

// The families the degrees form writes in.
inline const QString kTimes = QStringLiteral("Times New Roman");
inline const QString kCourier = QStringLiteral("Courier New");
// Text on the panel colour of lists and menus.
inline constexpr Rgb kPanelText{0, 0, 0};

// Background (and list base) colour, and optionally the text colour.
void paintWidget(QWidget* widget, Rgb background);
void paintWidget(QWidget* widget, Rgb background, Rgb text);
void paintText(QWidget* widget, Rgb text);
// A drop-down box in `background` and `text`, its open list dark on the panel colour.
void styleDropDown(QComboBox* combo, Rgb background, Rgb text);
void setFontOf(QWidget* widget, const QString& family, int pointSize, bool bold = false);

// A named raised panel, hidden until the form shows it.
QFrame* makePanel(QWidget* parent, const char* name);
// A named button with the hand cursor.
QPushButton* makeButton(QWidget* parent, const char* name);
// A named label.
QLabel* makeLabel(QWidget* parent, const char* name);
// A named drop-down list with the hand cursor.
QComboBox* makeCombo(QWidget* parent, const char* name);

struct MenuButton {
    QPushButton*& button;
    const char* name;
};
// A panel `width` wide at `at` with its buttons stacked one under the other, each `height`
// high with `gap` between them; the panel is as tall as they need.
QFrame* makeMenu(QWidget* parent, const char* name, QPoint at, int width,
                 std::initializer_list<MenuButton> buttons, int height, int gap);

// The layout the faces share: the left column, the working list on the right, the menus.
inline constexpr QRect kLeftColumn{22, 48, 286, 334};
inline constexpr QRect kWorkList{318, 48, 460, 392};
inline constexpr int kTitleHeight = 26;
inline constexpr int kMenuButtonHeight = 38;

// A menu button that was used keeps purple bold italic text for the rest of the run.
void markUsed(QAbstractButton* button);
bool isMarkedUsed(const QAbstractButton* button);

}  // namespace rumbelo::degrees
