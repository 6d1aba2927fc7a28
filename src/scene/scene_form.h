#pragma once
// The scene form: the program's main window and its menu. Its creation also does the
// program's start-up work (school profile, command line, theme, interface texts, display
// mode, animated or static scene).
#include <QByteArray>
#include <QWidget>

class QLabel;
class QPushButton;

namespace rumbelo {

class Program;
class TiledPicture;

class Tform0 : public QWidget {
    Q_OBJECT
  public:
    explicit Tform0(Program& program);

    // The creation steps; they stop early, with the abort flag set, when files are missing.
    void create();

    bool isStatic() const;
    const QByteArray& engineSoundImage() const { return engineSoundImage_; }

    TiledPicture* mosaico;  // the static scene's tiled floor
    QLabel* ImageTodo;      // the theme's scene picture, filling the window
    QPushButton* BotRetroce;

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool readProfile();
    void applyCommandLineAndTheme();
    bool loadThemeBitmaps();
    bool loadInterfaceTexts();
    void offerDisplayMode();
    bool animatedWorldAssetsPresent();
    void becomeStatic(bool centre);
    void finishCreation();
    void sceneShownOrActivated();
    void abortStart();

    Program& program_;
    QByteArray engineSoundImage_;
    int mosaicWidth_ = 0;
    int mosaicHeight_ = 0;
};

// Creates the scene form and runs its creation.
QWidget* createSceneForm(Program& program);

}  // namespace rumbelo
