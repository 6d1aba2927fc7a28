#pragma once
// Small helpers the secondary form gives its controls their names, colours and fonts with.
#include <QRect>
#include <QString>

#include "common/program/themes.h"
#include "common/widgets/widget_paint.h"

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace rumbelo::secondary {

inline const QString kTimes = QStringLiteral("Times New Roman");
// The results page lines its ratings up in columns, as the printout does.
inline const QString kCourier = QStringLiteral("Courier New");
inline const QString kComic = QStringLiteral("Comic Sans MS");
inline constexpr Rgb kInk{0, 0, 0};

void paintWidget(QWidget* widget, Rgb background, Rgb text = kInk);
void setFontOf(QWidget* widget, const QString& family, int pointSize, bool bold = false);
// The same in pixels, for the sizes given as such.
void setPixelFontOf(QWidget* widget, const QString& family, int pixels, bool bold = false);

// Named controls at their places, hidden until the form shows them (panels and buttons).
using rumbelo::makeLabel;
using rumbelo::makePanel;
QPushButton* makeButton(QWidget* parent, const char* name, QRect where);

}  // namespace rumbelo::secondary
