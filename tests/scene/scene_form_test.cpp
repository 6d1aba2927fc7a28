// The scene form on a program folder offscreen: the animated scene's frames, a door walked
// into until its section launches, the help panel, and the static scene's door labels.
#include <QBuffer>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "common/hint/mon_hint.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/widgets/tiled_picture.h"
#include "program_fixture.h"
#include "scene/animated_scene.h"
#include "scene/door_label.h"
#include "scene/rules/sign_texts.h"
#include "scene/scene_form.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/static_overlay.h"
#include "scene/static_scene.h"
#include "scene/world/animated_world.h"
#include "scene/world/building_table.h"

using namespace rumbelo;
using namespace rumbelo::testing;

namespace {

// The animated scene needs a graphics level; offscreen there is none unless forced.
class ForcedGraphics {
  public:
    explicit ForcedGraphics(const char* level) { qputenv("RUMBELO_GRAPHICS", level); }
    ~ForcedGraphics() { qunsetenv("RUMBELO_GRAPHICS"); }
};

// A mouse move as the window system would deliver it (offscreen moves no real cursor).
void moveMouse(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

// Interface texts "t1".."t663", with the product title as text 5 and text 54 (the exit
// sign) as given.
void writeTexts(const ProgramFolder& folder, const std::string& exitSign = "t54") {
    folder.remove(QStringLiteral("textos"));
    std::string bytes;
    for (int k = 1; k <= 663; ++k)
        bytes += (k == 5    ? std::string("Rumbelo")
                  : k == 54 ? exitSign
                            : "t" + std::to_string(k)) +
                 "\r\n";
    folder.folder().write("textos", bytes);
}

Tform0* sceneOf(const StartedProgram& started) {
    return qobject_cast<Tform0*>(started.program->form(QStringLiteral("Tform0")));
}

// Frames until `done` holds, at most `limit`.
template <class Done>
bool framesUntil(AnimatedScene& scene, int limit, Done done) {
    for (int i = 0; i < limit; ++i) {
        scene.frameStep();
        if (done()) return true;
    }
    return false;
}

}  // namespace

class SceneFormTest : public QObject {
    Q_OBJECT
  private slots:
    void animatedSceneRunsFrames();
    void doubleClickOnABottomDoorWalksInAndLaunchesItsSection();
    void theLensOpensTheHelpPanelAndTheBackButtonResumes();
    void aDamagedListFallsBackToTheStaticScene();
    void aListLackingANameFallsBackWithoutItsSurface();
    void staticDoorLabelRunsTheDoorAndZoomTimersToTheLaunch();
    void staticLabelsTakeTheHoverColour();
    void aHintShowsWithinASecondAndTheNextOneAsQuickly();
    void jumpingBetweenLabelsLeavesOnlyTheLastHighlighted();
    void aSecondLabelDuringTheFirstDoorLaunchesOnceAndKeepsEveryHint();
    void aQuickClickOnTheLensOpensTheHelpAndTheNextFloorClickWalks();
    void zonesDoNotFireWhileADialogIsOpen();
    void theIntroWalkerBringsTheFirstBubbleThenTheSecond();
    void signWordsStayUnderTheMiniMap();
    void hangingBoardsHoldTheirWordsAndTheEntrancesShowsWhole_data();
    void hangingBoardsHoldTheirWordsAndTheEntrancesShowsWhole();
};

void SceneFormTest::animatedSceneRunsFrames() {
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES Las Encinas", 0, "F", 1);
    writeTexts(folder);
    auto started = startOn(folder.path());
    QVERIFY2(!started->program->aborted(),
             started->sink.messages.empty() ? "" : started->sink.messages[0].c_str());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene);
    QVERIFY(!started->program->state().staticScene);
    AnimatedScene* animated = scene->animated();
    QVERIFY(animated);
    QVERIFY(animated->surface()->isVisible());
    QVERIFY(animated->surface()->canDraw());
    QVERIFY(animated->frameTimer()->isActive());
    QCOMPARE(animated->frameTimer()->interval(), 33);
    QVERIFY(!scene->BotRetroce->isVisible());
    QVERIFY(!scene->staticScene()->LabelCarreras->isVisible());

