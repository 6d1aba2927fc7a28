#include "secondary/itineraries/itinerary_drawing.h"

#include <algorithm>

#include "common/text/fixed_text.h"
#include "secondary/itineraries/itinerary_buttons.h"

namespace rumbelo::secondary {
namespace {

// The routes run through the centres of the picture buttons of their column (24 pixels
// wide from the column's left edge), so that each button reads as a stop on its line.
constexpr int kButtonHalf = 12;
constexpr int kArtes = gridLeft(32) + kButtonHalf;        // 260
constexpr int kSalud = gridLeft(38) + kButtonHalf;        // 308
constexpr int kTecnica = gridLeft(44) + kButtonHalf;      // 356
constexpr int kHumanidades = gridLeft(52) + kButtonHalf;  // 420
constexpr int kSociales = gridLeft(58) + kButtonHalf;     // 468
constexpr int kTecnologia = gridLeft(64) + kButtonHalf;   // 516
constexpr int kFp = gridLeft(72) + kButtonHalf;           // 580
// They start under the column headings and end among the options of 4º de ESO.
constexpr int kRouteTop = 67;
constexpr int kFpRouteTop = 165;
constexpr int kRouteBottom = 440;
// The column headings sit clear of their panels' top edge.
constexpr int kHeadingDrop = 3;
// The divider between the two Bachillerato years, between the rows of buttons 22-23 and 27.
constexpr int kYearDivider = 300;

// The column of year labels, written downwards one character a row.
constexpr int kYearColumnCentre = (gridLeft(27) + gridLeft(30)) / 2;

// The name plates where the routes cross the Bachillerato years.
constexpr PixelRect kArtesPlate{241, 345, 285, 394};
constexpr PixelRect kNaturalezaPlate{289, 345, 381, 400};
constexpr PixelRect kHumanidadesPlate{392, 345, 496, 394};
constexpr PixelRect kTecnologiaPlate{478, 397, 554, 419};
constexpr PixelRect kFpPlate{550, 345, 606, 394};

RouteLine route(int x, int top = kRouteTop) {
    return RouteLine{x, top, x, kRouteBottom, true};
}

DiagramText centred(int row, int x, std::string text, TextStyle style, int dy = 0) {
    return DiagramText{row, 1, std::move(text), style, dy, x};
}

// One character a row from `row` down, each centred in the column; `pitch` below 12 packs
// a long word into its panel.
void downwards(std::vector<DiagramText>& out, int row, const std::string& text, TextStyle style,
               int pitch = 12, int dy = 0) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string one(1, text[i]);
        if (one == " ") continue;
        const int shift = dy - static_cast<int>(i) * (12 - pitch);
        out.push_back(centred(row + static_cast<int>(i), kYearColumnCentre, one, style, shift));
    }
}

std::string first(const std::string& text, std::size_t n) {
    return cut(text, n);
}

std::string from(const std::string& text, std::size_t position) {  // 1-based
    return text.size() >= position ? text.substr(position - 1) : std::string();
}

void stepZero(DrawingStep& s, const InterfaceTexts& t) {
    s.panels = {{1, 31, 4, 77},   {4, 27, 13, 30},  {4, 31, 13, 36},  {4, 37, 13, 49},
                {4, 50, 13, 69},  {15, 27, 35, 30}, {15, 31, 35, 36}, {15, 37, 35, 49},
                {15, 50, 35, 69}, {15, 70, 35, 77}, {36, 27, 44, 30}, {36, 31, 44, 73},
                {36, 74, 44, 81}};
    s.lines = {{gridLeft(30), kYearDivider, gridLeft(69) - 4, kYearDivider, false}};
    const std::string title = t.trimmed(89);
    s.texts.push_back(centred(2, (gridLeft(31) + gridLeft(77)) / 2, title, byLength(title), -2));
    // What follows the Bachillerato: "FP" across the column's first row, then the degrees
    // downwards, a little closer than a row apart so that the word stays in its band.
    s.texts.push_back(centred(4, kYearColumnCentre, "FP", TextStyle::Label, 2));
    downwards(s.texts, 5, t.trimmed(84), TextStyle::Name, 11, 4);
    const std::string second = t.trimmed(87);
    const std::string firstYear = t.trimmed(86);
    s.texts.push_back(centred(15, kYearColumnCentre, first(second, 2), byLength(first(second, 2))));
    downwards(s.texts, 18, from(second, 4), TextStyle::Name);
    s.texts.push_back(
        centred(25, kYearColumnCentre, first(firstYear, 2), byLength(first(firstYear, 2))));
    downwards(s.texts, 27, from(firstYear, 4), TextStyle::Name);
    const std::string fourth = t.trimmed(188);
    s.texts.push_back(centred(36, kYearColumnCentre, fourth, byLength(fourth), 1));
    downwards(s.texts, 38, "ESO", TextStyle::Name, 12, 5);
    s.texts.push_back(centred(42, kYearColumnCentre, "3\xBA", TextStyle::Big, -2));
}

// The names of Ciencias de la Naturaleza y de la Salud, written again once its second route
// has been drawn through them.
void naturalezaNames(DrawingStep& s, const InterfaceTexts& t) {
    const int x = (kNaturalezaPlate.left + kNaturalezaPlate.right) / 2;
    s.plates.push_back({kNaturalezaPlate});
    s.texts.push_back(centred(30, x, t.trimmed(88), TextStyle::Name, -1));
    s.texts.push_back(centred(31, x, t.trimmed(97), TextStyle::Name, 3));
    s.texts.push_back(centred(33, x, t.trimmed(98), TextStyle::Name, -5));
}

