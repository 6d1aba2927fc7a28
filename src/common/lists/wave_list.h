#pragma once
// Wave lists (".dxw" files): named sounds, each a complete RIFF WAVE file. The file layout is
// in docs/formats.md.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

#include "common/lists/list_error.h"

namespace rumbelo {

class WaveList {
  public:
    // Reads the whole file; false (and errorString()) when it is missing or damaged.
    bool load(const QString& path);
    bool loadFromBytes(const QByteArray& bytes, const QString& origin);
    const QString& errorString() const { return error_; }

    // The WAV bytes of that name, compared without regard to case.
    // Throws ListError when the list holds no such name.
    const QByteArray& wave(QStringView name) const;
    const QByteArray* find(QStringView name) const;
    bool contains(QStringView name) const { return find(name) != nullptr; }

    QStringList names() const;  // in file order

  private:
    struct Entry {
        QString name;
        QByteArray wav;
    };
    QString origin_;
    QString error_;
    std::vector<Entry> entries_;
    QHash<QString, int> index_;  // lower-case name -> position in entries_
};

}  // namespace rumbelo
