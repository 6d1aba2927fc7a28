#include "key_value_file.h"

#include <QFile>
#include <QTextStream>

namespace rumbelo::art {

std::runtime_error fileError(const QString& path, int line, const QString& why) {
    return std::runtime_error(
        QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(why).toStdString());
}

void readKeyValues(const QString& path,
                   const std::function<void(int, const QString&, const QString&)>& entry) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(path.toStdString() + ": cannot be opened");
    QTextStream in(&file);
    int number = 0;
    while (!in.atEnd()) {
        ++number;
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) throw fileError(path, number, QStringLiteral("expected key = value"));
        entry(number, line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
}

}  // namespace rumbelo::art
