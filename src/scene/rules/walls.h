#pragma once
// The building's walls as the character's move enforces them. Each rule stops one walking
// direction and shows that direction's standing image. The letters name the rules in the
// order the move applies them: a-d outer walls, e-g the horizontal wall lines with their
// passages, h-k the side walls; then the floor and the arrival at the clicked target.
#include "scene/rules/character.h"

namespace rumbelo {

// a: far left wall; b: top floor's right half; c, d: the corridor's side walls.
void applyOuterWalls(CharacterState& c);
// e: the entrance hall's wall (passage -4..89); f: the corridor's wall (passages -486..-363
// and 711..834); g: the top wall, which has no passage.
void applyWallLines(CharacterState& c);
// h: the entrance passage's sides; i: the corridor passages' sides and the far right;
// j: a stop on the top floor; k: the entrance hall's sides.
void applySideWalls(CharacterState& c);
// Below y 79 the character cannot walk further down (its image stays).
void applyFloor(CharacterState& c);
// Stops the walk once the target is reached: 30 short of it vertically, 10 horizontally.
void applyArrival(CharacterState& c);

}  // namespace rumbelo
