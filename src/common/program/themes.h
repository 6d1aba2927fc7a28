#pragma once
// The six visual themes: which pictures, lists and sounds a theme uses and its colours,
// and the fixed colours every form shares.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rumbelo {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct ThemeColours {
    Rgb title;       // drawn title, school name and year of the scene
    Rgb doorHover;   // door label under the mouse; also used by the sections
    Rgb caption;     // captions of the sections' selection panels
    Rgb highlight;   // year and school-name labels, "Dejar de estudiar"
    Rgb leaveHover;  // "Dejar de estudiar" under the mouse
};

struct Theme {
    char letter = 0;
    int skin = -1;  // window skin 0..2, or -1 for the skin the forms are built with
    std::string sceneList, torchList, waveList;
    std::string mosaicTile, scenePicture, floorTile;
    std::string frameTop, frameRight, frameLeft;
    std::string leaveSign, decoration;  // decoration empty when the theme has none
    ThemeColours colours;
};

// The theme of a letter (upper case, first character only); nothing for other letters.
std::optional<Theme> themeFor(std::string_view letter);

bool isThemeLetter(char c);

// The common sprite list and the torch list every theme but F uses.
inline constexpr std::string_view kCommonSpriteList = "segdxg1.DXG";
inline constexpr std::string_view kCommonTorchList = "antorcha.dxg";

namespace fixed_colours {
inline constexpr Rgb kFormBackground{255, 239, 206};
inline constexpr Rgb kSecondBackground{216, 249, 153};
inline constexpr Rgb kPanel{241, 217, 192};
inline constexpr Rgb kSelectionPanel{55, 236, 164};
inline constexpr Rgb kList{192, 220, 206};
inline constexpr Rgb kDialog{253, 236, 192};
inline constexpr Rgb kVisited{128, 0, 128};
}  // namespace fixed_colours

}  // namespace rumbelo
