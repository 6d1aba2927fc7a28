#pragma once
// The 85 sprites that make the building, in the order they receive image, position and layer.
// They are created in another order (`created`, counting the background as 1 and the
// character as 2), and the order matters: a sprite entering a layer goes under those already
// in it, and on layer 0 the creation order stands, which keeps the bottom doors over the walls.
#include <array>

#include "scene/sprites/sprite_image.h"

namespace rumbelo {

struct BuildingPiece {
    const char* image;
    SpriteList list;
    int x;
    int y;
    int layer;
    int created;
};

inline constexpr int kBuildingPieces = 85;
extern const std::array<BuildingPiece, kBuildingPieces> kBuilding;

// Pieces of our own, created after the table. The cap over the middle wall's block left of
// the entrance hall: the walk stops let the character reach x -469 north of that wall, but
// the table's cap starts at -400 and the block lies under him, so that he stood on its top.
inline constexpr int kMendPieces = 1;
extern const std::array<BuildingPiece, kMendPieces> kMends;

// Numbers (1-based, as in the table) of the pieces the scene's rules and texts refer to.
namespace piece {
inline constexpr int kLeaveSign = 37;
inline constexpr int kEntranceSignLeft = 38;
inline constexpr int kEntranceSignRight = 39;
inline constexpr int kPassageSign = 40;
inline constexpr int kCorridorSignLeft = 41;
inline constexpr int kCorridorSignRight = 42;
inline constexpr int kDoubleSignLower = 43;
inline constexpr int kBottomDoor2 = 44;
inline constexpr int kBottomDoor1 = 45;
inline constexpr int kBottomDoor3 = 46;
inline constexpr int kStatue1 = 47;
inline constexpr int kStatue2 = 49;
inline constexpr int kTopDoor1 = 51;  // top doors 1..6 are 51..56
inline constexpr int kDoubleSignUpper = 61;
inline constexpr int kLens = 69;
inline constexpr int kMiniMap = 70;
inline constexpr int kMapDot = 71;
inline constexpr int kExitIcon = 72;
inline constexpr int kPlateBottomDoor1 = 73;
inline constexpr int kPlateBottomDoor3 = 74;
inline constexpr int kPlateBottomDoor2 = 75;
inline constexpr int kPlateCorridorLeft = 76;
inline constexpr int kPlateCorridorRight = 77;
inline constexpr int kPlateTopDoor1 = 78;  // plates over top doors 1..6 are 78..83
inline constexpr int kBubble = 84;
inline constexpr int kCeilingMask = 85;
}  // namespace piece

// The ceiling mask's y is given relative to the surface height.
int pieceY(const BuildingPiece& piece, int surfaceHeight);

}  // namespace rumbelo