    for (int i = 0; i < 40; ++i)
        animated->frameStep();
    const QImage& back = animated->surface()->backBuffer();
    // The floor fills the screen and the character stands in the middle.
    QVERIFY(back.pixel(20, 20) != qRgb(0, 0, 0));
    QVERIFY(back.pixel(400, 300) != back.pixel(20, 20));
    const SceneState& state = animated->world().state();
    QCOMPARE(state.character.rx, 60);
    QCOMPARE(state.character.ry, 0);
    // The title is being written letter by letter over the entrance.
    QVERIFY(state.title.shown() > 0);
}

void SceneFormTest::doubleClickOnABottomDoorWalksInAndLaunchesItsSection() {
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES Las Encinas", 0, "E", 1);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene && scene->animated());
    AnimatedScene& animated = *scene->animated();
    DrawingSurface* surface = animated.surface();
    const CharacterState& c = animated.world().state().character;
    animated.frameStep();

    // Up through the entrance's passage into the corridor, then right in front of door 2.
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(400, 20));
    QVERIFY(framesUntil(animated, 200, [&] { return c.dir.none(); }));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(400, 20));
    QVERIFY(framesUntil(animated, 200, [&] { return c.dir.none(); }));
    QVERIFY2(c.ry < -539 && c.ry > -708, qPrintable(QString::number(c.ry)));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(500, 299));
    QVERIFY(framesUntil(animated, 200, [&] { return c.dir.none(); }));
    QVERIFY2(c.rx > 110 && c.rx < 205, qPrintable(QString::number(c.rx)));

    // The door is just above: point at it, let a frame see the mouse there, double-click.
    const QPoint door(400, -485 - c.ry);  // world y -700: the mouse's world y is ry + sy - 215
    moveMouse(surface, door);
    QTest::mousePress(surface, Qt::LeftButton, {}, door);
    QTest::mouseRelease(surface, Qt::LeftButton, {}, door);
    animated.frameStep();
    QVERIFY(animated.world().state().over.bottom[1]);
    QSignalSpy launched(scene, &Tform0::sectionLaunched);
    QTest::mouseDClick(surface, Qt::LeftButton, {}, door);
    QVERIFY(animated.world().state().doors.bottomWalkIn);

    QVERIFY(framesUntil(animated, 200, [&] { return c.ry < -958; }));
    QTRY_COMPARE_WITH_TIMEOUT(launched.count(), 1, 3000);
    QCOMPARE(launched.at(0).at(0).toInt(), 7);  // bottom door 2: the professions section
    QVERIFY(launched.at(0).at(1).toBool());     // the questionnaire opens instead of the scene
    QVERIFY(started->program->form(QStringLiteral("Tprofe"))->isVisible());
    QVERIFY(!scene->isVisible());
    QVERIFY(animated.world().state().doors.bottomWalkOut);
}

void SceneFormTest::theLensOpensTheHelpPanelAndTheBackButtonResumes() {
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES Las Encinas", 0, "C", 1);
    writeTexts(folder);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene && scene->animated());
    AnimatedScene& animated = *scene->animated();
    DrawingSurface* surface = animated.surface();
    const QPoint lens(125, 525);
    moveMouse(surface, lens);
    animated.frameStep();
    QVERIFY(animated.world().state().over.lens);
    QTest::mouseClick(surface, Qt::LeftButton, {}, lens);
    QVERIFY(!animated.frameTimer()->isActive());
    QTRY_VERIFY_WITH_TIMEOUT(scene->PanelAyuda->isVisible(), 3000);
    QVERIFY(!surface->isVisible());
    QVERIFY(scene->BotRetroce->isVisible());
    const InterfaceTexts& texts = started->program->texts();
    QTRY_COMPARE_WITH_TIMEOUT(scene->LabelAyu5->text(), toQt(texts.trimmed(18)), 4000);
    QCOMPARE(scene->LabelAyu1->text(), toQt(texts.trimmed(14)));
    QCOMPARE(scene->LabelAyu3->text(), toQt(texts.trimmed(16)));
    QTRY_VERIFY_WITH_TIMEOUT(!scene->TimerAyuda.isActive(), 3000);
    QCOMPARE(scene->guide().counters().step, 0);

    QTest::mouseClick(scene->BotRetroce, Qt::LeftButton);
    QVERIFY(!scene->PanelAyuda->isVisible());
    QVERIFY(!scene->BotRetroce->isVisible());
    QVERIFY(surface->isVisible());
    QVERIFY(animated.frameTimer()->isActive());
}

