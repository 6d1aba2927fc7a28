#pragma once
// Saving a pupil's results as a text file. The file is written beside the target under a
// temporary name and renamed over it only when complete: a full disk, a missing permission
// or a vanished folder leaves any earlier file untouched, and the pupil is told in Spanish
// that nothing was saved.
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace rumbelo {

class Program;

struct SaveOutcome {
    bool saved = false;
    QString error;  // why nothing was written, for the pupil; empty when saved
};

// Writes the lines (Windows-1252, CR LF) to path, atomically.
SaveOutcome writeResultsFile(const QString& path, const std::vector<std::string>& lines);

// Asks where to save (the save dialog proposes proposedName with extension "TXT" and asks
// before overwriting), writes the file and tells a failure through the program's messages.
// Returns true when the file was saved; false when the pupil cancelled or saving failed.
bool saveResultsFile(QWidget* parent, Program& program, const QString& proposedName,
                     const std::vector<std::string>& lines);

// The save dialog, replaceable so that tests choose the path: given the parent and the
// proposed name, it returns the chosen path or an empty string for a cancel.
using SaveNameChooser = std::function<QString(QWidget* parent, const QString& proposedName)>;
void setSaveNameChooser(SaveNameChooser chooser);  // an empty chooser restores the dialog

}  // namespace rumbelo
