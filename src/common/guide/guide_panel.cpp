#include "common/guide/guide_panel.h"

#include <QPixmap>

#include "common/qt_text.h"
#include "common/sound/sound_cues.h"

namespace rumbelo {

GuidePanel::GuidePanel(Guide& guide, QLabel* picture, QList<QLabel*> labels, QTimer* timer,
                       QObject* parent)
    : QObject(parent), guide_(guide), picture_(picture), labels_(std::move(labels)), timer_(timer) {
    connect(timer_, &QTimer::timeout, this, &GuidePanel::tick);
}

void GuidePanel::setLines(const GuideLines& lines, bool clickEveryTick) {
    lines_ = lines;
    clickEveryTick_ = clickEveryTick;
}

void GuidePanel::start() {
    for (QLabel* label : labels_)
        label->clear();
    guide_.counters().reset();
    timer_->start();
}

void GuidePanel::stop() {
    timer_->stop();
    guide_.counters().reset();
}

void GuidePanel::tick() {
    const GuideTick t = guideTick(guide_.counters(), lines_, clickEveryTick_);
    if (t.finished) {
        timer_->stop();
        emit finished();
        return;
    }
    if (t.label >= 0 && t.label < labels_.size()) labels_[t.label]->setText(toQt(t.text));
    if (t.click && guide_.sounds()) guide_.sounds()->KeyClick(true);
    if (picture_) picture_->setPixmap(QPixmap::fromImage(guide_.showFrame(t.frame)));
    emit ticked(t.frame);
}

}  // namespace rumbelo
