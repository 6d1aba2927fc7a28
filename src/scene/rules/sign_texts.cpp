#include "scene/rules/sign_texts.h"

#include "scene/world/building_table.h"

namespace rumbelo {

std::vector<SignText> signTexts(const InterfaceTexts& texts) {
    const auto t = [&](int k) { return texts.trimmed(k); };
    std::vector<SignText> signs;
    // Two-line words sit as a pair around the middle of their board's face.
    for (int sign : {piece::kDoubleSignLower, piece::kDoubleSignUpper}) {
        signs.push_back({sign, t(42), -65, -9, 16});
        signs.push_back({sign, t(88), -65, 9, 16});
        signs.push_back({sign, t(42), 60, -9, 16});
        signs.push_back({sign, t(44), 60, 9, 16});
    }
    signs.push_back({piece::kLeaveSign, t(587), -10, -5, 14});
    signs.push_back({piece::kLeaveSign, t(588), -10, 11, 14});
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
    // The boards' faces: a plain board's fills its picture, a hanging board's hangs 10 below
    // its bar. The hanging boards are narrow enough for the entrance's right one to show whole
    // from the first frame, so its word is centred like the others.
    signs.push_back({piece::kEntranceSignLeft, t(54), 0, 0, 16});
    signs.push_back({piece::kEntranceSignRight, t(6), 0, 3, 14});
    signs.push_back({piece::kPassageSign, t(304), 0, 3, 14});
    // The hanging board is narrower than the plain one: its corridor line takes size 12.
    signs.push_back({piece::kCorridorSignLeft, t(511), 0, 3, 12});
    signs.push_back({piece::kCorridorSignRight, t(511), 0, 0, 14});
    return signs;
}

}  // namespace rumbelo
