#include "theme_art.h"

namespace rumbelo::art {

std::unique_ptr<ThemeArt> makeFlowersArt(const ThemeStyle& style);
std::unique_ptr<ThemeArt> makeCastleArt(const ThemeStyle& style);
std::unique_ptr<ThemeArt> makeSnowArt(const ThemeStyle& style);
std::unique_ptr<ThemeArt> makeAztecArt(const ThemeStyle& style);
std::unique_ptr<ThemeArt> makePrehistoricArt(const ThemeStyle& style);
std::unique_ptr<ThemeArt> makeEgyptianArt(const ThemeStyle& style);

std::unique_ptr<ThemeArt> makeThemeArt(const ThemeStyle& style) {
    switch (style.kind()) {
        case ThemeKind::Flowers:
            return makeFlowersArt(style);
        case ThemeKind::Castle:
            return makeCastleArt(style);
        case ThemeKind::Snow:
            return makeSnowArt(style);
        case ThemeKind::Aztec:
            return makeAztecArt(style);
        case ThemeKind::Prehistoric:
            return makePrehistoricArt(style);
        case ThemeKind::Egyptian:
            return makeEgyptianArt(style);
    }
    return makeCastleArt(style);
}

}  // namespace rumbelo::art
