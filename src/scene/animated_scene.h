#pragma once
// The animated scene on its drawing surface: loads the lists, builds the sprite world, runs
// the frame step every 33 ms and turns clicks into walks and doors. What the frame asks for
// (a door reached, a zone entered, an icon clicked) it reports to the form by signals.
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <future>
#include <memory>

#include "common/lists/wave_list.h"
#include "scene/sprites/sprite_pictures.h"

namespace rumbelo {

class AnimatedWorld;
class DrawingSurface;
class Program;
class SceneTextPainter;
class SoundCues;

class AnimatedScene : public QObject {
    Q_OBJECT
  public:
    AnimatedScene(Program& program, QWidget* form);
    ~AnimatedScene() override;

    // Loads the lists and builds the world (steps 2 to 10). Throws when anything fails; the
    // form's guard then falls back to the static scene.
    void build(const QString& title);

    DrawingSurface* surface() const { return surface_; }
    QTimer* frameTimer() { return &TimerFrame; }
    AnimatedWorld& world() { return *world_; }
    // The scene picture with its white see-through, made on a worker thread once the surface
    // is first initialised; waits for it when not finished. Empty before.
    const QImage& helpPicture() const;
    int reveal() const;

    void setSounds(SoundCues* sounds) { sounds_ = sounds; }
    // Shows the surface, initialises it and starts the frames.
    void resume();
    // Hides the surface and stops the frames.
    void suspend();
    // One frame (the timer's tick); nothing while the surface cannot draw.
    void frameStep();
    // Frames drawn and flipped since the program started.
    int framesDrawn() const { return framesDrawn_; }

    QTimer TimerFrame;

  signals:
    void doorReached(int section);  // arrival, or a double click at a bottom door
    void leaveZoneEntered();
    void exitZoneEntered();
    void helpZoneEntered();
    void exitIconClicked();
    void lensClicked();

  private:
    void surfaceClicked(QPoint at);
    void surfaceDoubleClicked(QPoint at);
    void surfaceInitialized();

    Program& program_;
    QWidget* form_;
    QPointer<DrawingSurface> surface_;
    SoundCues* sounds_ = nullptr;
    SpritePictures pictures_;
    WaveList waves_;
    std::unique_ptr<AnimatedWorld> world_;
    std::unique_ptr<SceneTextPainter> texts_;
    int framesDrawn_ = 0;
    std::shared_future<QImage> helpPicture_;
    qint64 helpPictureSource_ = 0;  // the scene picture's cacheKey it was made from
};

}  // namespace rumbelo
