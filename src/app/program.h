#pragma once
// The running program: its shared state, the shared pictures, the platform services and
// every form, created once by the main block and alive until the process ends.
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "app/qt_messages.h"
#include "app/shared_pictures.h"
#include "platform/display_modes.h"

class QWidget;

namespace rumbelo {

class Tform0;
class TForm4;
class TBienvenida;

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
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The main block up to the message loop: shared units, splash, forms in their order.
    void start();

    ProgramState& state() { return *state_; }
    const ProgramState& state() const { return *state_; }
    const InterfaceTexts& texts() const { return state_->texts; }
    SharedPictures& pictures() { return pictures_; }
    Questions& questions() { return *questions_; }
    DisplayModes& displayModes() { return *displayModes_; }
    const std::vector<std::string>& params() const { return params_; }
    bool aborted() const { return state_->abortFlag; }

    // A file of the program folder, as a path Qt can open.
    QString path(const std::string& nameAsOpened) const;
    QString folder() const { return folder_; }

    // Forms by objectName ("Tform0", "TForm1", ...); nullptr when not created.
    QWidget* form(const QString& name) const;
    void adopt(QWidget* form);  // the program owns its forms
    Tform0* scene() const { return scene_; }
    TForm4* dialog() const { return dialog_; }
    TBienvenida* splash() const { return splash_; }
    void closeSplash();

    // "Ask the application to terminate": the message loop ends, or is never entered.
    void requestTerminate();
    bool terminateRequested() const { return terminateRequested_; }

    void restoreDisplayMode();

    // The hint delay the speech-bubble hints honour (30 s at start, 400 ms once one shows).
    int hintDelayMs = 30000;

  private:
    void startSharedUnits();
    void createForms();

    QString folder_;
    std::vector<std::string> params_;
    std::unique_ptr<MessageSink> ownMessages_;
    std::unique_ptr<Questions> ownQuestions_;
    std::unique_ptr<ProgramState> state_;
    Questions* questions_;
    std::unique_ptr<DisplayModes> displayModes_;
    SharedPictures pictures_;
    bool showSplash_;
    bool terminateRequested_ = false;

    std::vector<QWidget*> forms_;
    Tform0* scene_ = nullptr;
    TForm4* dialog_ = nullptr;
    TBienvenida* splash_ = nullptr;
};

// Starts the program on a folder without entering the message loop (tests use it).
std::unique_ptr<Program> startProgram(StartOptions options);

// main(): the whole program.
int runProgram(int argc, char** argv);

}  // namespace rumbelo
