#include "theme_style.h"

#include <stdexcept>

#include "key_value_file.h"

namespace rumbelo::art {
namespace {
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
    ThemeStyle style;
    style.path_ = path;
    bool haveKind = false;
    readKeyValues(path, [&](int number, const QString& key, const QString& value) {
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
    });
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
