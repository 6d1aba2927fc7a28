#pragma once
// The forge's plan: every picture, image list and sound the program opens, in independent
// groups that can be rendered side by side. Nothing is cached between runs.
#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "theme_art.h"
#include "theme_style.h"

namespace rumbelo::art {

struct OutputFile {
    QString name;  // file name in the program folder, case as the program opens it
    QByteArray bytes;
};
using Outputs = std::vector<OutputFile>;

// The six theme letters in the order the forge renders them.
inline constexpr char kThemeLetters[] = {'F', 'C', 'N', 'A', 'P', 'E'};

class Forge {
  public:
    // Reads art/themes/X.theme for the six themes; throws std::runtime_error on a bad file.
    explicit Forge(QString artDir);
    ~Forge();

    const QString& artDir() const { return artDir_; }
    const ThemeArt& theme(char letter) const;

    // One theme's files: its scene list, tiles, scene picture, frame tiles it owns, its
    // decoration and leave sign when it has its own.
    Outputs themeFiles(char letter) const;
    // The top, right and left frame tiles a theme uses, drawn by the theme that owns the set.
    Outputs frameTiles(char letter) const;
    static char frameOwner(char letter);
    Outputs commonList() const;      // "segdxg1.DXG"
    Outputs torchLists() const;      // "antorcha.dxg", "antorchaf.dxg"
    Outputs guideFiles() const;      // "chica.bmp", the figure list, the static door list, bubble
    Outputs sharedPictures() const;  // "rotuloa.bmp", "heli.bmp"
    Outputs iconList() const;        // "iconos.DXG": the icons beside the sections' list rows
    Outputs sounds() const;          // the three wave lists, "tecla.wav", "motor.wav"

    // All groups, each a job returning its files.
    std::vector<std::function<Outputs()>> jobs() const;

  private:
    QString artDir_;
    std::map<char, ThemeStyle> styles_;
    std::map<char, std::unique_ptr<ThemeArt>> arts_;
};

// Renders every group on `threads` threads and writes the files into `outDir`. Returns the
// names written; throws std::runtime_error on the first failure.
std::vector<QString> buildAll(const Forge& forge, const QString& outDir, int threads);

}  // namespace rumbelo::art
