#include "program_fixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "common/dialog/aviso.h"
#include "common/program/contrast.h"
#include "common/program/school_profile.h"
#include "common/qt_text.h"
#include "common/text/cp1252.h"

namespace rumbelo::testing {
namespace {

void craftPicture(const QString& path, QColor colour, int w = 16, int h = 16) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "BMP");
}

void craftTexts(const std::filesystem::path& file) {
    std::string bytes;
    for (int k = 1; k <= 663; ++k) {
        std::string text = "t" + std::to_string(k);
        if (k == 49) text = utf8ToCp1252("¿Seguro que quieres salir?");
        if (k == 140) text = "No";
        if (k == 141) text = "S\xED";
        bytes += text + "\r\n";
    }
    std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace

void addThemeRows() {
    QTest::addColumn<QString>("theme");
    for (const char* letter : kThemeLetters)
        QTest::newRow(letter) << QString::fromLatin1(letter);
}

double contrastOf(const QWidget* widget, QPalette::ColorRole text, QPalette::ColorRole ground) {
    return contrastRatio(toRgb(widget->palette().color(text)),
                         toRgb(widget->palette().color(ground)));
}

QStringList startupFilesForThemeF() {
    return {"chica.bmp", "puntos3", "clave8demo",  "mapa",     "mapac",
            "mapam",     "suelof",  "rotuloa.bmp", "marcoAR",  "marcoDE",
            "marcoIZ",   "partef",  "arbol.bmp",   "heli.bmp", "textos"};
}

ProgramFolder::ProgramFolder() {
    namespace fs = std::filesystem;
    const fs::path built(RUMBELO_PROGRAM_DIR);
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(built, ec)) {
        if (!entry.is_regular_file() || entry.path().filename() == "rumbelo") continue;
        const fs::path target = folder_.path() / fs::relative(entry.path(), built);
        fs::create_directories(target.parent_path());
        fs::create_symlink(entry.path(), target, ec);
    }
    const QDir dir(path());
    const auto missing = [&](const char* name) { return !dir.exists(QLatin1String(name)); };
    const char* pictures[] = {"chica.bmp", "mapa",        "mapac",     "mapam",
                              "suelof",    "rotuloa.bmp", "marcoAR",   "marcoDE",
                              "marcoIZ",   "partef",      "arbol.bmp", "heli.bmp"};
    for (const char* name : pictures)
        if (missing(name)) craftPicture(dir.filePath(QLatin1String(name)), QColor(200, 180, 120));
    if (missing("puntos3")) folder_.write("puntos3", std::string(RegionGrids::kFileSize, '\0'));
    if (missing("textos")) craftTexts(folder_.path() / "textos");
    if (missing("clave8demo")) writeProfile("IES de prueba", 0, "F", 0);
}

void ProgramFolder::remove(const QString& name) const {
    std::filesystem::remove(folder_.path() / name.toStdString());
}

void ProgramFolder::writeProfile(const std::string& schoolName, int language,
                                 const std::string& theme, int animation) const {
    SchoolProfile profile{schoolName, static_cast<std::uint8_t>(animation),
                          static_cast<std::uint8_t>(language), theme};
    remove(QStringLiteral("clave8demo"));
    folder_.write("clave8demo", encodeSchoolProfile(profile));
}

std::unique_ptr<StartedProgram> startOn(const QString& folder, std::vector<std::string> params) {
    auto started = std::make_unique<StartedProgram>();
    StartOptions options;
    options.folder = folder;
    options.params = std::move(params);
    options.messages = &started->sink;
    options.questions = &started->questions;
    options.displayModes = std::make_unique<FixedDisplayMode>(DisplayMode{800, 600, 32});
    options.splash = false;
    started->program = startProgram(std::move(options));
    return started;
}

// Runs `act` on the shared dialog once it is open and modal.
void whenDialogOpens(std::function<void(TForm4*)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TForm4*>(QApplication::activeModalWidget());
        if (!dialog) {
            whenDialogOpens(act);
            return;
        }
        act(dialog);
    });
}

}  // namespace rumbelo::testing
