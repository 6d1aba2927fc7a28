#include "scene/scene_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <filesystem>

#include "app/exit_confirmation.h"
#include "app/program.h"
#include "app/skins.h"
#include "common/data/readers.h"
#include "common/qt_text.h"
#include "common/widgets/tiled_picture.h"
#include "platform/graphics_level.h"

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

    BotRetroce = new QPushButton(this);
    BotRetroce->setObjectName(QStringLiteral("BotRetroce"));
    BotRetroce->setGeometry(528, 240, 129, 33);
    BotRetroce->setCursor(Qt::PointingHandCursor);
    BotRetroce->hide();
    connect(BotRetroce, &QPushButton::clicked, this, [this] {
        if (isStatic()) close();
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

// Step 14: the interface texts, from the language folder when a language is chosen.
bool Tform0::loadInterfaceTexts() {
    ProgramState& state = program_.state();
    ReadTextsFile(state.files, state.files.localized("textos"), state.textTable);
    if (state.abortFlag) return false;
    state.texts.distribute(state.textTable);
    return true;
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

// Step 20: the static scene: centred, the mosaic instead of the scene picture.
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
}

// Steps 21 to 23.
void Tform0::finishCreation() {
    ProgramState& state = program_.state();
    if (isStatic()) {
        BotRetroce->setText(toQt(state.texts.trimmed(222)));
        BotRetroce->show();
    } else {
        BotRetroce->setText(toQt(state.texts.trimmed(82)));
        BotRetroce->hide();
    }
    if (const QScreen* screen = QApplication::primaryScreen())
        state.largeFontsCorrection = screen->logicalDotsPerInch() > 100 ? -2 : 0;
    QFile motor(program_.path("motor.wav"));
    if (motor.open(QIODevice::ReadOnly)) engineSoundImage_ = motor.read(kEngineSoundLimit);
    program_.hintDelayMs = 30000;
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
    if (!loadInterfaceTexts()) {
        abortStart();
        return;
    }
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
    // The animated building arrives with the sprite layer; until then the doors are offered
    // by the static scene.
    becomeStatic(true);
    finishCreation();
}

void Tform0::sceneShownOrActivated() {
    program_.closeSplash();
    if (program_.state().abortFlag) {
        close();
        return;
    }
}

void Tform0::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    sceneShownOrActivated();
}

void Tform0::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) sceneShownOrActivated();
}

void Tform0::closeEvent(QCloseEvent* event) {
    if (confirmExit(program_))
        event->accept();
    else
        event->ignore();
}

void Tform0::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

QWidget* createSceneForm(Program& program) {
    auto* scene = new Tform0(program);
    scene->create();
    return scene;
}

}  // namespace rumbelo
