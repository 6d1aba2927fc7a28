#include "scene/world/building_table.h"

namespace rumbelo {
namespace {
constexpr SpriteList T = SpriteList::Theme;
constexpr SpriteList C = SpriteList::Common;
}  // namespace

// clang-format off
const std::array<BuildingPiece, kBuildingPieces> kBuilding = {{
    {"lateral1", T, -400, -357, 5, 39},      // 1 side wall
    {"lateral1", T, 400, -357, 5, 40},
    {"lateral2", T, -400, -78, -1, 41},
    {"lateral2", T, 400, -78, -1, 42},
    {"paredEx", T, 515, 107, 4, 55},          // 5 the front wall
    {"paredEx", T, 258, 107, 4, 56},
    {"paredEx", T, 1, 107, 4, 57},
    {"paredEx", T, -256, 107, 4, 58},
    {"paredEx", T, -513, 107, 4, 59},
    {"paredEx", T, -770, 107, 4, 60},         // 10
    {"pared", T, -400, -285, 0, 66},          // the entrance hall's wall
    {"paredUp", T, -400, -416, 4, 67},
    {"pared", T, -868, -808, 0, 69},          // the corridor's wall, left
    {"paredUp", T, -868, -939, 4, 70},
    {"lateral1", T, -670, -880, 5, 43},       // 15
    {"lateral1", T, 950, -880, 5, 44},
    {"lateral2", T, -670, -601, -1, 45},
    {"lateral2", T, 950, -601, -1, 46},
    {"paredEx", T, 68, -942, 0, 71},
    {"paredUp2", T, 68, -939, 4, 68},         // 20
    {"pared", T, 325, -808, 0, 80},           // the corridor's wall, right
    {"paredUp", T, 325, -939, 4, 81},
    {"paredEx", T, 68, -1462, 0, 72},
    {"paredEx", T, -1125, -1462, 0, 73},
    {"paredEx", T, -1382, -1462, 0, 74},      // 25
    {"paredEx", T, -1125, -939, 0, 78},
    {"paredEx", T, -1382, -939, 0, 79},
    {"pared", T, -868, -1331, 0, 84},         // the top wall, left
    {"paredUp", T, -868, -1462, 4, 85},
    {"pared", T, 325, -1331, 0, 82},          // 30 the top wall, right
    {"paredUp", T, 325, -1462, 4, 83},
    {"paredEx", T, -657, -416, 0, 61},
    {"paredEx", T, -914, -416, 0, 62},
    {"paredEx", T, 536, -416, 0, 63},
    {"paredEx", T, 793, -416, 0, 64},         // 35
    {"paredEx", T, 1050, -416, 0, 65},
    {"rotulo2", T, 1090, -990, 7, 16},        // the leave sign
    {"rotulo1", T, -320, 70, 5, 15},
    {"rotulo2", T, 380, 70, 5, 17},
    {"rotulo2", T, -90, -180, 2, 18},         // 40
    {"rotulo2", T, -545, -700, 6, 19},
    {"rotulo1", T, 855, -700, 5, 20},
    {"rotulos", T, -100, -470, 5, 21},
    {"puertaB", T, 100, -808, 0, 4},          // bottom door 2
    {"puertaB", T, -165, -808, 0, 5},         // 45 bottom door 1
    {"puertaB", T, 365, -808, 0, 6},          // bottom door 3
    {"faraon1", T, -260, -800, 2, 23},        // statue 1
    {"pedestal", T, -308, -673, 2, 13},
    {"faraon1", T, 558, -800, 2, 24},         // statue 2
    {"pedestal", T, 555, -673, 2, 14},        // 50
    {"puertab", T, -823, -1331, 2, 3},        // top doors 1..6
    {"puertab", T, -475, -1331, 2, 7},
    {"puertab", T, -142, -1331, 2, 8},
    {"puertab", T, 372, -1331, 2, 9},
    {"puertab", T, 717, -1331, 2, 10},        // 55
    {"puertab", T, 1051, -1331, 2, 12},
    {"lateral1", T, 195, -1403, 1, 48},      // under the character, always in front of it
    {"lateral1", T, 1200, -1403, 5, 53},
    {"lateral2", T, 1200, -1124, 5, 54},
    {"lateralPaso", T, 195, -1124, 1, 50},    // 60
    {"rotulos", T, 75, -1203, 6, 22},
    {"lateral1", T, -1025, -1403, 5, 47},
    {"lateral2", T, -1025, -1124, -1, 49},
    {"lateral1", T, -1025, -880, 5, 51},
    {"lateral2", T, -1025, -601, -1, 52},     // 65
    {"paredEx", T, 1250, -1462, 0, 75},
    {"paredEx", T, 1262, -939, 0, 76},
    {"paredEx", T, 1519, -939, 0, 77},
    {"lupa", C, -200, -1127, 3, 25},          // lens icon
    {"zoomC", T, -200, -1127, 3, 26},         // 70 mini-map
    {"diana", C, 50, 50, 5, 27},              // map dot
    {"puertaS", C, -200, -1187, -1, 11},      // exit icon
    {"tabla1", T, -198, -835, 5, 28},         // plates
    {"tabla1", T, 325, -835, 5, 37},
    {"tabla1", T, 63, -835, 5, 38},           // 75
    {"tabla1", T, -510, -850, 5, 29},
    {"tabla1", T, 680, -850, 5, 30},
    {"tabla1", T, -858, -1370, 5, 31},
    {"tabla1", T, -510, -1370, 5, 32},
    {"tabla1", T, -177, -1370, 5, 33},        // 80
    {"tabla1", T, 337, -1370, 5, 34},
    {"tabla1", T, 682, -1370, 5, 35},
    {"tabla1", T, 1016, -1370, 5, 36},
    {"bocadillo", T, 1030, -1376, 8, 86},     // speech bubble
    {"zoom", T, -700, -1462, 5, 87},          // 85 ceiling mask, y minus the surface height
}};

const std::array<BuildingPiece, kMendPieces> kMends = {{
    {"paredUp2", T, -657, -416, 4, 0},
}};
// clang-format on

int pieceY(const BuildingPiece& p, int surfaceHeight) {
    return &p == &kBuilding[piece::kCeilingMask - 1] ? p.y - surfaceHeight : p.y;
}

}  // namespace rumbelo
