#pragma once
// The words the animated scene writes over its sprites each frame: the signs and plates, the
// character's speech bubble, and at the entrance the title, the year, the school name and
// the credit line.
#include <QColor>
#include <QString>
#include <vector>

#include "scene/rules/sign_texts.h"

namespace rumbelo {

class AnimatedWorld;
class SurfaceCanvas;

struct SceneTextStyle {
    QColor highlight;    // the theme's highlight colour: signs
    QColor title;        // the theme's title colour: title, year, school name, credit
    int correction = 0;  // the large-fonts correction, added to every size
};

class SceneTextPainter {
  public:
    SceneTextPainter(std::vector<SignText> signs, QString title, QString schoolName,
                     SceneTextStyle style);
    void setCorrection(int correction) { style_.correction = correction; }
    // Steps 5 to 7 of a frame; advances the title reveal.
    void paint(SurfaceCanvas& canvas, AnimatedWorld& world);

  private:
    void paintSigns(SurfaceCanvas& canvas, AnimatedWorld& world);
    void paintBubble(SurfaceCanvas& canvas, const AnimatedWorld& world);
    void paintTitle(SurfaceCanvas& canvas, AnimatedWorld& world);

    struct Sign {
        SignText text;
        QString shown;
    };
    std::vector<Sign> signs_;
    QString title_;
    QString schoolName_;
    SceneTextStyle style_;
};

}  // namespace rumbelo
