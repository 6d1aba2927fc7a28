#pragma once
// The help panel every section uses: a picture of the guide girl and a column of labels,
// filled one line at a time by a timer (200 ms in most sections) with a key click, while the
// girl moves. A form builds its panel and labels with its own names and hands them here.
#include <QLabel>
#include <QList>
#include <QObject>
#include <QTimer>

#include "common/guide/guide.h"

namespace rumbelo {

class GuidePanel : public QObject {
    Q_OBJECT
  public:
    // `timer` is the form's help timer (its objectName is the form's); its interval is kept.
    GuidePanel(Guide& guide, QLabel* picture, QList<QLabel*> labels, QTimer* timer,
               QObject* parent = nullptr);

    // The next run shows these lines. A panel that clicks on every tick (the scene's) says so.
    void setLines(const GuideLines& lines, bool clickEveryTick = false);
    // Clears the labels and starts from step 0.
    void start();
    // Stops the timer; the shared counters return to 0.
    void stop();
    bool running() const { return timer_->isActive(); }

  signals:
    void ticked(int step);
    void finished();

  private:
    void tick();

    Guide& guide_;
    QLabel* picture_;
    QList<QLabel*> labels_;
    QTimer* timer_;
    GuideLines lines_;
    bool clickEveryTick_ = false;
};

}  // namespace rumbelo
