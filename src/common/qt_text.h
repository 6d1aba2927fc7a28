#pragma once
// Where Windows-1252 text meets Qt: widgets, printers and what the pupil types.
#include <QColor>
#include <QString>
#include <string>

#include "common/program/themes.h"

namespace rumbelo {

QString toQt(const std::string& cp1252);
// Unmappable characters become '?'.
std::string fromQt(const QString& text);
inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
inline Rgb toRgb(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

}  // namespace rumbelo
