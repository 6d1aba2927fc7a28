#include "common/program/themes.h"

namespace rumbelo {
namespace {
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kBlack{0, 0, 0};

Theme make(char letter, int skin, std::string scene, std::string torch, std::string wave,
           std::string mosaic, std::string picture, std::string floor, std::string top,
           std::string right, std::string left, std::string leave, std::string decoration,
           ThemeColours colours) {
    return Theme{letter,
                 skin,
                 std::move(scene),
                 std::move(torch),
                 std::move(wave),
                 std::move(mosaic),
                 std::move(picture),
                 std::move(floor),
                 std::move(top),
                 std::move(right),
                 std::move(left),
                 std::move(leave),
                 std::move(decoration),
                 colours};
}
}  // namespace

bool isThemeLetter(char c) {
    return std::string_view("FCNAPE").find(c) != std::string_view::npos;
}

std::optional<Theme> themeFor(std::string_view letter) {
    if (letter.empty()) return std::nullopt;
    const ThemeColours greenYellow{kGreen, kGreen, kYellow, kYellow, kBlack};
    switch (letter[0]) {
        case 'F':
            return make('F', 2, "flor.DXG", "antorchaf.dxg", "flor.dxw", "partef", "todof",
                        "suelof", "marcoAR", "marcoDE", "marcoIZ", "rotuloa.bmp", "arbol.bmp",
                        {kBlue, kGreen, kWhite, kYellow, kYellow});
        case 'C':
            return make('C', 1, "casti.DXG", "antorcha.dxg", "nieve.dxw", "partec", "todoc",
                        "sueloc", "marcoARRa", "marcoDERa", "marcoIZQa", "rotuloa.bmp",
                        "caballe.bmp", {{222, 115, 18}, {188, 119, 99}, kWhite, kNavy, kYellow});
        case 'N':
            return make('N', 0, "nieve.DXG", "antorcha.dxg", "nieve.dxw", "parten", "todon",
                        "suelon", "marcoARRn", "marcoDERn", "marcoIZQn", "rotulon.bmp", "nieve.bmp",
                        {kBlue, kBlue, kWhite, kNavy, kYellow});
        case 'A':
            return make('A', -1, "AZTECA.DXG", "antorcha.dxg", "inicio.dxw", "partea", "todoa",
                        "sueloa", "marcoARRa", "marcoDERa", "marcoIZQa", "rotuloa.bmp", "",
                        greenYellow);
        case 'P':
            return make('P', -1, "prehis.dxg", "antorcha.dxg", "inicio.dxw", "partep", "todoP",
                        "sueloP", "marcoAR", "marcoDE", "marcoIZ", "rotuloa.bmp", "", greenYellow);
        case 'E':
            return make('E', -1, "EGIPTO.DXG", "antorcha.dxg", "inicio.dxw", "partee", "todoe",
                        "sueloe", "marcoARR", "marcoDER", "marcoIZQ", "rotuloa.bmp", "",
                        greenYellow);
        default:
            return std::nullopt;
    }
}

}  // namespace rumbelo
