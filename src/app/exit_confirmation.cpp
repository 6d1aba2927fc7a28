#include "app/exit_confirmation.h"

#include <QLineEdit>
#include <QWidget>

#include "app/aviso.h"
#include "app/program.h"
#include "common/qt_text.h"
#include "scene/scene_form.h"

namespace rumbelo {

bool confirmExit(Program& program) {
    TForm4* dialog = program.dialog();
    if (dialog) {
        dialog->EditNombre->hide();
        if (!dialog->askQuestion(toQt(program.texts().trimmed(49)))) return false;
    }
    if (Tform0* scene = program.scene()) {
        scene->show();
        scene->raise();
    }
    program.restoreDisplayMode();
    program.state().abortFlag = true;
    program.requestTerminate();
    return true;
}

}  // namespace rumbelo