void SceneFormTest::aDamagedListFallsBackToTheStaticScene() {
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES Las Encinas", 0, "F", 1);
    folder.remove(QStringLiteral("flor.DXG"));
    folder.folder().write("flor.DXG", "RDXG not really a list");
    auto started = startOn(folder.path());
    QVERIFY(!started->program->aborted());
    QCOMPARE(started->sink.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromLatin1(started->sink.messages[0].c_str()),
             QString::fromUtf8("No funcionar\xC3\xA1 la animaci\xC3\xB3n."));
    Tform0* scene = sceneOf(*started);
    QVERIFY(started->program->state().staticScene);
    QVERIFY(!started->program->state().introSound);
    QVERIFY(!scene->animated());
    QVERIFY(scene->mosaico->isVisible());
    QVERIFY(scene->staticScene()->LabelCarreras->isVisible());
    QVERIFY(scene->staticScene()->TimerAndar.isActive());
}

void SceneFormTest::aListLackingANameFallsBackWithoutItsSurface() {
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES Las Encinas", 0, "F", 1);
    // A readable theme list holding only the floor: the building cannot be made.
    QImage floor(8, 8, QImage::Format_ARGB32);
    floor.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    floor.save(&buffer, "PNG");
    QByteArray list("RDXG");
    const auto u16 = [&](int v) {
        list.append(char(v & 0xFF));
        list.append(char((v >> 8) & 0xFF));
    };
    u16(1);  // version
    u16(1);  // one item
    u16(0);  // no colours
    list.append(char(10));
    list.append("background");
    u16(8);
    u16(8);
    u16(1);
    u16(int(png.size()));
    u16(int(png.size()) >> 16);
    list.append(png);
    folder.remove(QStringLiteral("flor.DXG"));
    folder.folder().write("flor.DXG", list.toStdString());

    auto started = startOn(folder.path());
    QVERIFY(!started->program->aborted());
    QCOMPARE(started->sink.messages.size(), std::size_t{1});
    Tform0* scene = sceneOf(*started);
    QVERIFY(started->program->state().staticScene);
    QVERIFY(!scene->findChild<DrawingSurface*>());
    QVERIFY(scene->staticScene()->LabelCarreras->isVisible());
}

void SceneFormTest::staticDoorLabelRunsTheDoorAndZoomTimersToTheLaunch() {
    ProgramFolder folder;
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene && started->program->state().staticScene);
    StaticScene& s = *scene->staticScene();
    QVERIFY(s.TimerAndar.isActive());
    QVERIFY(!s.LabelCuesB->toolTip().isEmpty());
    const QString hint = s.LabelCuesB->toolTip();

    // The walker has brought the first bubble in; the door click takes it away.
    QTRY_VERIFY_WITH_TIMEOUT(s.Bocadillo1->isVisible(), 5000);
    QVERIFY(s.LabelBocadillo1->isVisible());
    QSignalSpy launched(scene, &Tform0::sectionLaunched);
    QTest::mouseClick(s.LabelCuesB, Qt::LeftButton);
    QVERIFY(!s.TimerAndar.isActive());
    QVERIFY(!s.TimerBocadillo.isActive());
    QVERIFY(s.TimerPuerta.isActive());
    QVERIFY(s.LabelCuesB->toolTip().isEmpty());
    QVERIFY(!s.Bocadillo1->isVisible());
    QVERIFY(!s.LabelBocadillo1->isVisible());
    // The door climbs over its label, then the zoom opens column 3 of the bottom row.
    QTRY_VERIFY_WITH_TIMEOUT(s.TimerZoom.isActive(), 2000);
    QCOMPARE(*s.overlay()->doorPosition(), QPoint(295 + 10, 420 - 4 * 15));
    QTRY_VERIFY_WITH_TIMEOUT(s.overlay()->zoomRect().has_value(), 1000);
    const QRect zoom = *s.overlay()->zoomRect();
    QVERIFY(zoom.left() < 2 * 134 && zoom.right() >= 3 * 134 - 1);
    QCOMPARE(zoom.top(), 305);
    QTRY_COMPARE_WITH_TIMEOUT(launched.count(), 1, 3000);
    QCOMPARE(launched.at(0).at(0).toInt(), 8);
    QCOMPARE(s.LabelCuesB->toolTip(), hint);
    QVERIFY(!s.TimerZoom.isActive());
}

