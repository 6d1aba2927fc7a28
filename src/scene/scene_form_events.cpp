// The scene form's events: doors, the zones and icons of the animated scene, the help panel
// and the ways out.
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "common/dialog/exit_confirmation.h"
#include "common/guide/guide_panel.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "scene/animated_scene.h"
#include "scene/help_transition.h"
#include "scene/rules/sections.h"
#include "scene/scene_form.h"
#include "scene/section_launcher.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/static_scene.h"

namespace rumbelo {

void Tform0::doorSequence(int section) {
    static_->openDoor(section, !isStatic());
}

void Tform0::launch(int section) {
    const bool shown = launchSection(program_, *this, section);
    // A section not built yet opens nothing: the static scene wipes its door and zoom.
    if (!shown && isStatic()) static_->clearDrawings();
    emit sectionLaunched(section, shown);
}

// "Dejar de estudiar": the certificates, straight away. Without that section the scene stays.
void Tform0::openLeave() {
    const auto target = sectionTarget(kLeaveSection);
    if (target && program_.form(toQt(std::string(target->form))) && animated_) animated_->suspend();
    launch(kLeaveSection);
}

// Walking out through the entrance asks before leaving; "No" walks on.
void Tform0::exitZone() {
    QTimer& frames = *animated_->frameTimer();
    frames.stop();
    if (confirmExit(program_)) {
        close();
        return;
    }
    frames.start();
}

void Tform0::lensTransition() {
    if (helpTransition_->running()) return;  // a second click while the picture grows
    animated_->frameTimer()->stop();
    helpTransition_->run(animated_->surface(), animated_->helpPicture(), animated_->reveal());
}

void Tform0::openHelpPanel() {
    if (animated_) animated_->suspend();
    const InterfaceTexts& texts = program_.texts();
    helpPanel_->setLines(sceneGuideLines({texts.trimmed(14), texts.trimmed(15), texts.trimmed(16),
                                          texts.trimmed(17), texts.trimmed(18)}),
                         true);
    helpPanel_->start();
}

void Tform0::backButtonClicked() {
    if (isStatic()) {
        close();
        return;
    }
    helpPanel_->stop();
    BotRetroce->hide();
    PanelAyuda->hide();
    animated_->resume();
}

void Tform0::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) sceneShownOrActivated();
}

void Tform0::closeEvent(QCloseEvent* event) {
    // Once confirmed (by the exit zone, for one) the program is on its way out.
    if (program_.terminateRequested() || confirmExit(program_))
        event->accept();
    else
        event->ignore();
}

void Tform0::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace rumbelo
