#pragma once
// The program's shared state: created by the start-up, handed to every form that needs it.
// Qt-free; the pictures that go with it live in SharedPictures.
#include <filesystem>
#include <optional>
#include <string>

#include "common/data/data_files.h"
#include "common/data/region_grids.h"
#include "common/data/tables.h"
#include "common/messages.h"
#include "common/program/shared_tables.h"
#include "common/program/start_settings.h"
#include "common/program/themes.h"
#include "common/texts/interface_texts.h"

namespace rumbelo {

struct DisplayModeMemo {
    bool changed = false;                  // the program switched the screen to 800x600
    int width = 0, height = 0, depth = 0;  // the mode to restore at exit
};

class ProgramState {
  public:
    ProgramState(std::filesystem::path folder, MessageSink& messages)
        : files(std::move(folder), messages, abortFlag) {}
    ProgramState(const ProgramState&) = delete;
    ProgramState& operator=(const ProgramState&) = delete;

    MessageSink& messages() const { return files.messages(); }
    Language& language() { return files.language(); }
    const Language& language() const { return files.language(); }

    bool abortFlag = false;
    bool sharedFilesFlag = false;  // "chica.bmp" or "puntos3" could not be loaded
    DataFiles files;

    std::string profileFileName;
    std::string schoolName;
    StartSettings settings;
    Theme theme;
    bool staticScene = true;
    bool introSound = true;
    DisplayModeMemo displayMode;
    int largeFontsCorrection = 0;  // 0, or -2 above 100 pixels per inch
    int processorMHz = 0;

    TextTable textTable;
    InterfaceTexts texts;
    std::optional<RegionGrids> regions;

    // Asked before a questionnaire report is printed or saved; cleared when a questionnaire
    // starts or is left. At most 45 characters.
    std::string studentName;
    // Set while the assistant opens the sections: their back buttons return to it.
    bool assistantFlag = false;
    // Tables the sections share (the catalogue reads what the other sections loaded).
    SharedTables tables;
};

}  // namespace rumbelo
