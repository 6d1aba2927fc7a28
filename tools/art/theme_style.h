#pragma once
// A theme's look as a small parameter file (art/themes/X.theme): its kind (which motifs the
// painters draw) and its named colours. Lines are "key = value"; "#" starts a comment.
#include <QColor>
#include <QHash>
#include <QString>

namespace rumbelo::art {

enum class ThemeKind { Flowers, Castle, Snow, Aztec, Prehistoric, Egyptian };

class ThemeStyle {
  public:
    // Throws std::runtime_error naming file and line on a malformed or incomplete file.
    static ThemeStyle load(const QString& path);

    QChar letter() const { return letter_; }
    ThemeKind kind() const { return kind_; }
    // A named colour; throws std::runtime_error naming the file when the key is missing.
    QColor colour(const QString& key) const;
    QString word(const QString& key) const;
    // A stable number to seed this theme's random details.
    quint32 seed() const { return static_cast<quint32>(letter_.unicode()) * 7919U; }

  private:
    QString path_;
    QChar letter_;
    ThemeKind kind_ = ThemeKind::Flowers;
    QHash<QString, QColor> colours_;
    QHash<QString, QString> words_;
};

}  // namespace rumbelo::art