void SceneFormTest::staticLabelsTakeTheHoverColour() {
    ProgramFolder folder;
    folder.writeProfile("IES", 0, "F", 0);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    StaticScene& s = *scene->staticScene();
    moveMouse(s.LabelFpS, QPoint(10, 10));
    QCOMPARE(s.LabelFpS->property("background").value<QColor>(), QColor(0, 128, 0));
    moveMouse(scene->mosaico, QPoint(5, 590));
    QCOMPARE(s.LabelFpS->property("background").value<QColor>(), QColor(Qt::black));
    QCOMPARE(s.LabelCentro->text(), QStringLiteral("IES"));
    QCOMPARE(s.LabelAno->text(), QStringLiteral("2008"));
}

void SceneFormTest::aHintShowsWithinASecondAndTheNextOneAsQuickly() {
    ProgramFolder folder;
    writeTexts(folder);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene && started->program->state().staticScene);
    auto* hints = scene->findChild<HintWatcher*>();
    QVERIFY(hints);
    StaticScene& s = *scene->staticScene();
    QElapsedTimer rest;
    rest.start();
    moveMouse(s.LabelCarreras, QPoint(20, 20));
    QTRY_VERIFY_WITH_TIMEOUT(hints->window()->isVisible(), 1000);
    QVERIFY(rest.elapsed() < 1000);
    QCOMPARE(hints->window()->text(), s.LabelCarreras->toolTip());
    QVERIFY(!hints->window()->text().isEmpty());
    rest.restart();
    moveMouse(s.LabelCat, QPoint(20, 20));
    QVERIFY(!hints->window()->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(hints->window()->isVisible(), 1000);
    QCOMPARE(hints->window()->text(), s.LabelCat->toolTip());
}

void SceneFormTest::jumpingBetweenLabelsLeavesOnlyTheLastHighlighted() {
    ProgramFolder folder;
    folder.writeProfile("IES", 0, "F", 0);
    auto started = startOn(folder.path());
    StaticScene& s = *sceneOf(*started)->staticScene();
    const QColor hover(0, 128, 0);
    moveMouse(s.LabelFpS, QPoint(10, 10));
    moveMouse(s.LabelIti, QPoint(10, 10));  // straight across, no mosaic between
    QCOMPARE(s.LabelFpS->property("background").value<QColor>(), QColor(Qt::black));
    QCOMPARE(s.LabelIti->property("background").value<QColor>(), hover);
    moveMouse(s.LabelDejar, QPoint(5, 5));
    QCOMPARE(s.LabelIti->property("background").value<QColor>(), QColor(Qt::black));
}

