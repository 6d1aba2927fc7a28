#include "theme_style.h"

#include <QFile>
#include <QTextStream>
#include <stdexcept>

namespace rumbelo::art {
namespace {
std::runtime_error fileError(const QString& path, int line, const QString& why) {
    return std::runtime_error(
        QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(why).toStdString());
}

ThemeKind kindNamed(const QString& word, const QString& path, int line) {
    static const QHash<QString, ThemeKind> kinds = {{"flowers", ThemeKind::Flowers},
                                                    {"castle", ThemeKind::Castle},
                                                    {"snow", ThemeKind::Snow},
                                                    {"aztec", ThemeKind::Aztec},
                                                    {"prehistoric", ThemeKind::Prehistoric},
                                                    {"egyptian", ThemeKind::Egyptian}};
    const auto it = kinds.find(word);
    if (it == kinds.end()) throw fileError(path, line, "unknown kind \"" + word + "\"");
    return *it;
}
}  // namespace

ThemeStyle ThemeStyle::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(path.toStdString() + ": cannot be opened");
    ThemeStyle style;
    style.path_ = path;
    QTextStream in(&file);
    int number = 0;
    bool haveKind = false;
    while (!in.atEnd()) {
        ++number;
        // Colours start with "#" too, so only whole lines are comments.
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) throw fileError(path, number, "expected key = value");
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1).trimmed();
        if (style.colours_.contains(key) || style.words_.contains(key))
            throw fileError(path, number, "\"" + key + "\" given twice");
        if (key == QLatin1String("letter")) {
            if (value.size() != 1) throw fileError(path, number, "letter is one character");
            style.letter_ = value[0];
        } else if (key == QLatin1String("kind")) {
            style.kind_ = kindNamed(value, path, number);
            haveKind = true;
        } else if (value.startsWith('#')) {
            const QColor colour = QColor::fromString(value);
            if (!colour.isValid() || value.size() != 7)
                throw fileError(path, number, "colour is #rrggbb");
            style.colours_.insert(key, colour);
        } else {
            style.words_.insert(key, value);
        }
    }
    if (style.letter_.isNull() || !haveKind)
        throw std::runtime_error(path.toStdString() + ": letter and kind are required");
    return style;
}

QColor ThemeStyle::colour(const QString& key) const {
    const auto it = colours_.find(key);
    if (it == colours_.end())
        throw std::runtime_error(path_.toStdString() + ": no colour \"" + key.toStdString() + "\"");
    return *it;
}

QString ThemeStyle::word(const QString& key) const {
    const auto it = words_.find(key);
    if (it == words_.end())
        throw std::runtime_error(path_.toStdString() + ": no value \"" + key.toStdString() + "\"");
    return *it;
}

}  // namespace rumbelo::art
