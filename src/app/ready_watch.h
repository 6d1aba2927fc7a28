#pragma once
// RUMBELO_QUIT_WHEN_READY=1: the program ends with status 0 once every form is created and the
// scene has painted its first frame, so that start-up can be timed as a whole process. No
// question is asked and a message ends the run with status 1.
#include <QObject>

#include "common/program/program.h"

namespace rumbelo {

bool quitWhenReadyRequested();

// Answers every question with "no"; each message goes to standard error and fails the run.
class UnattendedQuestions : public Questions {
  public:
    bool askYesNo(const QString& text) override;
};
class StderrMessages : public MessageSink {
  public:
    void show(const std::string& text) override;
};

// Watches the scene's paint events and ends the message loop after the first frame.
class ReadyWatch : public QObject {
  public:
    explicit ReadyWatch(Program& program);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Program& program_;
    bool done_ = false;
};

}  // namespace rumbelo
