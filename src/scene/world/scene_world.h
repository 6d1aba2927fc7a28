#pragma once
// The sprites of the animated world that the rules move or change, found by their role.
#include <array>
#include <vector>

#include "scene/rules/doors.h"
#include "scene/sprites/sprite.h"
#include "scene/world/building_table.h"

namespace rumbelo {

class TPlayerSprite;

struct SceneWorld {
    BackgroundSprite* background = nullptr;
    TPlayerSprite* player = nullptr;
    std::array<Sprite*, kBuildingPieces> pieces{};  // by table number - 1
    std::vector<Sprite*> decorations;

    Sprite* piece(int number) const { return pieces[number - 1]; }
    Sprite* topDoor(int i) const { return piece(piece::kTopDoor1 + i); }
    Sprite* bottomDoor(int i) const;  // i = 0, 1, 2 for bottom doors 1, 2, 3
    Sprite* miniMap() const { return piece(piece::kMiniMap); }
    Sprite* mapDot() const { return piece(piece::kMapDot); }
    Sprite* lens() const { return piece(piece::kLens); }
    Sprite* exitIcon() const { return piece(piece::kExitIcon); }
    Sprite* bubble() const { return piece(piece::kBubble); }
    Sprite* ceilingMask() const { return piece(piece::kCeilingMask); }

    DoorLayout doorLayout() const;
    static Box boxOf(const Sprite& s) { return {s.x, s.y, s.width, s.height}; }
};

}  // namespace rumbelo
