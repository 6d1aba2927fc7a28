#include "common/dialog/exit_confirmation.h"

#include <QLineEdit>
#include <QWidget>

#include "common/dialog/aviso.h"
#include "common/program/program.h"
#include "common/qt_text.h"

namespace rumbelo {

bool confirmExit(Program& program) {
    TForm4* dialog = program.dialog();
    if (dialog) {
        dialog->EditNombre->hide();
        if (!dialog->askQuestion(toQt(program.texts().trimmed(49)))) return false;
    }
    program.showScene();
    program.restoreDisplayMode();
    program.state().abortFlag = true;
    program.requestTerminate();
    return true;
}

}  // namespace rumbelo
