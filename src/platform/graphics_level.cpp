#include "platform/graphics_level.h"

#include <QGuiApplication>
#include <QString>
#include <cstdlib>

namespace rumbelo {

int graphicsLevel() {
    if (const char* forced = std::getenv("RUMBELO_GRAPHICS")) {
        bool ok = false;
        const int level = QString::fromLatin1(forced).toInt(&ok);
        return ok ? level : 0;
    }
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return 0;
    return 9;
}

}  // namespace rumbelo
