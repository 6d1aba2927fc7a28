#pragma once
// Where the building's sprites stand and where the walking character is stopped: the facts
// the scene's pictures must agree with. Sizes are derived from these in the tests, never
// copied from the forge.
namespace rumbelo::testing::world {

// Runs of "paredEx" along a wall row (x of each piece, left to right).
inline constexpr int kFrontRow[] = {-770, -513, -256, 1, 258, 515};

// "pared" (wall face with a passage) and the "paredUp" cap above it: x, y of the wall; y of
// its cap; x of the "paredEx" that follows it.
struct LongWall {
    int x, y, capY, nextPiece;
};
inline constexpr LongWall kMiddleWall{-400, -285, -416, 536};
inline constexpr LongWall kLeftCorridorWall{-868, -808, -939, 68};
inline constexpr LongWall kRightCorridorWall{325, -808, -939, 1262};
inline constexpr LongWall kTopLeftWall{-868, -1331, -1462, 68};
inline constexpr LongWall kTopRightWall{325, -1331, -1462, 1250};
// The "paredEx" that follow the right corridor wall on its row, out into the lost corridor,
// where walking down stops at that row (rule f) wherever the character goes.
inline constexpr int kCorridorRowRightBlocks[] = {1262, 1519};
inline constexpr int kShortCapX = 68;  // "paredUp2", ending where the next "pared" starts
inline constexpr int kShortCapNext = 325;

// The corridor north of the middle wall ends on the right where rule d stops the character
// (x above 869); a frame's walk is at most 0.25 x 66 units (the slowest speed class).
inline constexpr int kMiddleCorridorRightStop = 869;
inline constexpr int kLongestStep = 17;
// On the left, rule c stops it at x -469 over the whole band north of the middle wall.
inline constexpr int kMiddleCorridorLeftStop = -469;
inline constexpr int kCharacterLayer = 2;

// Walking up in a band stops as soon as the character's top passes this line (rule e).
inline constexpr int kMiddleBandTop = -185;

// A passage through a wall: the character's x while it may cross the wall line (vertical
// rule), and while it is inside the wall's thickness (side stops).
struct Passage {
    const LongWall* wall;
    int crossFrom, crossTo;  // inclusive range of x allowed to cross
    int sideFrom, sideTo;    // inclusive range of x the side stops keep it in
};
inline constexpr Passage kPassages[] = {
    {&kMiddleWall, -4, 89, 1, 84},                 // rules e and h
    {&kLeftCorridorWall, -486, -363, -469, -382},  // rules f, c and i
    {&kRightCorridorWall, 711, 834, 726, 820},     // rules f, i and d
};

// Side walls: "lateral1" over "lateral2" in each stack (x, upper y, lower y, next row top).
struct SideStack {
    int x, upperY, lowerY, rowBelow;
};
inline constexpr SideStack kSideStacks[] = {
    {-400, -357, -78, 107},  {400, -357, -78, 107},       {-670, -880, -601, -416},
    {950, -880, -601, -416}, {-1025, -1403, -1124, -939}, {1200, -1403, -1124, -939},
};
// Left walls' inner faces, from the stops: entrance hall (rule k), first corridor (rule c),
// upper hall (rule a).
inline constexpr int kLeftStops[][2] = {{-400, -229}, {-670, -469}, {-1025, -819}};
// The side wall with a passage in the upper hall, and the highest the character's feet get
// there (walking up stops when its top passes -1231, rule g).
inline constexpr int kPassageWallY = -1124;
inline constexpr int kUpperHallTopStop = -1231;

// Doors.
inline constexpr int kTopDoors[] = {-823, -475, -142, 372, 717, 1051};
inline constexpr int kTopDoorY = -1331;
inline constexpr int kBottomDoors[] = {-165, 100, 365};
inline constexpr int kBottomDoorY = -808;
inline constexpr int kTopPlates[] = {-858, -510, -177, 337, 682, 1016};  // over top doors 1-6
inline constexpr int kStatues[] = {-260, 558};
inline constexpr int kPedestals[] = {-308, 555};

// The first frame: the character stands at (60, 0) and the camera keeps it in the middle of
// the 800-wide screen; the entrance's right sign ("rotulo2") stands at x 380.
inline constexpr int kStartX = 60;
inline constexpr int kScreenWidth = 800;
inline constexpr int kEntranceSignRightX = 380;

// Screen: the mini-map's top is 509 on a 600-high screen; the lens sits beside it, the exit
// icon under the lens at lens top + lens height - 1.
inline constexpr int kScreenHeight = 600;
inline constexpr int kMiniMapTop = 509;
inline constexpr int kMaskMargin = 30;  // the ceiling mask's bottom edge below the hiding line

}  // namespace rumbelo::testing::world
