#include "scene/rules/hud.h"

namespace rumbelo {

HudPlaces hudPlaces(double X, double Y, const HudSizes& sizes) {
    HudPlaces p;
    p.miniMap = {X - 373, Y + 294};
    // The mini-map is a plan of the building at 1/24 by 1/22, world (0, 0) at its (30, 70).
    p.mapDot = {p.miniMap.x + 30 + X / 24, p.miniMap.y + 70 + Y / 22};
    p.lens = {p.miniMap.x + sizes.miniMapWidth, p.miniMap.y};
    p.exitIcon = {p.lens.x, p.miniMap.y + sizes.lensHeight - 1};
    return p;
}

Point ceilingMaskPlace(double X, bool bottomWalkIn, int surfaceHeight) {
    constexpr int kTopWallTop = -1462;
    constexpr int kMiddleWallTop = -939;
    if (bottomWalkIn) return {X - 374, static_cast<double>(kMiddleWallTop - surfaceHeight + 20)};
    return {X - 374, static_cast<double>(kTopWallTop - surfaceHeight + 30)};
}

Point bubblePlace(double X, double Y) {
    return {X + 60, Y - 90};
}

Point cameraFor(double X, double Y, int surfaceWidth, int surfaceHeight) {
    return {surfaceWidth / 2.0 - X - kCharacterWidth / 2.0,
            surfaceHeight / 2.0 - Y - kCharacterHeight / 2.0};
}

}  // namespace rumbelo
