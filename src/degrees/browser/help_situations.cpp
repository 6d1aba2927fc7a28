#include "degrees/browser/help_situations.h"

#include <array>

namespace rumbelo::degrees {
namespace {

// Text numbers of the eight lines; 0 is an empty line.
using Numbers = std::array<int, kGuideSteps>;

struct Situation {
    int n;
    Numbers lines;
};

constexpr Situation kSituations[] = {
    {1, {0, 0, 346, 347, 348, 0, 0, 0}},
    {2, {0, 0, 181, 182, 183, 184, 0, 0}},
    {3, {0, 349, 350, 351, 352, 353, 354, 0}},
    {4, {355, 357, 358, 359, 360, 361, 362, 363}},
    {5, {356, 357, 358, 359, 360, 361, 362, 363}},
    {6, {364, 365, 366, 367, 368, 369, 370, 371}},
    {7, {372, 373, 0, 0, 374, 375, 376, 377}},
    {8, {378, 379, 380, 381, 382, 383, 384, 0}},
    {9, {385, 386, 387, 388, 389, 390, 391, 0}},
    {10, {0, 603, 604, 605, 606, 0, 0, 0}},
    {11, {607, 608, 609, 610, 611, 612, 613, 614}},
    {12, {392, 393, 394, 395, 396, 397, 398, 399}},
    {13, {615, 616, 617, 618, 619, 620, 621, 0}},
    {14, {0, 0, 400, 401, 402, 403, 0, 0}},
    {15, {0, 404, 405, 406, 407, 408, 409, 0}},
    {17, {0, 410, 411, 412, 413, 0, 0, 0}},
    {18, {0, 0, 415, 416, 417, 0, 0, 0}},
    {19, {22, 23, 24, 25, 26, 27, 28, 0}},
    {20, {0, 0, 418, 419, 420, 421, 422, 0}},
    {21, {0, 423, 424, 425, 426, 427, 0, 0}},
    {23, {0, 0, 429, 430, 0, 0, 0, 0}},
    {31, {0, 433, 434, 435, 0, 0, 0, 0}},
    {32, {0, 436, 437, 438, 0, 439, 0, 0}},
    {33, {0, 440, 441, 0, 442, 443, 0, 0}},
};

}  // namespace

std::optional<GuideLines> helpSituationLines(int n, const InterfaceTexts& texts) {
    for (const Situation& situation : kSituations) {
        if (situation.n != n) continue;
        GuideLines lines;
        for (int s = 0; s < kGuideSteps; ++s) {
            const int k = situation.lines[static_cast<std::size_t>(s)];
            lines[static_cast<std::size_t>(s)] = k == 0 ? std::string() : texts[k];
        }
        return lines;
    }
    return std::nullopt;
}

}  // namespace rumbelo::degrees
