#include "common/program/program.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>

#include "common/dialog/aviso.h"
#include "common/qt_text.h"

namespace rumbelo {

Program::Program(StartOptions options)
    : folder_(options.folder),
      params_(std::move(options.params)),
      guide_(pictures_.frameBitmap, nullptr),
      showSplash_(options.splash) {
    MessageSink* messages = options.messages;
    if (!messages) {
        ownMessages_ = std::make_unique<MessageBoxSink>();
        messages = ownMessages_.get();
    }
    state_ = std::make_unique<ProgramState>(folder_.toStdString(), *messages);
    questions_ = options.questions;
    if (!questions_) {
        ownQuestions_ = std::make_unique<MessageBoxQuestions>(state_->texts);
        questions_ = ownQuestions_.get();
    }
    displayModes_ = options.displayModes ? std::move(options.displayModes) : makeDisplayModes();
}

Program::~Program() {
    // Forms go in the reverse order of their creation; the splash may already be gone.
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it)
        delete *it;
    delete splash_;
}

QString Program::path(const std::string& nameAsOpened) const {
    return QDir(folder_).filePath(toQt(nameAsOpened));
}

QWidget* Program::form(const QString& name) const {
    for (QWidget* form : forms_)
        if (form->objectName() == name) return form;
    return nullptr;
}

void Program::adopt(QWidget* form) {
    forms_.push_back(form);
}

TForm4* Program::dialog() const {
    return qobject_cast<TForm4*>(form(QStringLiteral("TForm4")));
}

void Program::showScene() const {
    if (QWidget* sceneForm = scene()) {
        sceneForm->show();
        sceneForm->raise();
    }
}

void Program::closeSplash() {
    if (splash_) splash_->close();
}

void Program::requestTerminate() {
    terminateRequested_ = true;
    QCoreApplication::quit();
}

void Program::restoreDisplayMode() {
    auto& memo = state_->displayMode;
    if (!memo.changed) return;
    const DisplayMode remembered{memo.width, memo.height, memo.depth};
    if (const auto target = restoreTarget(remembered, displayModes_->listed())) {
        displayModes_->apply(*target);
        memo.changed = false;
    }
}

}  // namespace rumbelo
