#include "common/program/section_exit.h"

#include <QWidget>

#include "common/program/assistant_return.h"
#include "common/program/program.h"

namespace rumbelo {

SectionCaller callerFromFlag(const Program& program) {
    return program.state().assistantFlag ? SectionCaller::Assistant : SectionCaller::Scene;
}

void returnToCaller(Program& program, SectionCaller caller) {
    switch (caller) {
        case SectionCaller::Secondary:
            return;  // the secondary form is still on screen
        case SectionCaller::Assistant:
            if (showAssistant(program)) return;
            break;
        case SectionCaller::Scene:
            break;
    }
    program.showScene();
}

}  // namespace rumbelo