void humanidadesNames(DrawingStep& s, const InterfaceTexts& t) {
    const int x = (kHumanidadesPlate.left + kHumanidadesPlate.right) / 2;
    s.plates.push_back({kHumanidadesPlate});
    s.texts.push_back(centred(30, x, t.trimmed(88), TextStyle::Name, -1));
    s.texts.push_back(centred(32, x, t.trimmed(99), TextStyle::Name, -3));
}

DrawingStep step(int n, const InterfaceTexts& t) {
    DrawingStep s;
    switch (n) {
        case 0:
            stepZero(s, t);
            break;
        case 1: {
            s.helpSet = 12;
            s.lines.push_back(route(kArtes));
            const int x = (kArtesPlate.left + kArtesPlate.right) / 2;
            s.plates.push_back({kArtesPlate});
            s.texts.push_back(centred(30, x, first(t.trimmed(88), 5) + ".", TextStyle::Name, -1));
            s.texts.push_back(centred(32, x, t.trimmed(92), TextStyle::Name, -3));
            s.texts.push_back(centred(4, x, t.trimmed(92), TextStyle::Label, kHeadingDrop));
            break;
        }
        case 2: {
            s.helpSet = 13;
            s.lines.push_back(route(kSalud));
            const std::string option = t[93];
            s.texts.push_back(
                centred(4, kSalud, TrimRight(first(option, 7)), TextStyle::Label, kHeadingDrop));
            s.texts.push_back(centred(5, kSalud, TrimRight(from(option, 8).substr(0, 7)),
                                      TextStyle::Label, kHeadingDrop));
            naturalezaNames(s, t);
            break;
        }
        case 3: {
            s.helpSet = 14;
            s.lines.push_back(route(kTecnica));
            const std::string option = t[94];
            s.texts.push_back(
                centred(4, kTecnica, TrimRight(first(option, 7)), TextStyle::Label, kHeadingDrop));
            s.texts.push_back(centred(5, kTecnica, TrimRight(from(option, 8).substr(0, 7)),
                                      TextStyle::Label, kHeadingDrop));
            naturalezaNames(s, t);
            break;
        }
        case 4:
            s.helpSet = 15;
            s.lines.push_back(route(kHumanidades));
            s.texts.push_back(centred(4, (kHumanidades + kSociales) / 2, t.trimmed(99),
                                      TextStyle::Label, kHeadingDrop));
            s.texts.push_back(centred(5, kHumanidades, TrimRight(first(t[95], 7)), TextStyle::Label,
                                      kHeadingDrop));
            break;
        case 5:
            s.helpSet = 16;
            s.lines.push_back(route(kSociales));
            // Nudged left of its route so that it does not run into "Tecnología".
            s.texts.push_back(centred(5, kSociales - 4, TrimRight(from(t[95], 8).substr(0, 7)),
                                      TextStyle::Label, kHeadingDrop));
            humanidadesNames(s, t);
            break;
        case 6:
            s.helpSet = 17;
            s.lines.push_back(route(kTecnologia));
            s.texts.push_back(
                centred(5, kTecnologia + 2, t.trimmed(96), TextStyle::Label, kHeadingDrop));
            s.plates.push_back({kTecnologiaPlate});
            s.texts.push_back(centred(34, (kTecnologiaPlate.left + kTecnologiaPlate.right) / 2,
                                      t.trimmed(96), TextStyle::Name, 3));
            break;
        case 7: {
            s.helpSet = 19;
            s.lines.push_back(route(kFp, kFpRouteTop));
            s.texts.push_back(centred(13, kFp, "F.P. GM", TextStyle::Label, 1));
            const int x = (kFpPlate.left + kFpPlate.right) / 2;
            s.plates.push_back({kFpPlate});
            s.texts.push_back(centred(30, x, first(t.trimmed(85), 5) + ".", TextStyle::Name, -1));
            s.texts.push_back(centred(32, x, first(t.trimmed(106), 6) + ".", TextStyle::Name, -3));
            s.texts.push_back(centred(39, gridLeft(67) + 8, t.trimmed(555), TextStyle::Note, 1));
            s.texts.push_back(
                centred(39, gridLeft(75) + kButtonHalf + 2, t.trimmed(554), TextStyle::Note, 1));
            s.gameButton = true;
            break;
        }
        default:
            break;
    }
    return s;
}

template <typename T>
void append(std::vector<T>& to, const std::vector<T>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

PixelRect panelRect(const FramePanel& p) {
    return PixelRect{gridLeft(p.c1) - 1, 12 * p.r1 - 11, gridLeft(p.c2), gridTop(p.r2)};
}

TextStyle byLength(const std::string& text) {
    return text.size() == 2 ? TextStyle::Big : TextStyle::Name;
}

int pointSize(TextStyle style) {
    switch (style) {
        case TextStyle::Label:
            return 9;
        case TextStyle::Name:
            return 11;
        case TextStyle::Note:
            return 8;
        case TextStyle::Big:
            return 17;
    }
    return 11;
}

DrawingStep drawingStep(int n, const InterfaceTexts& texts) {
    if (n != kWholeDiagram) return step(n, texts);
    return diagramUpTo(kLastDrawingStep, texts);
}

DrawingStep diagramUpTo(int last, const InterfaceTexts& texts) {
    DrawingStep whole;
    for (int k = 0; k <= std::min(last, kLastDrawingStep); ++k) {
        const DrawingStep part = step(k, texts);
        append(whole.panels, part.panels);
        append(whole.lines, part.lines);
        append(whole.plates, part.plates);
        append(whole.texts, part.texts);
        whole.gameButton = whole.gameButton || part.gameButton;
    }
    return whole;
}

}  // namespace rumbelo::secondary
