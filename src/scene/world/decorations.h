#pragma once
// The theme's animated decorations: five torches (flags for the castle, butterflies for the
// flowers), plus two swords for the castle or two clowns for the snow.
#include <utility>
#include <vector>

#include "scene/sprites/sprite_image.h"

namespace rumbelo {

struct Decoration {
    const char* image;
    int x;
    int y;
    double speed;  // patterns per move count, looping
};

// In creation order: swords or clowns before the torches.
std::vector<Decoration> decorationsFor(char themeLetter);

}  // namespace rumbelo
