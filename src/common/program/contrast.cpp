#include "common/program/contrast.h"

#include <algorithm>
#include <cmath>

namespace rumbelo {
namespace {

double linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct Hsl {
    double h, s, l;  // h in [0, 6), s and l in [0, 1]
};

Hsl toHsl(Rgb c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double hi = std::max({r, g, b}), lo = std::min({r, g, b});
    const double l = (hi + lo) / 2;
    const double d = hi - lo;
    if (d == 0) return {0, 0, l};
    const double s = d / (1 - std::abs(2 * l - 1));
    double h = hi == r   ? std::fmod((g - b) / d + 6, 6)
               : hi == g ? (b - r) / d + 2
                         : (r - g) / d + 4;
    return {h, s, l};
}

Rgb fromHsl(Hsl c) {
    const double chroma = (1 - std::abs(2 * c.l - 1)) * c.s;
    const double x = chroma * (1 - std::abs(std::fmod(c.h, 2) - 1));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(c.h)) {
        case 0:
            r = chroma, g = x;
            break;
        case 1:
            r = x, g = chroma;
            break;
        case 2:
            g = chroma, b = x;
            break;
        case 3:
            g = x, b = chroma;
            break;
        case 4:
            r = x, b = chroma;
            break;
        default:
            r = chroma, b = x;
            break;
    }
    const double m = c.l - chroma / 2;
    const auto channel = [&](double v) {
        return static_cast<std::uint8_t>(std::clamp(std::lround((v + m) * 255), 0L, 255L));
    };
    return {channel(r), channel(g), channel(b)};
}

// The lightness nearest to the text's own, in the direction `step`, that reaches the ratio.
bool shade(Hsl hsl, Rgb background, double minimum, double step, Rgb& out) {
    for (double l = hsl.l; l >= 0 && l <= 1; l += step) {
        const Rgb candidate = fromHsl({hsl.h, hsl.s, l});
        if (contrastRatio(candidate, background) >= minimum) {
            out = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace

double relativeLuminance(Rgb c) {
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrastRatio(Rgb a, Rgb b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb readableOn(Rgb text, Rgb background, double minimum) {
    if (contrastRatio(text, background) >= minimum) return text;
    const Hsl hsl = toHsl(text);
    // Away from the background first: darker text on a light background, lighter on a dark one.
    const bool lightBackground = relativeLuminance(background) > relativeLuminance(text);
    const double first = lightBackground ? -0.01 : 0.01;
    Rgb out;
    if (shade(hsl, background, minimum, first, out) || shade(hsl, background, minimum, -first, out))
        return out;
    return contrastRatio(Rgb{0, 0, 0}, background) >= contrastRatio(Rgb{255, 255, 255}, background)
               ? Rgb{0, 0, 0}
               : Rgb{255, 255, 255};
}

}  // namespace rumbelo
