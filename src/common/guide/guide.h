#pragma once
// The guide girl shared by every help panel: her eight frames (from the figure list), the
// shared frame bitmap a panel's picture shows, the shared step counters and the key click.
#include <QImage>
#include <QList>
#include <QString>

#include "common/guide/guide_steps.h"

namespace rumbelo {

class SoundCues;

class Guide {
  public:
    // `frameBitmap` is the program's shared bitmap; `sounds` may be null (silence).
    Guide(QImage& frameBitmap, SoundCues* sounds) : frameBitmap_(frameBitmap), sounds_(sounds) {}

    // Frames 0..7 from the figure list's "figura" item; false when the list is unreadable
    // (the panels then show no picture).
    bool loadFrames(const QString& figureListPath);
    const QList<QImage>& frames() const { return frames_; }
    // Copies frame i into the shared bitmap and returns it.
    const QImage& showFrame(int i);

    GuideCounters& counters() { return counters_; }
    SoundCues* sounds() const { return sounds_; }
    void setSounds(SoundCues* sounds) { sounds_ = sounds; }

  private:
    QImage& frameBitmap_;
    SoundCues* sounds_;
    QList<QImage> frames_;
    GuideCounters counters_;
};

}  // namespace rumbelo
