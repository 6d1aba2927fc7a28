#pragma once
// A small cartoon figure seen from the front of a top-down scene, turned to any of eight
// directions and posed along a walk cycle: the pupil of the scene and the guide girl are both
// drawn with it. Parts are placed in 3-D around the figure and drawn far to near.
#include <QColor>
#include <QImage>

namespace rumbelo::art {

struct FigureLook {
    // Proportions in pixels at the size drawn.
    double headRadius = 20;
    double torsoHeight = 50;
    double shoulderWidth = 30;
    double legLength = 62;
    double limbWidth = 10;
    // Colours.
    QColor skin, hair, top, topTrim, bottom, shoes, bag, bagStrap, outline;
    bool skirt = false;     // a skirt over the legs instead of trousers
    bool ponytail = false;  // long hair tied at the back
    bool backpack = false;  // a school bag on the back
};

struct FigurePose {
    double facing = 0;  // degrees: 0 towards the viewer, 90 to the right, 180 away, 270 left
    double phase = 0;   // walk cycle 0..1; 0 is the standing pose
    double stride = 1;  // 0 standing still, 1 a full step
    double wave = 0;    // 0..1 raises the right hand to wave
    bool mouthOpen = false;
};

// Draws the figure with its feet on (footX, footY) of `image`, with a soft floor shadow.
void drawFigure(QImage& image, double footX, double footY, const FigureLook& look,
                const FigurePose& pose);

}  // namespace rumbelo::art
