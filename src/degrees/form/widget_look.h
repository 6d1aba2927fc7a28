#pragma once
// Small helpers the degrees form uses to give its controls their names, colours and fonts.
#include <QString>

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

// Background (and list base) colour, and optionally the text colour.
void paintWidget(QWidget* widget, Rgb background);
void paintWidget(QWidget* widget, Rgb background, Rgb text);
void paintText(QWidget* widget, Rgb text);
// Colours through a style sheet, for controls whose look the window skin sets (combo boxes,
// buttons): `selector` names the control's class.
void styleColours(QWidget* widget, const char* selector, Rgb background, Rgb text);
void setFontOf(QWidget* widget, const QString& family, int pointSize, bool bold = false);

// A named raised panel, hidden until the form shows it.
QFrame* makePanel(QWidget* parent, const char* name);
// A named button with the hand cursor.
QPushButton* makeButton(QWidget* parent, const char* name);
// A named label.
QLabel* makeLabel(QWidget* parent, const char* name);
// A named drop-down list with the hand cursor.
QComboBox* makeCombo(QWidget* parent, const char* name);

// A menu button that was used keeps purple bold italic text for the rest of the run.
void markUsed(QAbstractButton* button);
bool isMarkedUsed(const QAbstractButton* button);

}  // namespace rumbelo::degrees
