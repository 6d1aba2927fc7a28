#include "scene/sprites/sprite_pictures.h"

#include <algorithm>

namespace rumbelo {

bool SpritePictures::load(const QString& common, const QString& theme, const QString& torch) {
    const QString* paths[] = {&common, &theme, &torch};
    for (int i = 0; i < 3; ++i) {
        if (!lists_[i].load(*paths[i])) {
            error_ = lists_[i].errorString();
            return false;
        }
    }
    return true;
}

void SpritePictures::decodeAhead(const std::vector<Sprite*>& sprites) {
    std::vector<const ImageItem*> items;
    for (const Sprite* sprite : sprites)
        if (sprite->image().valid()) {
            const ImageItem* picture = &item(sprite->image());
            if (std::find(items.begin(), items.end(), picture) == items.end())
                items.push_back(picture);
        }
    decoder_.start(std::move(items));
}

SpriteImage SpritePictures::image(SpriteList which, std::string_view name) const {
    const QString qname = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    const ImageItem* item = list(which).find(qname);
    if (!item) throw MissingSpriteImage("no picture named " + std::string(name));
    auto it = ids_.find(item);
    if (it == ids_.end()) {
        it = ids_.insert(item, static_cast<int>(items_.size()));
        items_.push_back(item);
    }
    return SpriteImage{*it, item->width(), item->height(), item->patternCount()};
}

}  // namespace rumbelo
