#include "secondary/itineraries/itinerary_help.h"

namespace rumbelo::secondary {
namespace {

struct HelpSet {
    int n;
    HelpNumbers lines;  // 0 is an empty line
};

constexpr HelpSet kSets[] = {
    {9, {192, 193, 194, 195, 196, 0, 197, 198}},
    {12, {245, 246, 0, 0, 0, 0, 197, 198}},
    {13, {247, 248, 0, 0, 0, 0, 0, 0}},
    {14, {0, 249, 0, 0, 0, 0, 0, 0}},
    {15, {0, 250, 0, 0, 0, 0, 197, 198}},
    {16, {0, 251, 0, 0, 0, 0, 0, 0}},
    {17, {252, 0, 0, 0, 0, 0, 0, 0}},
    {19, {258, 259, 0, 0, 0, 0, 0, 0}},
    {22, {260, 261, 262, 0, 0, 0, 0, 0}},
};

}  // namespace

std::optional<HelpNumbers> itineraryHelpSet(int n) {
    for (const HelpSet& set : kSets)
        if (set.n == n) return set.lines;
    return std::nullopt;
}

}  // namespace rumbelo::secondary
