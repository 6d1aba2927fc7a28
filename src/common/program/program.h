#pragma once
// The running program as every form sees it: the shared state, the shared pictures, the
// guide girl, the platform services, the shared dialog and every form by its name. The main
// block (app/startup.h) creates it and the forms; it lives until the process ends.
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "common/guide/guide.h"
#include "common/program/program_state.h"
#include "common/program/qt_messages.h"
#include "common/program/shared_pictures.h"
#include "platform/display_modes.h"

class QWidget;

namespace rumbelo {

class TForm4;

struct StartOptions {
    QString folder;                              // the program folder with the data files
    std::vector<std::string> params;             // command-line parameters after the program name
    MessageSink* messages = nullptr;             // default: message boxes
    Questions* questions = nullptr;              // default: message boxes
    std::unique_ptr<DisplayModes> displayModes;  // default: the platform's
    bool splash = true;
};

class Program {
  public:
    explicit Program(StartOptions options);
    virtual ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    ProgramState& state() { return *state_; }
    const ProgramState& state() const { return *state_; }
    const InterfaceTexts& texts() const { return state_->texts; }
    SharedPictures& pictures() { return pictures_; }
    Questions& questions() { return *questions_; }
    DisplayModes& displayModes() { return *displayModes_; }
    const std::vector<std::string>& params() const { return params_; }
    bool aborted() const { return state_->abortFlag; }
    // The guide girl's frames: loaded by the scene, shown by every help panel.
    Guide& guide() { return guide_; }

    // A file of the program folder, as a path Qt can open.
    QString path(const std::string& nameAsOpened) const;
    QString folder() const { return folder_; }

    // Forms by objectName ("Tform0", "TForm1", ...); nullptr when not created.
    QWidget* form(const QString& name) const;
    void adopt(QWidget* form);  // the program owns its forms
    // The scene form the sections return to, and the shared dialog; nullptr before creation.
    QWidget* scene() const { return form(QStringLiteral("Tform0")); }
    TForm4* dialog() const;
    // Shows the scene again and brings it to the front (a section going back).
    void showScene() const;

    void setSplash(QWidget* splash) { splash_ = splash; }
    QWidget* splash() const { return splash_; }
    void closeSplash();

    // "Ask the application to terminate": the message loop ends, or is never entered.
    void requestTerminate();
    bool terminateRequested() const { return terminateRequested_; }

    void restoreDisplayMode();

    // The scene has read the profile, the command line and the interface texts: the language
    // is known, so loading that depends on nothing else may begin ahead of its forms.
    virtual void interfaceTextsReady() {}

    // The speech-bubble hints: the pause of a resting pointer before one shows, and how long
    // it stays up. The start-up's long value is the time a hint stays, never the wait for it.
    int hintDelayMs = 400;
    int hintHideMs = 30000;

  protected:
    QString folder_;
    std::vector<std::string> params_;
    std::unique_ptr<MessageSink> ownMessages_;
    std::unique_ptr<Questions> ownQuestions_;
    std::unique_ptr<ProgramState> state_;
    Questions* questions_;
    std::unique_ptr<DisplayModes> displayModes_;
    SharedPictures pictures_;
    Guide guide_;
    bool showSplash_;
    bool terminateRequested_ = false;

    std::vector<QWidget*> forms_;
    QWidget* splash_ = nullptr;
};

}  // namespace rumbelo
