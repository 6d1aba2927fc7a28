#include "mini_map.h"

#include <initializer_list>
#include <utility>

#include "paint_kit.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;

QPointF toMap(double x, double y) {
    return {30 + x / 24.0, 70 + y / 22.0};
}

struct WorldRect {
    double x, y, w, h;
};

// A wall row: its pieces' top and the runs of x it closes (passages left out).
struct WallRow {
    double top;
    std::initializer_list<std::pair<double, double>> runs;
};
const WallRow kRows[] = {
    {107, {{-770, 772}}},
    {-416, {{-914, -400 + kPassageLeft}, {-400 + kPassageRight, 1307}}},
    {-939,
     {{-1382, -868 + kPassageLeft},
      {-868 + kPassageRight, 325 + kPassageLeft},
      {325 + kPassageRight, 1776}}},
    {-1462, {{-1382, 1507}}},
};
// Side walls (their tops, between the plinths).
constexpr WorldRect kSideWalls[] = {
    {-400, -357, 200, 464}, {400, -357, 200, 464},    {-670, -880, 200, 464},
    {950, -880, 200, 464},  {-1025, -1403, 200, 464}, {-1025, -880, 200, 464},
    {195, -1403, 200, 279}, {1200, -1403, 200, 464},
};
// The floors the character walks on (top-left corners it can reach, plus its size).
constexpr WorldRect kRooms[] = {
    {-229, -186, 625, 436}, {-469, -708, 1395, 402}, {-820, -1232, 2700, 403}};
// Door lefts, top row and bottom row.
constexpr double kTopDoors[] = {-823, -475, -142, 372, 717, 1051};
constexpr double kBottomDoors[] = {-165, 100, 365};

QRectF mapRect(const WorldRect& r) {
    return QRectF(toMap(r.x, r.y), toMap(r.x + r.w, r.y + r.h));
}

}  // namespace

QImage miniMap(const ThemeArt& art) {
    return paintedCanvas(kMiniMapWidth, kMiniMapHeight, [&](QPainter& p) {
        const QColor paper = art.style().colour(QStringLiteral("map.paper"));
        const QColor ink = art.style().colour(QStringLiteral("map.ink"));
        const QColor door = art.style().colour(QStringLiteral("map.door"));
        QRectF frame(0.5, 0.5, kMiniMapWidth - 1, kMiniMapHeight - 1);
        p.setPen(QPen(shade(ink, 0.8), 1));
        p.setBrush(paper);
        p.drawRoundedRect(frame, 5, 5);
        p.setClipRect(frame.adjusted(2, 2, -2, -2));
        // The rooms: entrance hall, first corridor, upper hall.
        p.setPen(Qt::NoPen);
        p.setBrush(shade(paper, 1.12));
        for (const WorldRect& room : kRooms)
            p.drawRect(mapRect(room));
        p.setBrush(ink);
        for (const WallRow& row : kRows) {
            for (const auto& [from, to] : row.runs)
                p.drawRect(mapRect({from, row.top + 230, to - from, 110}));
        }
        for (const WorldRect& wall : kSideWalls)
            p.drawRect(
                mapRect({wall.x + kSidePlinth, wall.y, kSideWidth - 2.0 * kSidePlinth, wall.h}));
        p.setBrush(door);
        for (double x : kTopDoors)
            p.drawRect(mapRect({x + 10, -1331 + 200, 145, 100}));
        for (double x : kBottomDoors)
            p.drawRect(mapRect({x + 10, -808 + 200, 145, 100}));
        p.setClipping(false);
        p.setPen(QPen(shade(ink, 0.6), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(frame, 5, 5);
    });
}

}  // namespace rumbelo::art
