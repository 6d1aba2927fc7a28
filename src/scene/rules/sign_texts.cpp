#include "scene/rules/sign_texts.h"

#include "scene/world/building_table.h"

namespace rumbelo {

std::vector<SignText> signTexts(const InterfaceTexts& texts) {
    const auto t = [&](int k) { return texts.trimmed(k); };
    std::vector<SignText> signs;
    for (int sign : {piece::kDoubleSignLower, piece::kDoubleSignUpper}) {
        signs.push_back({sign, t(42), -65, -21, 16});
        signs.push_back({sign, t(88), -65, 2, 16});
        signs.push_back({sign, t(42), 60, -21, 16});
        signs.push_back({sign, t(44), 60, 2, 16});
    }
    signs.push_back({piece::kLeaveSign, t(587), -10, -12, 14});
    signs.push_back({piece::kLeaveSign, t(588), -10, 5, 14});
    signs.push_back({piece::kPlateBottomDoor1, t(53), 0, -10, 16});
    signs.push_back({piece::kPlateBottomDoor1, t(88), 0, 10, 16});
    signs.push_back({piece::kPlateBottomDoor3, t(53), 0, -10, 16});
    signs.push_back({piece::kPlateBottomDoor3, t(44), 0, 10, 16});
    signs.push_back({piece::kPlateBottomDoor2, t(622), 0, -10, 16});
    signs.push_back({piece::kPlateBottomDoor2, t(623), 0, 10, 16});
    signs.push_back({piece::kPlateCorridorLeft, t(79), 0, 0, 16});
    signs.push_back({piece::kPlateCorridorRight, t(79) + " ESO", 0, 0, 16});
    const int topDoorTexts[] = {299, 103, 47, 21, 113, 229};
    for (int i = 0; i < 6; ++i)
        signs.push_back({piece::kPlateTopDoor1 + i, t(topDoorTexts[i]), 0, 0, 16});
    signs.push_back({piece::kEntranceSignLeft, t(54), 0, -6, 16});
    signs.push_back({piece::kEntranceSignRight, t(6), 0, -6, 14});
    signs.push_back({piece::kPassageSign, t(304), 0, -6, 14});
    signs.push_back({piece::kCorridorSignLeft, t(511), 0, -6, 14});
    signs.push_back({piece::kCorridorSignRight, t(511), 0, -6, 14});
    return signs;
}

}  // namespace rumbelo
