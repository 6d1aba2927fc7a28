#pragma once
// Image lists (".DXG" files): named pictures, each with one or more animation patterns of
// the same size, plus an optional colour table. The file layout is in docs/formats.md.
#include <QHash>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringView>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "common/lists/list_error.h"

namespace rumbelo {

// An item keeps its picture bytes and decodes them the first time one of its patterns is
// asked for: a scene list holds far more pictures than its first frame shows, and decoding
// them all was most of the start-up. The bytes are a PNG (version 1 lists) or the compressed
// pixels themselves (version 2, what the forge writes: inflating them costs a fraction of a
// PNG decode). The header's sizes are checked against the picture's own when the list is
// read, so only a damaged picture body can surface late (as a blank picture).
// An item is decoded once, by whichever thread asks first: a list may decode ahead on a
// thread of its own while the program goes on starting.
class ImageItem {
  public:
    ImageItem(QString name, QList<QImage> frames);
    enum class Encoding { Png, Pixels };
    ImageItem(QString name, int width, int height, int patterns, QByteArray picture,
              Encoding encoding = Encoding::Png);

    const QString& name() const { return name_; }  // as stored in the file
    int width() const { return width_; }
    int height() const { return height_; }
    int patternCount() const { return patterns_; }
    // Pattern i, counted modulo the pattern count, so an animation may count on freely.
    const QImage& frame(int i) const;
    // Decodes now, if no one has yet.
    void decodeOnce() const;

  private:
    void decode() const;

    QString name_;
    int width_ = 0;
    int height_ = 0;
    int patterns_ = 0;
    Encoding encoding_ = Encoding::Png;
    mutable QByteArray picture_;    // emptied once decoded
    mutable QList<QImage> frames_;  // ARGB32 premultiplied, transparent where nothing is drawn
    std::unique_ptr<std::once_flag> decoding_ = std::make_unique<std::once_flag>();
};

// Decodes items on a thread of its own, in the order given, while the program goes on;
// an item the program asks for first is decoded by the asking thread. Destroying the
// decoder stops it after the item in hand: it must go before the lists it reads.
class AheadDecoder {
  public:
    void start(std::vector<const ImageItem*> items);

  private:
    std::jthread thread_;
};

class ImageList {
  public:
    // Reads the whole file; false (and errorString()) when it is missing or damaged.
    bool load(const QString& path);
    // The same from bytes already read; `origin` names them in messages.
    bool loadFromBytes(const QByteArray& bytes, const QString& origin);
    const QString& errorString() const { return error_; }

    // The item of that name, compared without regard to case.
    // Throws ListError when the list holds no such name.
    const ImageItem& item(QStringView name) const;
    // The same, or nullptr when the list holds no such name.
    const ImageItem* find(QStringView name) const;
    bool contains(QStringView name) const { return find(name) != nullptr; }

    // Every item in file order (for contact sheets and checks).
    const std::vector<ImageItem>& items() const { return items_; }
    // The colour table (empty when the list has none); the common list carries 256 colours.
    const QList<QRgb>& colourTable() const { return colours_; }

  private:
    QString origin_;
    QString error_;
    std::vector<ImageItem> items_;
    QHash<QString, int> index_;  // lower-case name -> position in items_
    QList<QRgb> colours_;
};

}  // namespace rumbelo
