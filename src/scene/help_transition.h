#pragma once
// The lens's transition to the help panel: the scene picture grows over the screen from the
// bottom-left corner, 65 wider and 50 taller each step, until it covers the width.
#include <QImage>
#include <QObject>
#include <QTimer>

namespace rumbelo {

class DrawingSurface;

// The rectangle of each step, from 1x1 until the width reaches the surface's; steps are
// halved for a reveal value between 31 and 50.
struct GrowingRect {
    int width = 1;
    int height = 1;
};
bool nextGrowingStep(GrowingRect& r, int reveal, int surfaceWidth);

class HelpTransition : public QObject {
    Q_OBJECT
  public:
    explicit HelpTransition(QObject* parent = nullptr);
    // Draws the steps on the surface's back buffer, one every 20 ms, flipping after each.
    void run(DrawingSurface* surface, const QImage& picture, int reveal);
    bool running() const { return timer_.isActive(); }

  signals:
    void finished();

  private:
    void step();

    QTimer timer_;
    DrawingSurface* surface_ = nullptr;
    QImage picture_;
    int reveal_ = 0;
    GrowingRect rect_;
};

}  // namespace rumbelo
