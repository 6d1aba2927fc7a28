#pragma once
// Everything the animated scene remembers between frames, reset when the scene is built.
#include "scene/rules/bubble_lines.h"
#include "scene/rules/character.h"
#include "scene/rules/doors.h"
#include "scene/rules/marker_steps.h"
#include "scene/rules/speed_class.h"
#include "scene/rules/title_reveal.h"
#include "scene/rules/zones.h"

namespace rumbelo {

struct SceneState {
    CharacterState character;
    DoorRequests doors;
    SceneZones zones;
    BubbleLines bubbleLines;  // empty lines when the character has nothing to say
    int mouseWorldX = 0;      // the cursor in world units, recomputed every frame
    int mouseWorldY = 0;
    MouseOver over;
    TitleReveal title;
    int mapDotFrames = 0;
    bool mapDotAlternate = false;
    int markerCounter = kMarkerCounterStart;
    SpeedClass speed = speedClassFor(1000);
};

}  // namespace rumbelo
