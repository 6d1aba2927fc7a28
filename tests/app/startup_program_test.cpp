// The main block on a crafted program folder: what starts, what stops it, and what it says.
#include <QApplication>
#include <QPushButton>
#include <QtTest>

#include "common/dialog/aviso.h"
#include "common/widgets/tiled_picture.h"
#include "program_fixture.h"
#include "scene/scene_form.h"

using namespace rumbelo;
using namespace rumbelo::testing;

class StartupProgramTest : public QObject {
    Q_OBJECT
  private slots:
    void allFilesPresentStartsTheSceneWithoutAbort();
    void eachMissingStartupFileStopsWithItsMessage_data();
    void eachMissingStartupFileStopsWithItsMessage();
    void noProfileFileEndsTheProgramWithTheProfileMessage();
    void commandLineThemeAndLanguageOverrideTheProfile();
    void anUnknownThemeLetterStopsTheStart();
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

QTEST_MAIN(StartupProgramTest)
#include "startup_program_test.moc"
