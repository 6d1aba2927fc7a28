#pragma once
// A click on the animated scene gives the character a target and its walking directions.
#include <utility>

#include "scene/rules/character.h"

namespace rumbelo {

// The screen point (sx, sy) of the 800x600 surface becomes the target; the directions follow
// from the angle of the click seen from the screen centre (400, 300): within 20 degrees of
// the vertical only up or down, beyond 70 only left or right, in between both. A click on row
// 300 keeps the previous angle and, being level with the character, sets no direction.
void clickCharacter(CharacterState& c, int sx, int sy);

// Where the selection marker of a click goes (its top-left corner, world units).
std::pair<double, double> markerPosition(const CharacterState& c, int sx, int sy);

}  // namespace rumbelo
