#pragma once
// The character's walk: d world units along each direction it walks, with the ten frames of
// the matching series cycling every 30 moves.
#include "scene/rules/character.h"

namespace rumbelo {

// d = move count x speed factor.
void walkCharacter(CharacterState& c, double d);

// "manup", "mandoder", ...: the name of frame n (1..10) of a series is the prefix and two
// digits; frame 01 is also the standing image.
std::string frameName(const char* series, int frame);

}  // namespace rumbelo
