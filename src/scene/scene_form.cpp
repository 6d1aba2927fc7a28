#include "scene/scene_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <filesystem>

#include "common/data/readers.h"
#include "common/dialog/exit_confirmation.h"
#include "common/guide/guide_panel.h"
#include "common/hint/mon_hint.h"
#include "common/lists/image_list.h"
#include "common/program/program.h"
#include "common/qt_text.h"
#include "common/sound/sound_cues.h"
#include "common/widgets/skins.h"
#include "common/widgets/tiled_picture.h"
#include "platform/graphics_level.h"
#include "scene/animated_scene.h"
#include "scene/help_transition.h"
#include "scene/sprites/drawing_surface.h"
#include "scene/static_scene.h"

namespace rumbelo {
namespace {
constexpr int kEngineSoundLimit = 40000;

std::vector<std::string> folderEntries(const QString& folder) {
    std::vector<std::string> entries;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder.toStdString(), ec))
        entries.push_back(entry.path().filename().string());
    return entries;
}
}  // namespace

Tform0::Tform0(Program& program) : QWidget(nullptr, Qt::FramelessWindowHint), program_(program) {
    setObjectName(QStringLiteral("Tform0"));
    setWindowTitle(QStringLiteral("Rumbelo"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    ImageTodo = new QLabel(this);
    ImageTodo->setObjectName(QStringLiteral("ImageTodo"));
    ImageTodo->setScaledContents(true);

    mosaico = new TiledPicture(this);
    mosaico->setObjectName(QStringLiteral("mosaico"));
    mosaico->hide();

    static_ = new StaticScene(this, mosaico);
    static_->setVisible(false);
    connect(static_, &StaticScene::launchSection, this, &Tform0::launch);
    connect(static_, &StaticScene::leaveClicked, this, &Tform0::openLeave);

    helpTransition_ = new HelpTransition(this);
    connect(helpTransition_, &HelpTransition::finished, this, &Tform0::openHelpPanel);
    buildHelpPanel();

    BotRetroce = new QPushButton(this);
    BotRetroce->setObjectName(QStringLiteral("BotRetroce"));
    BotRetroce->setGeometry(528, 240, 129, 33);
    BotRetroce->setCursor(Qt::PointingHandCursor);
    BotRetroce->hide();
    connect(BotRetroce, &QPushButton::clicked, this, &Tform0::backButtonClicked);
}

Guide& Tform0::guide() {
    return program_.guide();
}

Tform0::~Tform0() = default;

// The help panel: the guide girl beside five lines, revealed by its timer.
void Tform0::buildHelpPanel() {
    PanelAyuda = new QFrame(this);
    PanelAyuda->setObjectName(QStringLiteral("PanelAyuda"));
    PanelAyuda->setGeometry(60, 120, 680, 360);
    PanelAyuda->setFrameShape(QFrame::Panel);
    PanelAyuda->setFrameShadow(QFrame::Raised);
    PanelAyuda->setLineWidth(3);
    PanelAyuda->setAutoFillBackground(true);
    QPalette green = PanelAyuda->palette();
    green.setColor(QPalette::Window, QColor(0, 128, 0));
    PanelAyuda->setPalette(green);
    PanelAyuda->hide();
    chica = new QLabel(PanelAyuda);
    chica->setObjectName(QStringLiteral("chica"));
    chica->setGeometry(30, 60, 112, 236);
    chica->setScaledContents(true);
    QList<QLabel*> labels;
    for (int i = 0; i < 5; ++i) {
        auto* label = new QLabel(PanelAyuda);
        label->setObjectName(QStringLiteral("LabelAyu%1").arg(i + 1));
        label->setGeometry(170, 40 + 56 * i, 290, 48);
        label->setWordWrap(true);
        QFont font(QStringLiteral("Comic Sans MS"));
        font.setPixelSize(17);
        label->setFont(font);
        labels.append(label);
    }
    LabelAyu1 = labels[0];
    LabelAyu2 = labels[1];
    LabelAyu3 = labels[2];
    LabelAyu4 = labels[3];
    LabelAyu5 = labels[4];
    TimerAyuda.setObjectName(QStringLiteral("TimerAyuda"));
    TimerAyuda.setInterval(200);
    helpPanel_ = new GuidePanel(program_.guide(), chica, labels, &TimerAyuda, this);
    connect(helpPanel_, &GuidePanel::ticked, this, [this] {
        PanelAyuda->show();
        PanelAyuda->raise();
        BotRetroce->show();
        BotRetroce->raise();
    });
}

bool Tform0::isStatic() const {
    return program_.state().staticScene;
}

void Tform0::abortStart() {
    program_.state().abortFlag = true;
    program_.requestTerminate();
}

// Steps 3 to 7: the school profile and its language.
bool Tform0::readProfile() {
    ProgramState& state = program_.state();
    state.profileFileName = findProfileFileName(folderEntries(program_.folder()));
    const auto bytes = state.files.read(state.profileFileName);
    const auto profile = bytes ? parseSchoolProfile(*bytes) : std::nullopt;
    if (!profile) {
        state.messages().beep();
        state.messages().show(
            "El programa no funcionar\xE1 correctamente. Faltan ficheros. Vuelva a instalarlo.");
        abortStart();
        return false;
    }
    state.schoolName = profile->schoolName;
    state.settings = settingsFromProfile(*profile);
    state.language() = state.settings.language;
    return true;
}

// Steps 9 to 11: the command line has the last word, then the theme table applies.
void Tform0::applyCommandLineAndTheme() {
    ProgramState& state = program_.state();
    applyCommandLine(state.settings, program_.params());
    state.language() = state.settings.language;
    if (const auto theme = themeFor(state.settings.themeLetter))
        state.theme = *theme;
    else
        state.theme = Theme{};
    applySkin(state.theme.skin);
}

// Step 12: the maps (one message each) and the theme's pictures (silently).
bool Tform0::loadThemeBitmaps() {
    ProgramState& state = program_.state();
    SharedPictures& pictures = program_.pictures();
    if (state.theme.letter == 0) {
        // A theme letter outside the six names no pictures at all.
        state.messages().show("Faltan ficheros");
        state.abortFlag = true;
    }
    const std::pair<const char*, QImage*> maps[] = {
        {"mapa", &pictures.mapa}, {"mapac", &pictures.mapac}, {"mapam", &pictures.mapam}};
    for (const auto& [name, image] : maps) {
        if (!state.files.exists(name)) {
            state.messages().show("Faltan ficheros");
            state.abortFlag = true;
            continue;
        }
        *image = loadBitmap(program_.path(name));
    }
    const Theme& theme = state.theme;
    const std::pair<const std::string*, QImage*> tiles[] = {
        {&theme.floorTile, &pictures.floorTile}, {&theme.leaveSign, &pictures.leaveSign},
        {&theme.frameTop, &pictures.frameTop},   {&theme.frameRight, &pictures.frameRight},
        {&theme.frameLeft, &pictures.frameLeft}, {&theme.mosaicTile, &pictures.mosaicTile}};
    for (const auto& [name, image] : tiles) {
        *image = loadBitmap(program_.path(*name));
        if (image->isNull()) state.abortFlag = true;
    }
    if (!theme.decoration.empty()) {
        pictures.decoration = loadBitmap(program_.path(theme.decoration));
        if (pictures.decoration.isNull()) state.abortFlag = true;
    }
    return !state.abortFlag;
}

// Step 13's pictures of the static scene and the guide: the figure list (the walker and the
// guide girl), the door list and the bubble. They belong with the scene; a missing one leaves
// its drawing out.
void Tform0::loadStaticSceneLists() {
    program_.guide().loadFrames(program_.path("figura.DXG"));
    QList<QImage> doorFrames;
    ImageList doors;
    if (doors.load(program_.path("puertas.DXG")))
        if (const ImageItem* door = doors.find(u"puerta"))
            for (int i = 0; i < door->patternCount(); ++i)
                doorFrames.append(door->frame(i));
    const SharedPictures& pictures = program_.pictures();
    static_->setPictures(pictures.leaveSign, pictures.decoration,
                         loadBitmap(program_.path("bocadillo.bmp")), pictures.mosaicTile,
                         program_.guide().frames(), doorFrames);
}

// Step 14: the interface texts, from the language folder when a language is chosen.
bool Tform0::loadInterfaceTexts() {
    ProgramState& state = program_.state();
    ReadTextsFile(state.files, state.files.localized("textos"), state.textTable);
    if (state.abortFlag) return false;
    state.texts.distribute(state.textTable);
    return true;
}

// Step 15: door captions and hints, the leave label, school name, year and bubble texts.
void Tform0::applySceneTexts() {
    const ProgramState& state = program_.state();
    sceneTexts_ = buildSceneTexts(state.texts);
    static_->setTexts(sceneTexts_, toQt(state.schoolName), state.theme.colours);
}

// Step 16: offer 800x600 when the screen is anything else.
void Tform0::offerDisplayMode() {
    DisplayModes& modes = program_.displayModes();
    const DisplayMode current = modes.current();
    if (!needsModeQuestion(current)) return;
    program_.state().messages().beep();
    const QString question = toQt(program_.texts().trimmed(253)) + QLatin1Char(' ') +
                             toQt(program_.texts().trimmed(254));
    if (!program_.questions().askYesNo(question)) return;
    const auto request = modeSwitchRequest(current, modes.listed());
    if (!request) return;
    auto& memo = program_.state().displayMode;
    memo = {true, current.width, current.height, current.depth};
    modes.apply(*request);
}

// Step 19's first test: the files the animated world is built from.
bool Tform0::animatedWorldAssetsPresent() {
    const ProgramState& state = program_.state();
    const Theme& theme = state.theme;
    for (const std::string& name : {theme.scenePicture, std::string(kCommonSpriteList),
                                    theme.sceneList, theme.torchList, theme.waveList}) {
        if (!state.files.exists(name)) return false;
    }
    return true;
}

// Step 19 inside its guard: any failure while the sprite world is built leaves the static
// scene, with a message.
bool Tform0::buildAnimatedWorld() {
    try {
        animated_ = std::make_unique<AnimatedScene>(program_, this);
        animated_->build(toQt(sceneTexts_.title));
    } catch (const std::exception&) {
        animated_.reset();
        return false;
    }
    DrawingSurface* surface = animated_->surface();
    surface->raise();
    connect(animated_.get(), &AnimatedScene::doorReached, this, &Tform0::doorSequence);
    connect(animated_.get(), &AnimatedScene::leaveZoneEntered, this, &Tform0::openLeave);
    connect(animated_.get(), &AnimatedScene::exitZoneEntered, this, &Tform0::exitZone);
    connect(animated_.get(), &AnimatedScene::helpZoneEntered, this, [this] {
        animated_->suspend();
        openHelpPanel();
    });
    connect(animated_.get(), &AnimatedScene::exitIconClicked, this, [this] { close(); });
    connect(animated_.get(), &AnimatedScene::lensClicked, this, &Tform0::lensTransition);
    program_.state().staticScene = false;
    return true;
}

// Step 20: the static scene: centred, the mosaic instead of the scene picture, the intro.
void Tform0::becomeStatic(bool centre) {
    program_.state().staticScene = true;
    program_.state().introSound = false;
    if (centre) {
        if (const QScreen* screen = QApplication::primaryScreen())
            move(screen->geometry().center() - rect().center());
    }
    ImageTodo->hide();
    mosaico->setGeometry(0, 0, 800, 600);
    mosaico->setTile(program_.pictures().mosaicTile);
    mosaico->show();
    mosaico->lower();
    if (animated_) {
        animated_->suspend();
        animated_->surface()->finalize();
    }
    static_->setVisible(true);
    static_->startIntro();
}

// Steps 21 to 23.
void Tform0::finishCreation() {
    ProgramState& state = program_.state();
    sounds_ = new SoundCues(program_.folder(), this);
    program_.guide().setSounds(sounds_);
    if (animated_) animated_->setSounds(sounds_);
    if (isStatic()) {
        BotRetroce->setText(toQt(state.texts.trimmed(222)));
        BotRetroce->show();
        BotRetroce->raise();
    } else {
        BotRetroce->setText(toQt(state.texts.trimmed(82)));
        BotRetroce->hide();
    }
    QPalette panel = PanelAyuda->palette();
    panel.setColor(QPalette::Window, toQColor(fixed_colours::kPanel));
    PanelAyuda->setPalette(panel);
    if (const QScreen* screen = QApplication::primaryScreen())
        state.largeFontsCorrection = screen->logicalDotsPerInch() > 100 ? -2 : 0;
    QFile motor(program_.path("motor.wav"));
    if (motor.open(QIODevice::ReadOnly)) engineSoundImage_ = motor.read(kEngineSoundLimit);
    sounds_->setEngineImage(engineSoundImage_);
    program_.hintHideMs = 30000;
    program_.hintDelayMs = 400;
    if (HintWatcher* hints = HintWatcher::install(program_.hintDelayMs, this))
        hints->setHidePause(program_.hintHideMs);
}

void Tform0::create() {
    ProgramState& state = program_.state();
    // Step 1.
    state.abortFlag = false;
    setFixedSize(800, 600);
    ImageTodo->setGeometry(0, 0, 800, 600);
    mosaico->setGeometry(0, 0, 800, 600);
    // Step 2.
    if (state.sharedFilesFlag) {
        abortStart();
        return;
    }
    if (!readProfile()) return;
    applyCommandLineAndTheme();
    state.staticScene = true;
    if (!loadThemeBitmaps()) {
        abortStart();
        return;
    }
    // Step 13.
    program_.pictures().heli = loadBitmap(program_.path("heli.bmp"));
    if (program_.pictures().heli.isNull()) state.abortFlag = true;
    mosaicWidth_ = program_.pictures().mosaicTile.width();
    mosaicHeight_ = program_.pictures().mosaicTile.height();
    loadStaticSceneLists();
    if (!loadInterfaceTexts()) {
        abortStart();
        return;
    }
    program_.interfaceTextsReady();
    applySceneTexts();
    setWindowTitle(QStringLiteral("Rumbelo"));
    offerDisplayMode();
    // Step 17.
    program_.pictures().scenePicture = loadBitmap(program_.path(state.theme.scenePicture));
    ImageTodo->setPixmap(QPixmap::fromImage(program_.pictures().scenePicture));
    ImageTodo->setGeometry(0, 0, 800, 600);
    // Step 18.
    const bool animated = wantsAnimatedScene(state.settings, graphicsLevel());
    if (animated && !animatedWorldAssetsPresent()) {
        abortStart();
        return;
    }
    // Step 19 or 20.
    if (!animated) {
        becomeStatic(true);
    } else if (!buildAnimatedWorld()) {
        state.messages().show("No funcionar\xE1 la animaci\xF3n.");
        becomeStatic(false);
    }
    finishCreation();
}

void Tform0::sceneShownOrActivated() {
    program_.closeSplash();
    if (program_.state().abortFlag) {
        close();
        return;
    }
    const bool helpOpen = PanelAyuda->isVisible() || helpPanel_->running();
    if (animated_ && !isStatic() && !helpOpen && !helpTransition_->running() &&
        !animated_->surface()->canDraw())
        animated_->resume();
}

void Tform0::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Back from a section: the door's drawings are gone, as a repaint would wipe them.
    if (isStatic() && !static_->TimerPuerta.isActive() && !static_->TimerZoom.isActive() &&
        !static_->TimerAndar.isActive())
        static_->clearDrawings();
    sceneShownOrActivated();
}

QWidget* createSceneForm(Program& program) {
    auto* scene = new Tform0(program);
    scene->create();
    return scene;
}

}  // namespace rumbelo
