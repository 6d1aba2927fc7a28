#pragma once
// The main block: the shared units' start, the splash and every form in its fixed order.
#include <memory>

#include "common/program/program.h"
#include "degrees/data/degrees_form_data.h"

namespace rumbelo {

class MainBlock : public Program {
  public:
    using Program::Program;
    // The main block up to the message loop: shared units, splash, forms in their order.
    void start();

    void interfaceTextsReady() override;

  private:
    void startSharedUnits();
    void createForms();

    // The degrees form's files, read on a worker thread while the scene and the forms
    // before the degrees form are built.
    std::unique_ptr<degrees::DegreesDataLoad> degreesLoad_;
};

// Starts the program on a folder without entering the message loop (tests use it).
std::unique_ptr<Program> startProgram(StartOptions options);

// main(): the whole program.
int runProgram(int argc, char** argv);

}  // namespace rumbelo
