#pragma once
// The scene form: the program's main window and its menu. Its creation also does the
// program's start-up work (school profile, command line, theme, interface texts, display
// mode, animated or static scene). The animated scene walks a character to the doors; the
// static scene offers the same doors as labels.
#include <QByteArray>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "common/guide/guide.h"
#include "scene/rules/scene_texts.h"

class QFrame;
class QLabel;
class QPushButton;

namespace rumbelo {

class AnimatedScene;
class GuidePanel;
class HelpTransition;
class Program;
class SoundCues;
class StaticScene;
class TiledPicture;

class Tform0 : public QWidget {
    Q_OBJECT
  public:
    explicit Tform0(Program& program);
    ~Tform0() override;

    // The creation steps; they stop early, with the abort flag set, when files are missing.
    void create();

    bool isStatic() const;
    const QByteArray& engineSoundImage() const { return engineSoundImage_; }

    // The guide girl and the sound cues every section's help panel shares.
    Guide& guide();
    SoundCues* sounds() const { return sounds_; }

    // The animated scene, or nullptr in the static scene.
    AnimatedScene* animated() const { return animated_.get(); }
    StaticScene* staticScene() const { return static_; }

    // The label handler of a door: the door and zoom transitions, then the section.
    void doorSequence(int section);
    // Opens the section at once (the end of the zoom, or "Dejar de estudiar").
    void launch(int section);

    TiledPicture* mosaico;  // the static scene's tiled floor
    QLabel* ImageTodo;      // the theme's scene picture, filling the window
    QPushButton* BotRetroce;
    QFrame* PanelAyuda;
    QLabel* chica;
    QLabel* LabelAyu1;
    QLabel* LabelAyu2;
    QLabel* LabelAyu3;
    QLabel* LabelAyu4;
    QLabel* LabelAyu5;
    QTimer TimerAyuda;

  signals:
    // A section was asked for: its number (kLeaveSection for "Dejar de estudiar"), and
    // whether its form exists and was shown.
    void sectionLaunched(int section, bool shown);

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildHelpPanel();
    bool readProfile();
    void applyCommandLineAndTheme();
    bool loadThemeBitmaps();
    void loadStaticSceneLists();
    bool loadInterfaceTexts();
    void applySceneTexts();
    void offerDisplayMode();
    bool animatedWorldAssetsPresent();
    bool buildAnimatedWorld();
    void becomeStatic(bool centre);
    void finishCreation();
    void sceneShownOrActivated();
    void abortStart();

    void openLeave();
    void exitZone();
    void openHelpPanel();
    void lensTransition();
    void backButtonClicked();

    Program& program_;
    QByteArray engineSoundImage_;
    int mosaicWidth_ = 0;
    int mosaicHeight_ = 0;
    SceneTexts sceneTexts_;
    SoundCues* sounds_ = nullptr;
    StaticScene* static_ = nullptr;
    std::unique_ptr<AnimatedScene> animated_;
    HelpTransition* helpTransition_ = nullptr;
    GuidePanel* helpPanel_ = nullptr;
};

// Creates the scene form and runs its creation.
QWidget* createSceneForm(Program& program);

}  // namespace rumbelo
