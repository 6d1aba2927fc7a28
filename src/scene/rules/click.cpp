#include "scene/rules/click.h"

#include <cmath>
#include <cstdlib>

namespace rumbelo {

void clickCharacter(CharacterState& c, int sx, int sy) {
    // The character's top-left goes where its centre would be under the cursor.
    c.tx = sx - 400 + c.rx;
    c.ty = sy - 300 + c.ry;
    c.dir.clear();
    if (sy != 300) {
        const double ratio = std::abs(sx - 400) / static_cast<double>(std::abs(sy - 300));
        c.angle = std::abs(roundWorld(std::atan(ratio) * 57));
    }
    const int a = c.angle;
    if (c.ty != c.ry) {
        bool& vertical = c.ty > c.ry ? c.dir.down : c.dir.up;
        if (a < 20) {
            vertical = true;
        } else if (a > 70) {
            c.dir.right = c.tx > c.rx;
            c.dir.left = c.tx < c.rx;
        } else if (c.tx != c.rx) {
            vertical = true;
            c.dir.right = c.tx > c.rx;
            c.dir.left = c.tx < c.rx;
        }
    }
    // The standing image of each direction set, in this order: the last one shows.
    if (c.dir.up) c.image = "manup01";
    if (c.dir.down) c.image = "mandown01";
    if (c.dir.right) c.image = "mander01";
    if (c.dir.left) c.image = "manizq01";
}

std::pair<double, double> markerPosition(const CharacterState& c, int sx, int sy) {
    return {sx + c.X - 360, sy + c.Y - 220};
}

}  // namespace rumbelo
