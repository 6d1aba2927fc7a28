#pragma once
// The itinerary diagram as data: for each of its eight steps the sunken frame panels, the
// route lines, the name plates and the texts it adds, on the 8x12-pixel grid. Step 8 is the
// finished diagram, every step at once. A painter draws these; tests read them.
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"

namespace rumbelo::secondary {

inline constexpr int kLastDrawingStep = 7;
inline constexpr int kWholeDiagram = 8;

// A sunken panel over grid rows r1..r2 and columns c1..c2: from x = 8(c1-1) - 1 to 8(c2-1)
// and from y = 12 r1 - 11 to 12 r2 - 12, black edge left and top, white edge right and bottom.
struct FramePanel {
    int r1, c1, r2, c2;
};
struct PixelRect {
    int left, top, right, bottom;  // right and bottom inclusive
    bool operator==(const PixelRect&) const = default;
};
PixelRect panelRect(const FramePanel& panel);

// A straight line in pixels: the red routes (5 pixels wide) and the black year divider.
struct RouteLine {
    int x1, y1, x2, y2;
    bool red;
};
inline constexpr int kRouteWidth = 5;

// A plate that names a route where it crosses the Bachillerato years: the routes enter and
// leave it, and its names are written inside it.
struct NamePlate {
    PixelRect rect;
};

enum class TextStyle {
    Label,  // blue, size +9: the column headings
    Name,   // black, size +11
    Note,   // black, size +8
    Big,    // blue, size +17: a text of exactly two characters in the size-by-length style
};
// The size-by-length style: two characters in blue +17, anything else black +11.
TextStyle byLength(const std::string& text);
int pointSize(TextStyle style);  // before the large-fonts correction

// A text with its top-left at grid (row, col) moved down by dy pixels; when centreX is
// given the text is centred on that x instead of starting at the column.
struct DiagramText {
    int row, col;
    std::string text;
    TextStyle style;
    int dy = 0;
    int centreX = 0;
};

struct DrawingStep {
    int helpSet = 0;  // 0: none
    std::vector<FramePanel> panels;
    std::vector<RouteLine> lines;
    std::vector<NamePlate> plates;
    std::vector<DiagramText> texts;
    bool gameButton = false;  // the space-game button appears with it (animated scene)
};

// Step 0..7, or kWholeDiagram for all of them in order.
DrawingStep drawingStep(int step, const InterfaceTexts& texts);
// Steps 0..last merged, as a repaint shows them (last = kWholeDiagram: the whole diagram).
DrawingStep diagramUpTo(int last, const InterfaceTexts& texts);

}  // namespace rumbelo::secondary
