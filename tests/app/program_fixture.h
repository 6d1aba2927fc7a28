#pragma once
// A program folder for form and program tests: every file of the built program folder
// linked in, and small stand-ins crafted for the start-up files the build has not made yet.
#include <QPalette>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "app/startup.h"
#include "support/temp_folder.h"

class QWidget;

namespace rumbelo {
class TForm4;
}

namespace rumbelo::testing {

// The six themes by letter, for what every theme must pass.
inline constexpr std::array<const char*, 6> kThemeLetters = {"F", "C", "N", "A", "P", "E"};
// A data function's column "theme" (QString) with a row for each of them.
void addThemeRows();

// The contrast ratio between two colour roles of a widget's palette.
double contrastOf(const QWidget* widget, QPalette::ColorRole text, QPalette::ColorRole ground);

// The files the start-up itself needs for a static scene with theme F.
QStringList startupFilesForThemeF();

class ProgramFolder {
  public:
    ProgramFolder();
    QString path() const { return QString::fromStdString(folder_.path().string()); }
    void remove(const QString& name) const;
    void writeProfile(const std::string& schoolName, int language, const std::string& theme,
                      int animation) const;
    const TempFolder& folder() const { return folder_; }

  private:
    TempFolder folder_;
};

// Answers every yes/no question of the start-up with a fixed answer and counts them.
class ScriptedQuestions : public Questions {
  public:
    explicit ScriptedQuestions(bool answer) : answer_(answer) {}
    bool askYesNo(const QString& text) override {
        asked.append(text);
        return answer_;
    }
    QStringList asked;

  private:
    bool answer_;
};

struct StartedProgram {
    RecordingSink sink;
    ScriptedQuestions questions{false};
    std::unique_ptr<Program> program;
};

// Runs `act` on the shared dialog once it is open and modal (call it before the code
// that opens the dialog).
void whenDialogOpens(std::function<void(TForm4*)> act);

// Starts the program on a folder offscreen: no splash, a fixed 800x600 screen.
std::unique_ptr<StartedProgram> startOn(const QString& folder,
                                        std::vector<std::string> params = {});

}  // namespace rumbelo::testing
