#pragma once
// Where the things that stay put on the screen go as the character walks: the mini-map with
// its dot, the lens and exit icons, the speech bubble, the ceiling mask and the camera.
#include "scene/rules/character.h"

namespace rumbelo {

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct HudSizes {
    int miniMapWidth = 0;
    int lensHeight = 0;
};

struct HudPlaces {
    Point miniMap, mapDot, lens, exitIcon;
};

HudPlaces hudPlaces(double X, double Y, const HudSizes& sizes);

// The ceiling mask hides everything above a line: the top wall's top, or during a bottom
// walk-in the middle wall's top, so that the character vanishes into the door it enters.
Point ceilingMaskPlace(double X, bool bottomWalkIn, int surfaceHeight);

Point bubblePlace(double X, double Y);

// The engine's camera offset that keeps the character in the middle of the surface.
Point cameraFor(double X, double Y, int surfaceWidth, int surfaceHeight);

}  // namespace rumbelo
