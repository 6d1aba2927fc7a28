#include "scene/animated_scene.h"

#include <QApplication>
#include <QPainter>
#include <future>
#include <stdexcept>

#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/sound/sound_cues.h"
#include "scene/rules/speed_class.h"
#include "scene/scene_text_painter.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/sprites/painter_sprite_canvas.h"
#include "scene/world/animated_world.h"

namespace rumbelo {

AnimatedScene::AnimatedScene(Program& program, QWidget* form) : program_(program), form_(form) {
    TimerFrame.setObjectName(QStringLiteral("TimerFrame"));
    TimerFrame.setInterval(33);
    connect(&TimerFrame, &QTimer::timeout, this, &AnimatedScene::frameStep);
}

AnimatedScene::~AnimatedScene() {
    // A world that failed half-way must not leave its surface over the static scene.
    delete surface_.data();
}

void AnimatedScene::build(const QString& title) {
    ProgramState& state = program_.state();
    const Theme& theme = state.theme;
    // The clock measurement mostly waits: it runs while the lists are read.
    auto measurement = std::async(std::launch::async, [] { return measureProcessorMHz(); });
    if (program_.pictures().scenePicture.isNull())
        throw std::runtime_error("the scene picture cannot be read");
    if (!pictures_.load(program_.path(std::string(kCommonSpriteList)),
                        program_.path(theme.sceneList), program_.path(theme.torchList)))
        throw std::runtime_error(pictures_.errorString().toStdString());
    if (!waves_.load(program_.path(theme.waveList)))
        throw std::runtime_error(waves_.errorString().toStdString());

    const auto mhz = measurement.get();
    state.processorMHz = mhz.value_or(0);
    const SpeedClass speed = speedClassForMeasurement(mhz);

    surface_ = new DrawingSurface(form_);
    surface_->setGeometry(0, 0, 800, 600);
    surface_->setColourTable(pictures_.list(SpriteList::Common).colourTable());
    surface_->setCursor(Qt::ArrowCursor);
    connect(surface_, &DrawingSurface::initializedSurface, this,
            &AnimatedScene::surfaceInitialized);
    connect(surface_, &DrawingSurface::finalizedSurface, &TimerFrame, &QTimer::stop);
    connect(surface_, &DrawingSurface::clicked, this, &AnimatedScene::surfaceClicked);
    connect(surface_, &DrawingSurface::wheeled, this, &AnimatedScene::surfaceClicked);
    connect(surface_, &DrawingSurface::doubleClicked, this, &AnimatedScene::surfaceDoubleClicked);

    world_ = std::make_unique<AnimatedWorld>(pictures_, state.texts, theme.letter, speed);
    // The pictures of the first frame decode while the other forms are made.
    pictures_.decodeAhead(firstFrameSprites(world_->engine(), 800, 600));
    texts_ = std::make_unique<SceneTextPainter>(
        signTexts(state.texts), title, toQt(state.schoolName),
        SceneTextStyle{toQColor(theme.colours.highlight), toQColor(theme.colours.title),
                       state.largeFontsCorrection});
}

int AnimatedScene::reveal() const {
    return world_ ? world_->state().speed.reveal : 0;
}

void AnimatedScene::resume() {
    // The large-fonts correction is known once the form has finished its creation.
    texts_->setCorrection(program_.state().largeFontsCorrection);
    surface_->show();
    surface_->raise();
    surface_->initialize();
}

void AnimatedScene::suspend() {
    TimerFrame.stop();
    surface_->hide();
    surface_->setCursor(Qt::ArrowCursor);
}

void AnimatedScene::surfaceInitialized() {
    TimerFrame.start();
    // The first frame as soon as the window can show it, not a frame interval later.
    QTimer::singleShot(0, this, &AnimatedScene::frameStep);
    // The help transition grows the scene picture over the screen, white left see-through.
    // The scene picture is made ready off the GUI thread: the first frame does not wait for it.
    const QImage& scenePicture = program_.pictures().scenePicture;
    if (!helpPicture_.valid() || helpPictureSource_ != scenePicture.cacheKey()) {
        helpPictureSource_ = scenePicture.cacheKey();
        helpPicture_ = std::async(std::launch::async, [picture = scenePicture] {
                           return surfaceFromPicture(picture, Qt::white);
                       }).share();
    }
}

const QImage& AnimatedScene::helpPicture() const {
    static const QImage none;
    return helpPicture_.valid() ? helpPicture_.get() : none;
}

void AnimatedScene::frameStep() {
    if (!surface_ || !surface_->canDraw()) return;
    ProgramState& state = program_.state();
    if (state.introSound) {
        state.introSound = false;
        // After this frame is on screen: starting the sound system takes a while.
        if (sounds_)
            if (const QByteArray* wave = waves_.find(u"inicio"))
                QTimer::singleShot(0, sounds_,
                                   [sounds = sounds_, wave] { sounds->playWave(*wave); });
    }
    const QPoint mouse = surface_->mousePosition();
    world_->move();
    surface_->fill(Qt::black);
    {
        QPainter painter(&surface_->backBuffer());
        PainterSpriteCanvas canvas(painter, pictures_, surface_->backBuffer().size());
        world_->draw(canvas);
    }
    {
        SurfaceCanvas canvas(surface_->backBuffer());
        texts_->paint(canvas, *world_);
    }
    // Behind an open dialog (the exit question, a section's) walking into a zone does nothing.
    const bool dialogOpen = QApplication::activeModalWidget() != nullptr;
    const FrameEvents events = world_->finishFrame(mouse.x(), mouse.y(), !dialogOpen);
    surface_->setCursor(events.handCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    surface_->flip();
    ++framesDrawn_;
    // What the frame asks for comes last: each may hide the scene or open a dialog.
    if (events.openLeave) emit leaveZoneEntered();
    if (events.askExit) emit exitZoneEntered();
    if (events.openHelp) emit helpZoneEntered();
    if (events.openSection) emit doorReached(*events.openSection);
}

void AnimatedScene::surfaceClicked(QPoint at) {
    // The icons under the click itself: the pointer may have reached them since the last frame.
    world_->pointAt(at.x(), at.y());
    switch (world_->clickTarget()) {
        case ClickTarget::ExitIcon:
            emit exitIconClicked();
            break;
        case ClickTarget::Help:
            emit lensClicked();
            break;
        case ClickTarget::Walk:
            world_->click(at.x(), at.y());
            break;
    }
}

void AnimatedScene::surfaceDoubleClicked(QPoint at) {
    world_->pointAt(at.x(), at.y());
    if (const auto openNow = world_->doubleClick()) emit doorReached(*openNow);
}

}  // namespace rumbelo
