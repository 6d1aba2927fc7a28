#pragma once
// Colours and fonts of a section's controls, as the section forms give them.
#include <QString>

#include "common/program/themes.h"

class QWidget;

namespace rumbelo {

// Background (window, base and button roles) and text colour; the widget fills its ground.
void paintWidgetColours(QWidget* widget, Rgb background, Rgb text);
// A font of `family` at `pointSize` (never below 1).
void setWidgetFont(QWidget* widget, const QString& family, int pointSize, bool bold = false);

}  // namespace rumbelo
