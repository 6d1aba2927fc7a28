#pragma once
// Colours and fonts of a section's controls, as the section forms give them.
#include <QRect>
#include <QString>

#include "common/program/themes.h"

class QFrame;
class QImage;
class QLabel;
class QWidget;

namespace rumbelo {

// Background (window, base and button roles) and text colour; the widget fills its ground.
void paintWidgetColours(QWidget* widget, Rgb background, Rgb text);
// A font of `family` at `pointSize` (never below 1).
void setWidgetFont(QWidget* widget, const QString& family, int pointSize, bool bold = false);

// A label standing on the floor tile (a section's title, its year): `wanted`, or the
// nearest shade of it that reads on the tile's average colour by `minimum`, with a dark
// rim when it is the lighter of the two.
void paintFloorLabel(QLabel* label, Rgb wanted, const QImage& floorTile, double minimum);

// A raised two-pixel panel, hidden until its view shows it; and a plain label. Both carry
// `name` as their objectName.
QFrame* makePanel(QWidget* parent, const char* name, QRect where);
QLabel* makeLabel(QWidget* parent, const char* name, QRect where);

}  // namespace rumbelo
