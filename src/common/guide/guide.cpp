#include "common/guide/guide.h"

#include "common/lists/image_list.h"

namespace rumbelo {

bool Guide::loadFrames(const QString& figureListPath) {
    frames_.clear();
    ImageList list;
    if (!list.load(figureListPath)) return false;
    const ImageItem* figure = list.find(u"figura");
    if (!figure) return false;
    for (int i = 0; i < kGuideSteps; ++i)
        frames_.append(figure->frame(i));
    return true;
}

const QImage& Guide::showFrame(int i) {
    if (i >= 0 && i < frames_.size()) frameBitmap_ = frames_[i];
    return frameBitmap_;
}

}  // namespace rumbelo
