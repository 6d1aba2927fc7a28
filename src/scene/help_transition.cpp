#include "scene/help_transition.h"

#include <QPainter>

#include "scene/sprites/drawing_surface.h"

namespace rumbelo {

bool nextGrowingStep(GrowingRect& r, int reveal, int surfaceWidth) {
    if (r.width >= surfaceWidth) return false;
    const bool half = reveal > 30 && reveal <= 50;
    r.width += half ? 32 : 65;
    r.height += half ? 25 : 50;
    return true;
}

HelpTransition::HelpTransition(QObject* parent) : QObject(parent) {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, &HelpTransition::step);
}

void HelpTransition::run(DrawingSurface* surface, const QImage& picture, int reveal) {
    surface_ = surface;
    picture_ = picture;
    reveal_ = reveal;
    rect_ = GrowingRect{};
    timer_.start();
}

void HelpTransition::step() {
    QImage& back = surface_->backBuffer();
    {
        QPainter p(&back);
        const int h = std::min(rect_.height, back.height());
        p.drawImage(QRect(0, back.height() - h, rect_.width, h), picture_);
    }
    surface_->flip();
    if (!nextGrowingStep(rect_, reveal_, back.width())) {
        timer_.stop();
        emit finished();
    }
}

}  // namespace rumbelo
