#include "app/ready_watch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/qt_text.h"
#include "scene/animated_scene.h"
#include "scene/scene_form.h"
#include "scene/sprites/drawing_surface.h"

namespace rumbelo {

bool quitWhenReadyRequested() {
    const char* value = std::getenv("RUMBELO_QUIT_WHEN_READY");
    return value && std::strcmp(value, "1") == 0;
}

bool UnattendedQuestions::askYesNo(const QString& text) {
    std::fprintf(stderr, "question answered no: %s\n", text.toUtf8().constData());
    return false;
}

void StderrMessages::show(const std::string& text) {
    std::fprintf(stderr, "message: %s\n", toQt(text).toUtf8().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

ReadyWatch::ReadyWatch(Program& program) : QObject(nullptr), program_(program) {
    QCoreApplication::instance()->installEventFilter(this);
}

// The animated scene's first frame is the surface painted after the frame loop drew into its
// back buffer; the static scene's is the scene window's own paint.
bool ReadyWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!done_ && event->type() == QEvent::Paint) {
        auto* scene = qobject_cast<Tform0*>(program_.scene());
        bool firstFrame = false;
        if (scene && scene->isStatic())
            firstFrame = watched == scene;
        else if (scene && scene->animated())
            firstFrame =
                qobject_cast<DrawingSurface*>(watched) && scene->animated()->framesDrawn() > 0;
        if (firstFrame) {
            done_ = true;
            // Ends after this paint has reached the screen.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace rumbelo
