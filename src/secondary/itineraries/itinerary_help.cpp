#include "secondary/itineraries/itinerary_help.h"

#include <array>

namespace rumbelo::secondary {
namespace {

struct HelpSet {
    int n;
    std::array<int, kGuideSteps> lines;  // interface texts; 0 is an empty line
};

constexpr HelpSet kSets[] = {
    {1, {0, 185, 186, 187, 0, 0, 0, 0}},    {9, {192, 193, 194, 195, 196, 0, 197, 198}},
    {12, {245, 246, 0, 0, 0, 0, 197, 198}}, {13, {247, 248, 0, 0, 0, 0, 0, 0}},
    {14, {0, 249, 0, 0, 0, 0, 0, 0}},       {15, {0, 250, 0, 0, 0, 0, 197, 198}},
    {16, {0, 251, 0, 0, 0, 0, 0, 0}},       {17, {252, 0, 0, 0, 0, 0, 0, 0}},
    {19, {258, 259, 0, 0, 0, 0, 0, 0}},     {22, {260, 261, 262, 0, 0, 0, 0, 0}},
};

}  // namespace

std::optional<GuideLines> itineraryHelpLines(int n, const InterfaceTexts& texts) {
    for (const HelpSet& set : kSets) {
        if (set.n != n) continue;
        GuideLines lines;
        for (int s = 0; s < kGuideSteps; ++s) {
            const int k = set.lines[static_cast<std::size_t>(s)];
            lines[static_cast<std::size_t>(s)] = k == 0 ? std::string() : texts[k];
        }
        return lines;
    }
    return std::nullopt;
}

}  // namespace rumbelo::secondary
