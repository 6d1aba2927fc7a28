// The main block on a crafted program folder: what starts, what stops it, and what it says.
#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "common/dialog/aviso.h"
#include "common/dialog/exit_confirmation.h"
#include "common/qt_text.h"
#include "common/widgets/tiled_picture.h"
#include "program_fixture.h"
#include "scene/scene_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

// A screen of another size that lists a few modes and remembers every change asked of it.
class RecordingModes : public DisplayModes {
  public:
    explicit RecordingModes(DisplayMode current) : current_(current) {}
    DisplayMode current() const override { return current_; }
    std::vector<DisplayMode> listed() const override {
        return {{1024, 768, 32}, {800, 600, 16}, {800, 600, 32}, {640, 480, 32}};
    }
    bool apply(const DisplayMode& mode) override {
        applied.push_back(mode);
        current_ = mode;
        return true;
    }
    std::vector<DisplayMode> applied;

  private:
    DisplayMode current_;
};

struct ProgramOnScreen {
    RecordingSink sink;
    ScriptedQuestions questions;
    RecordingModes* modes = nullptr;
    std::unique_ptr<Program> program;
    ProgramOnScreen(const QString& folder, DisplayMode screen, bool answer) : questions(answer) {
        auto owned = std::make_unique<RecordingModes>(screen);
        modes = owned.get();
        StartOptions options;
        options.folder = folder;
        options.messages = &sink;
        options.questions = &questions;
        options.displayModes = std::move(owned);
        options.splash = false;
        program = startProgram(std::move(options));
    }
};

}  // namespace

class StartupProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void allFilesPresentStartsTheSceneWithoutAbort();
    void eachMissingStartupFileStopsWithItsMessage_data();
    void eachMissingStartupFileStopsWithItsMessage();
    void noProfileFileEndsTheProgramWithTheProfileMessage();
    void commandLineThemeAndLanguageOverrideTheProfile();
    void anUnknownThemeLetterStopsTheStart();
    void anotherScreenSizeIsOfferedEightHundredBySixHundredAndGetsItsModeBackAtExit();
    void refusingTheModeOrKeepingTheProgramChangesNothing();
};

void StartupProgramTest::allFilesPresentStartsTheSceneWithoutAbort() {
    ProgramFolder folder;
    auto started = startOn(folder.path());
    QVERIFY2(!started->program->aborted(),
             started->sink.messages.empty() ? "" : started->sink.messages[0].c_str());
    QVERIFY(started->sink.messages.empty());
    auto* scene = qobject_cast<Tform0*>(started->program->form(QStringLiteral("Tform0")));
    QVERIFY(scene);
    QVERIFY(started->program->form(QStringLiteral("TForm4")));
    QVERIFY(scene->isVisible());
    QCOMPARE(scene->size(), QSize(800, 600));
    // Offscreen there is no graphics level for animation: the static scene, with its back button.
    QVERIFY(started->program->state().staticScene);
    QVERIFY(scene->mosaico->isVisible());
    QVERIFY(scene->BotRetroce->isVisible());
    QCOMPARE(started->program->state().theme.letter, 'F');
    QVERIFY(started->questions.asked.isEmpty());  // the screen is already 800x600
}

void StartupProgramTest::eachMissingStartupFileStopsWithItsMessage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    const QString shared = QStringLiteral("Faltan ficheros. Vuelva a instalar Rumbelo");
    QTest::newRow("chica.bmp") << "chica.bmp" << shared;
    QTest::newRow("puntos3") << "puntos3" << shared;
    QTest::newRow("mapa") << "mapa"
                          << "Faltan ficheros";
    QTest::newRow("mapac") << "mapac"
                           << "Faltan ficheros";
    QTest::newRow("mapam") << "mapam"
                           << "Faltan ficheros";
    QTest::newRow("textos") << "textos"
                            << "Faltan ficheros (textos). Vuelva a instalar el programa";
    for (const char* silent : {"suelof", "rotuloa.bmp", "marcoAR", "marcoDE", "marcoIZ", "partef",
                               "arbol.bmp", "heli.bmp"})
        QTest::newRow(silent) << silent << QString();
}

