#pragma once
// The static scene: the doors as labels over the tiled mosaic, the "Dejar de estudiar" sign,
// the school name and year, the theme's decoration, a small walker that brings in two
// speech bubbles, and the door and zoom transitions that open a section.
#include <QImage>
#include <QList>
#include <QObject>
#include <QTimer>
#include <array>
#include <optional>

#include "common/program/themes.h"
#include "scene/rules/scene_texts.h"
#include "scene/rules/static_scene_steps.h"

class QLabel;

namespace rumbelo {

class DoorLabel;
class StaticOverlay;
class TiledPicture;

class StaticScene : public QObject {
    Q_OBJECT
  public:
    StaticScene(QWidget* form, TiledPicture* mosaic);

    // The pictures: the leave sign, the decoration, the bubble, the mosaic tile, the walker's
    // eight frames and the door's five.
    void setPictures(const QImage& leaveSign, const QImage& decoration, const QImage& bubble,
                     const QImage& mosaicTile, QList<QImage> walkerFrames,
                     QList<QImage> doorFrames);
    // Captions, hints, school name, year, bubble texts and colours.
    void setTexts(const SceneTexts& texts, const QString& schoolName, const ThemeColours& colours);

    // Shows or hides every control of the static scene.
    void setVisible(bool visible);
    void startIntro();
    // After a section: the screen as it was before the door's animations.
    void clearDrawings();

    // The door sequence of a label click, or of an arrival in the animated scene (which goes
    // straight to the zoom's last tick).
    void openDoor(int section, bool animated);
    int sectionNumber() const { return section_; }
    // The door label's hint comes back as the section opens.
    void restoreHint(int section);

    DoorLabel* doorLabel(int section) const;
    StaticOverlay* overlay() const { return overlay_; }

    std::array<DoorLabel*, kDoorLabels> doorLabels{};
    DoorLabel* LabelCarreras;
    DoorLabel* LabelCat;
    DoorLabel* LabelFpS;
    DoorLabel* LabelIti;
    DoorLabel* LabelFPM;
    DoorLabel* LabelFPip;
    DoorLabel* LabelProfe;
    DoorLabel* LabelCuesB;
    DoorLabel* LabelCuesE;
    DoorLabel* LabelAsistente;
    DoorLabel* ImageDejar;
    DoorLabel* LabelDejar;
    QLabel* LabelCentro;
    QLabel* LabelAno;
    QLabel* Imagefaraon;
    QLabel* Bocadillo1;
    QLabel* LabelBocadillo1;
    QLabel* labelBocadillo2;
    QTimer TimerAndar;      // the intro walker, 200 ms
    QTimer TimerBocadillo;  // the second bubble, 3 s after the first
    QTimer TimerPuerta;     // the door opening, 200 ms
    QTimer TimerZoom;       // the zoom, 100 ms

  signals:
    void launchSection(int section);
    void leaveClicked();

  private:
    void walkerTick();
    void bubbleTick();
    void doorTick();
    void zoomTick();
    void labelHovered(DoorLabel* label);
    void mosaicHovered();
    void paintLabel(DoorLabel* label, const QColor& background);
    void paintLeaveLabel(const QColor& colour);

    QWidget* form_;
    TiledPicture* mosaic_;
    StaticOverlay* overlay_;
    ThemeColours colours_;
    std::array<QString, kDoorLabels> hints_;
    QList<QImage> walkerFrames_;
    QList<QImage> doorFrames_;
    QImage mosaicTile_;
    IntroWalker walker_;
    std::optional<DoorOpening> door_;
    bool firstDoorTick_ = false;
    QPoint lastDoorAt_;
    int zoomStep_ = 0;
    int section_ = 0;
};

}  // namespace rumbelo
