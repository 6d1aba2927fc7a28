#include "common/program/assistant_return.h"

#include <QWidget>

#include "common/program/program.h"

namespace rumbelo {

bool showAssistant(Program& program) {
    if (!program.state().assistantFlag) return false;
    QWidget* assistant = program.form(QStringLiteral("TForm5"));
    if (!assistant) return false;
    assistant->show();
    assistant->raise();
    assistant->activateWindow();
    return true;
}

void showAssistantOrScene(Program& program) {
    if (!showAssistant(program)) program.showScene();
}

}  // namespace rumbelo