void SceneFormTest::aSecondLabelDuringTheFirstDoorLaunchesOnceAndKeepsEveryHint() {
    ProgramFolder folder;
    writeTexts(folder);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    StaticScene& s = *scene->staticScene();
    const QString first = s.LabelCuesB->toolTip();
    const QString second = s.LabelCuesE->toolTip();
    QSignalSpy launched(scene, &Tform0::sectionLaunched);
    QTest::mouseClick(s.LabelCuesB, Qt::LeftButton);
    QVERIFY(s.TimerPuerta.isActive());
    QTest::mouseClick(s.LabelCuesE, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(s.TimerZoom.isActive(), 2000);
    QTest::mouseClick(s.LabelCuesE, Qt::LeftButton);  // during the zoom as well
    QTRY_COMPARE_WITH_TIMEOUT(launched.count(), 1, 3000);
    QTest::qWait(1500);  // a second door would have opened by now
    QCOMPARE(launched.count(), 1);
    QCOMPARE(launched.at(0).at(0).toInt(), 8);
    QCOMPARE(s.LabelCuesB->toolTip(), first);
    QCOMPARE(s.LabelCuesE->toolTip(), second);
}

void SceneFormTest::aQuickClickOnTheLensOpensTheHelpAndTheNextFloorClickWalks() {
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES Las Encinas", 0, "C", 1);
    writeTexts(folder);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene && scene->animated());
    AnimatedScene& animated = *scene->animated();
    DrawingSurface* surface = animated.surface();
    moveMouse(surface, QPoint(400, 150));
    animated.frameStep();
    // The pointer reaches the lens and clicks before any frame has seen it there.
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(125, 525));
    QVERIFY(!animated.frameTimer()->isActive());
    QVERIFY(animated.world().state().character.dir.none());
    QTRY_VERIFY_WITH_TIMEOUT(scene->PanelAyuda->isVisible(), 3000);
    QTest::mouseClick(scene->BotRetroce, Qt::LeftButton);
    QVERIFY(surface->isVisible());
    // At once a click on the floor: a walk, not the help again.
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(400, 100));
    QVERIFY(animated.frameTimer()->isActive());
    QVERIFY(animated.world().state().character.dir.up);
    QTest::qWait(600);
    QVERIFY(!scene->PanelAyuda->isVisible());
    QVERIFY(surface->isVisible());
}

void SceneFormTest::zonesDoNotFireWhileADialogIsOpen() {
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES Las Encinas", 0, "F", 1);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene && scene->animated());
    AnimatedScene& animated = *scene->animated();
    QSignalSpy exits(&animated, &AnimatedScene::exitZoneEntered);
    QSignalSpy leaves(&animated, &AnimatedScene::leaveZoneEntered);
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QVERIFY(QApplication::activeModalWidget());
    CharacterState& c = animated.world().state().character;
    c.X = -200;  // walked into the exit zone while the question is open
    c.Y = 0;
    animated.frameStep();
    c.X = 1120;  // and into the leave zone
    c.Y = -900;
    animated.frameStep();
    dialog.hide();
    animated.frameStep();
    QCOMPARE(exits.count(), 0);
    QCOMPARE(leaves.count(), 0);
}

