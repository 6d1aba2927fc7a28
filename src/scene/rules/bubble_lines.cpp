#include "scene/rules/bubble_lines.h"

namespace rumbelo {
namespace {

BubbleLines fromTexts(const InterfaceTexts& texts, int a, int b, int c, int d) {
    return {texts.trimmed(a), texts.trimmed(b), texts.trimmed(c), texts.trimmed(d)};
}

}  // namespace

std::optional<BubbleLines> bubbleLinesAt(int rx, int ry, const InterfaceTexts& texts) {
    std::optional<BubbleLines> lines;
    if (ry >= -100) lines = fromTexts(texts, 38, 448, 449, 640);
    if (ry >= -580 && ry < -379) lines = fromTexts(texts, 444, 445, 446, 447);
    if (ry >= -700 && ry < -479) lines = fromTexts(texts, 450, 451, 452, 453);
    if (ry >= -1200 && ry < -899) lines = fromTexts(texts, 454, 455, 456, 414);
    if (rx > 1800)
        lines = BubbleLines{"    Estas perdido...", "    \xA1\xA1\xA1\xA1  Vuelve  !!!!",
                            "    Es mejor seguir ", "    estudiando."};
    return lines;
}

}  // namespace rumbelo
