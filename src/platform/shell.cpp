#include "platform/shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include "common/qt_text.h"

namespace rumbelo {

bool openWebAddress(const std::string& address) {
    const QUrl url(toQt(address), QUrl::StrictMode);
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    if (qEnvironmentVariableIsSet("RUMBELO_NO_BROWSER")) return true;
    return QDesktopServices::openUrl(url);
}

bool openProgramFile(const std::string& fileName) {
    const QFileInfo file(QDir::current(), toQt(fileName));
    if (!file.exists() || fileName.find('/') != std::string::npos) return false;
    return QProcess::startDetached(file.absoluteFilePath(), {});
}

void beep() {
    QApplication::beep();
}

}  // namespace rumbelo
