#include "scene/rules/walk.h"

namespace rumbelo {

std::string frameName(const char* series, int frame) {
    std::string name = series;
    name += static_cast<char>('0' + frame / 10);
    name += static_cast<char>('0' + frame % 10);
    return name;
}

void walkCharacter(CharacterState& c, double d) {
    const Directions dir = c.dir;
    const bool horizontal = dir.left || dir.right;
    const bool vertical = dir.up || dir.down;
    const auto step = [&](double dx, double dy, const char* series) {
        c.X += dx;
        c.Y += dy;
        if (c.animStep >= 10 && c.animStep <= 64 && (c.animStep - 10) % 6 == 0)
            c.image = frameName(series, (c.animStep - 10) / 6 + 1);
        c.animStep += 2;
        if (c.animStep > 68) c.animStep = 10;
    };
    // Tested in this order; a click or a door leaves one of them applying.
    if (dir.up && !horizontal) step(0, -d, "manup");
    if (dir.up && dir.right) step(d, -d, "manupder");
    if (dir.up && dir.left) step(-d, -d, "manupizq");
    if (dir.down && !horizontal) step(0, d, "mandown");
    if (dir.down && dir.right) step(d, d, "mandoder");
    if (dir.down && dir.left) step(-d, d, "mandoizq");
    if (dir.right && !vertical) step(d, 0, "mander");
    if (dir.left && !vertical) step(-d, 0, "manizq");
}

}  // namespace rumbelo
