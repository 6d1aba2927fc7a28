#include "common/texts/interface_texts.h"

#include <array>

#include "common/text/fixed_text.h"

namespace rumbelo {
namespace {

struct SlotRange {
    int first;
    int last;
    int length;
};

// Slot lengths by text number; numbers missing here have no slot.
constexpr SlotRange kSlots[] = {
    {1, 2, 15},     {3, 4, 25},     {5, 5, 22},     {6, 6, 10},     {7, 7, 11},     {8, 12, 10},
    {13, 13, 11},   {14, 18, 32},   {19, 19, 10},   {20, 20, 20},   {21, 28, 40},   {29, 29, 32},
    {30, 30, 30},   {31, 31, 10},   {32, 32, 40},   {33, 33, 15},   {34, 34, 18},   {35, 35, 30},
    {36, 38, 18},   {39, 39, 30},   {40, 41, 18},   {42, 42, 30},   {43, 46, 18},   {47, 47, 25},
    {48, 48, 18},   {49, 49, 25},   {50, 50, 18},   {51, 51, 15},   {52, 52, 18},   {53, 53, 30},
    {54, 54, 18},   {55, 55, 6},    {56, 66, 40},   {67, 67, 30},   {68, 74, 40},   {75, 75, 25},
    {76, 76, 50},   {77, 77, 55},   {78, 78, 20},   {79, 89, 40},   {90, 90, 10},   {91, 91, 50},
    {92, 97, 15},   {98, 98, 20},   {99, 102, 15},  {103, 103, 25}, {104, 110, 15}, {111, 111, 25},
    {112, 112, 15}, {113, 113, 20}, {114, 121, 15}, {122, 122, 20}, {123, 123, 15}, {124, 124, 30},
    {125, 125, 40}, {126, 141, 15}, {142, 145, 45}, {146, 152, 50}, {153, 153, 40}, {154, 162, 20},
    {163, 163, 75}, {164, 165, 45}, {166, 167, 60}, {168, 174, 45}, {175, 175, 10}, {176, 177, 45},
    {178, 178, 50}, {179, 187, 25}, {188, 188, 2},  {189, 189, 75}, {190, 190, 15}, {191, 199, 25},
    {200, 200, 30}, {201, 202, 55}, {203, 206, 25}, {207, 221, 25}, {222, 222, 10}, {223, 223, 30},
    {224, 224, 45}, {225, 228, 70}, {229, 229, 30}, {230, 231, 40}, {232, 239, 70}, {240, 240, 45},
    {241, 241, 15}, {242, 242, 25}, {243, 243, 40}, {244, 244, 35}, {245, 252, 25}, {253, 254, 35},
    {255, 262, 25}, {263, 263, 20}, {264, 265, 25}, {266, 266, 30}, {267, 268, 25}, {269, 270, 50},
    {271, 271, 30}, {272, 272, 40}, {273, 274, 35}, {275, 276, 15}, {277, 277, 20}, {278, 281, 15},
    {282, 282, 25}, {283, 283, 35}, {284, 284, 15}, {285, 287, 30}, {288, 288, 35}, {289, 294, 30},
    {295, 295, 40}, {296, 297, 30}, {298, 298, 10}, {299, 303, 30}, {304, 304, 10}, {305, 336, 30},
    {337, 337, 35}, {338, 345, 40}, {346, 465, 30}, {466, 479, 22}, {480, 483, 29}, {484, 484, 33},
    {485, 486, 22}, {487, 487, 40}, {488, 488, 30}, {489, 491, 22}, {492, 492, 27}, {493, 493, 35},
    {494, 498, 22}, {499, 499, 27}, {500, 500, 35}, {501, 501, 15}, {504, 510, 22}, {511, 511, 15},
    {512, 514, 10}, {554, 554, 10}, {555, 555, 22}, {556, 556, 40}, {557, 557, 25}, {558, 561, 30},
    {562, 575, 35}, {576, 576, 20}, {577, 577, 40}, {578, 578, 30}, {579, 579, 25}, {580, 580, 35},
    {581, 582, 25}, {583, 583, 12}, {584, 584, 30}, {585, 585, 50}, {586, 586, 22}, {587, 588, 15},
    {589, 589, 25}, {590, 591, 10}, {592, 592, 22}, {593, 593, 20}, {594, 594, 30}, {595, 595, 50},
    {596, 596, 45}, {597, 597, 35}, {598, 600, 15}, {601, 601, 35}, {602, 602, 50}, {603, 621, 25},
    {622, 623, 20}, {624, 624, 25}, {625, 626, 20}, {627, 628, 25}, {629, 629, 35}, {630, 630, 40},
    {631, 631, 35}, {632, 639, 65}, {640, 641, 30}, {642, 650, 65}, {651, 652, 30}, {653, 659, 15},
    {660, 660, 40}, {661, 663, 25},
};

const std::array<int, InterfaceTexts::kLastUsed + 1> kLengths = [] {
    std::array<int, InterfaceTexts::kLastUsed + 1> lengths{};
    for (const auto& range : kSlots)
        for (int k = range.first; k <= range.last; ++k)
            lengths[static_cast<std::size_t>(k)] = range.length;
    return lengths;
}();

const std::string kNone;

}  // namespace

int InterfaceTexts::slotLength(int k) {
    if (k < 1 || k > kLastUsed) return 0;
    return kLengths[static_cast<std::size_t>(k)];
}

void InterfaceTexts::distribute(const TextTable& table) {
    for (int k = 1; k <= kLastUsed; ++k) {
        const int length = slotLength(k);
        if (length > 0)
            slots_[static_cast<std::size_t>(k)] = cut(table[k], static_cast<std::size_t>(length));
    }
}

const std::string& InterfaceTexts::operator[](int k) const {
    if (!hasSlot(k)) return kNone;
    return slots_[static_cast<std::size_t>(k)];
}

std::string InterfaceTexts::trimmed(int k) const {
    return TrimRight((*this)[k]);
}

std::vector<std::string> InterfaceTexts::run(int first, int last) const {
    std::vector<std::string> texts;
    for (int k = first; k <= last; ++k)
        texts.push_back((*this)[k]);
    return texts;
}

void InterfaceTexts::set(int k, const std::string& text) {
    if (hasSlot(k))
        slots_[static_cast<std::size_t>(k)] = cut(text, static_cast<std::size_t>(slotLength(k)));
}

}  // namespace rumbelo
