#pragma once
// The animated scene's three image lists as the sprite engine sees them: items looked up by
// name (without regard to case) are handed out as handles, and the pictures found again by
// handle when drawing.
#include <QHash>
#include <QString>
#include <array>
#include <vector>

#include "common/lists/image_list.h"
#include "scene/sprites/sprite.h"
#include "scene/sprites/sprite_image.h"

namespace rumbelo {

class SpritePictures : public SpriteImages {
  public:
    // Loads the common, theme and torch lists; false and errorString() when one fails.
    bool load(const QString& common, const QString& theme, const QString& torch);
    const QString& errorString() const { return error_; }
    // Decodes, on a thread of its own, the pictures of these sprites (the first frame's).
    void decodeAhead(const std::vector<Sprite*>& sprites);

    SpriteImage image(SpriteList list, std::string_view name) const override;
    const ImageItem& item(const SpriteImage& image) const { return *items_[image.id]; }
    const ImageList& list(SpriteList which) const { return lists_[static_cast<int>(which)]; }

  private:
    std::array<ImageList, 3> lists_;
    QString error_;
    // Handles are handed out on first lookup.
    mutable std::vector<const ImageItem*> items_;
    mutable QHash<const ImageItem*, int> ids_;
    AheadDecoder decoder_;  // last: it stops before the lists go
};

}  // namespace rumbelo
