#include "scene/section_launcher.h"

#include <QDialog>
#include <QWidget>

#include "common/program/program.h"
#include "common/program/section_entry.h"
#include "scene/rules/sections.h"
#include "scene/scene_form.h"

namespace rumbelo {

bool launchSection(Program& program, Tform0& scene, int section) {
    const auto target = sectionTarget(section);
    if (!target) return false;
    QWidget* form = program.form(
        QString::fromLatin1(target->form.data(), static_cast<qsizetype>(target->form.size())));
    if (!form) return false;
    auto* entry = dynamic_cast<SceneDoorEntry*>(form);
    if (entry && !entry->opensDoor(section)) return false;
    if (section == 11) program.state().assistantFlag = true;
    if (entry) entry->enterFromSceneDoor(section);
    if (target->modal) {
        if (auto* dialog = qobject_cast<QDialog*>(form)) {
            dialog->exec();
        } else {
            form->setWindowModality(Qt::ApplicationModal);
            form->show();
        }
        return true;
    }
    form->show();
    form->raise();
    scene.hide();
    return true;
}

}  // namespace rumbelo