void StartupProgramTest::eachMissingStartupFileStopsWithItsMessage() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    ProgramFolder folder;
    folder.remove(file);
    auto started = startOn(folder.path());
    QVERIFY(started->program->aborted());
    QVERIFY(!started->program->form(QStringLiteral("TForm4")) ||
            started->program->terminateRequested());
    if (message.isEmpty()) {
        QVERIFY(started->sink.messages.empty());
    } else {
        QVERIFY(!started->sink.messages.empty());
        QCOMPARE(QString::fromLatin1(started->sink.messages.front().c_str()), message);
    }
    auto* scene = started->program->form(QStringLiteral("Tform0"));
    QVERIFY(scene && !scene->isVisible());
}

void StartupProgramTest::noProfileFileEndsTheProgramWithTheProfileMessage() {
    ProgramFolder folder;
    folder.remove(QStringLiteral("clave8demo"));
    auto started = startOn(folder.path());
    QVERIFY(started->program->aborted());
    QCOMPARE(started->sink.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromLatin1(started->sink.messages[0].c_str()),
             QString::fromUtf8("El programa no funcionar\xC3\xA1 correctamente. Faltan ficheros. "
                               "Vuelva a instalarlo."));
    QCOMPARE(started->sink.beeps, 1);
}

void StartupProgramTest::commandLineThemeAndLanguageOverrideTheProfile() {
    ProgramFolder folder;
    folder.writeProfile("IES Los Olivos   ", 1, "C", 1);  // Catalan in the profile
    // Theme F from the command line; its pictures are in the folder, the castle's are not.
    auto started = startOn(folder.path(), {"Flores", "N", "0"});
    QVERIFY2(!started->program->aborted(),
             started->sink.messages.empty() ? "" : started->sink.messages[0].c_str());
    const ProgramState& state = started->program->state();
    QCOMPARE(state.theme.letter, 'F');
    QVERIFY(!state.language().flag);  // Spanish texts after all
    QCOMPARE(state.schoolName, std::string("IES Los Olivos"));
    QCOMPARE(state.textTable[0], std::string("textos"));
}

void StartupProgramTest::anUnknownThemeLetterStopsTheStart() {
    ProgramFolder folder;
    folder.writeProfile("IES", 0, "Z", 0);
    auto started = startOn(folder.path());
    QVERIFY(started->program->aborted());
}

void StartupProgramTest::
    anotherScreenSizeIsOfferedEightHundredBySixHundredAndGetsItsModeBackAtExit() {
    ProgramFolder folder;
    ProgramOnScreen run(folder.path(), {1024, 768, 32}, true);
    QVERIFY(!run.program->aborted());
    const InterfaceTexts& texts = run.program->texts();
    QCOMPARE(run.questions.asked,
             QStringList{toQt(texts.trimmed(253)) + QLatin1Char(' ') + toQt(texts.trimmed(254))});
    QCOMPARE(run.modes->applied, (std::vector<DisplayMode>{{800, 600, 32}}));
    QVERIFY(run.program->state().displayMode.changed);

    // Leaving while the program runs: "Sí" raises the abort flag and gives the screen back.
    whenDialogOpens([](TForm4* d) { QTest::keyClick(d, Qt::Key_Return); });
    QVERIFY(confirmExit(*run.program));
    QVERIFY(run.program->aborted());
    QVERIFY(run.program->terminateRequested());
    QCOMPARE(run.modes->applied.back(), (DisplayMode{1024, 768, 32}));
    QVERIFY(!run.program->state().displayMode.changed);
}

void StartupProgramTest::refusingTheModeOrKeepingTheProgramChangesNothing() {
    ProgramFolder folder;
    ProgramOnScreen refused(folder.path(), {1024, 768, 32}, false);
    QCOMPARE(refused.questions.asked.size(), 1);
    QVERIFY(refused.modes->applied.empty());
    whenDialogOpens([](TForm4* d) { QTest::keyClick(d, Qt::Key_Escape); });
    QVERIFY(!confirmExit(*refused.program));
    QVERIFY(!refused.program->aborted());  // "No": the program runs on
    QVERIFY(!refused.program->terminateRequested());
    QVERIFY(refused.modes->applied.empty());

    ProgramOnScreen right(folder.path(), {800, 600, 32}, true);
    QVERIFY(right.questions.asked.isEmpty());
    QVERIFY(right.modes->applied.empty());
}

QTEST_MAIN(StartupProgramTest)
#include "startup_program_test.moc"