void SceneFormTest::theIntroWalkerBringsTheFirstBubbleThenTheSecond() {
    ProgramFolder folder;
    writeTexts(folder);
    auto started = startOn(folder.path());
    StaticScene& s = *sceneOf(*started)->staticScene();
    QVERIFY(s.TimerAndar.isActive());
    QVERIFY(!s.Bocadillo1->isVisible());
    // The walker crosses along y 190 from x 90 and stops; only then the first bubble.
    QTRY_VERIFY_WITH_TIMEOUT(s.overlay()->walkerPosition().has_value(), 1000);
    const int firstX = s.overlay()->walkerPosition()->x();
    QTRY_VERIFY_WITH_TIMEOUT(!s.TimerAndar.isActive(), 5000);
    QCOMPARE(s.overlay()->walkerPosition()->y(), 190);
    QVERIFY(s.overlay()->walkerPosition()->x() >= 250);
    QVERIFY(firstX < 250);
    QVERIFY(s.Bocadillo1->isVisible());
    QVERIFY(s.LabelBocadillo1->isVisible());
    QVERIFY(!s.labelBocadillo2->isVisible());
    QVERIFY(s.TimerBocadillo.isActive());
    // Three seconds on, the second text takes the bubble.
    QTRY_VERIFY_WITH_TIMEOUT(s.labelBocadillo2->isVisible(), 4000);
    QVERIFY(!s.LabelBocadillo1->isVisible());
    QVERIFY(s.Bocadillo1->isVisible());
    QVERIFY(!s.TimerBocadillo.isActive());
    const SceneTexts texts = buildSceneTexts(started->program->texts());
    QCOMPARE(s.labelBocadillo2->text(),
             toQt(texts.bubble2).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    QCOMPARE(s.LabelBocadillo1->text(),
             toQt(texts.bubble1).replace(QLatin1Char('\r'), QLatin1Char('\n')));
}

void SceneFormTest::signWordsStayUnderTheMiniMap() {
    ForcedGraphics graphics("9");
    // The exit sign's board passes under the mini-map and the icons as the character walks
    // up the entrance passage: with or without words, that corner looks the same.
    const auto corner = [](const std::string& words) {
        ProgramFolder folder;
        folder.writeProfile("IES", 0, "F", 1);
        writeTexts(folder, words);
        auto started = startOn(folder.path());
        Tform0* scene = sceneOf(*started);
        if (!scene || !scene->animated()) return QImage();
        AnimatedScene& animated = *scene->animated();
        CharacterState& c = animated.world().state().character;
        c.X = 0;
        c.Y = -245;
        for (int i = 0; i < 3; ++i)
            animated.frameStep();
        return animated.surface()->backBuffer().copy(0, 509, 155, 91);
    };
    const QImage withWords = corner("SALIR SALIR SALIR SALIR");
    const QImage without = corner(" ");
    QVERIFY(!withWords.isNull());
    QCOMPARE(withWords, without);
}

void SceneFormTest::hangingBoardsHoldTheirWordsAndTheEntrancesShowsWhole_data() {
    addThemeRows();
}

void SceneFormTest::hangingBoardsHoldTheirWordsAndTheEntrancesShowsWhole() {
    QFETCH(QString, theme);
    ForcedGraphics graphics("9");
    ProgramFolder folder;
    folder.writeProfile("IES", 0, theme.toStdString(), 1);
    auto started = startOn(folder.path());
    Tform0* scene = sceneOf(*started);
    QVERIFY(scene && scene->animated());
    AnimatedScene& animated = *scene->animated();
    animated.frameStep();
    AnimatedWorld& world = animated.world();
    const double camX = world.engine().cameraX;
    // The words measured as the frame paints them, on a scratch buffer.
    QImage scratch(8, 8, QImage::Format_ARGB32_Premultiplied);
    SurfaceCanvas canvas(scratch);
    const InterfaceTexts& texts = started->program->texts();
    const int correction = started->program->state().largeFontsCorrection;
    int checked = 0;
    for (const SignText& sign : signTexts(texts)) {
        const Sprite& board = *world.world().piece(sign.piece);
        if (kBuilding[static_cast<std::size_t>(sign.piece - 1)].image != std::string("rotulo2"))
            continue;
        canvas.setFont(QStringLiteral("times new roman"), sign.size + correction);
        const QString word = toQt(sign.text);
        const int width = canvas.textWidth(word);
        const int left = static_cast<int>(std::floor(board.x + camX));
        const int x = centredX(left, board.width, width) + sign.dx;
        // On the board's face, clear of its frame.
        QVERIFY2(x >= left + 8 && x + width <= left + board.width - 8,
                 qPrintable(QStringLiteral("%1: %2 wide from %3 on %4")
                                .arg(word)
                                .arg(width)
                                .arg(x - left)
                                .arg(board.width)));
        if (sign.piece == piece::kEntranceSignRight) {
            // On the first frame the board and its word lie inside the window.
            QVERIFY(left >= 0);
            QVERIFY2(left + board.width <= world.surfaceWidth(),
                     qPrintable(QStringLiteral("board ends at %1").arg(left + board.width)));
        }
        ++checked;
    }
    QCOMPARE(checked, 5);  // the entrance's, the passage's, the corridor's, the leave sign's two
}

QTEST_MAIN(SceneFormTest)
#include "scene_form_test.moc"
