#include "common_list.h"

#include <cmath>

#include "motif_helpers.h"
#include "paint_kit.h"
#include "pupil.h"
#include "world_sizes.h"

namespace rumbelo::art {
namespace {
using namespace world;

// The click marker: a ring on the floor that widens and fades over six steps.
QImage marker(int step) {
    return paintedCanvas(kMarkerSize, kMarkerSize, [&](QPainter& p) {
        const double t = step / 5.0;
        const double radius = 4 + t * 7;
        const int alpha = static_cast<int>(255 * (1 - t * 0.75));
        const QPointF centre(kMarkerSize / 2.0, kMarkerSize / 2.0);
        p.setPen(QPen(QColor(40, 40, 40, alpha / 2), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius, radius * 0.75);
        p.setPen(QPen(QColor(255, 220, 60, alpha), 2.5));
        p.drawEllipse(centre, radius, radius * 0.75);
        if (step < 2) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 120, 40, alpha));
            p.drawEllipse(centre, 2.5, 2);
        }
    });
}

// The door under the mouse, the same for every theme: a golden frame round a lit doorway.
QImage highlightedDoor() {
    return paintedCanvas(kDoorWidth, kDoorHeight, [&](QPainter& p) {
        const QRectF r(0, 0, kDoorWidth, kDoorHeight);
        p.fillRect(r, vertical(r, QColor(0xb8, 0x7a, 0x1e), QColor(0x8a, 0x55, 0x12)));
        const QRectF opening = r.adjusted(18, 40, -18, 0);
        const QPainterPath arch = roundArch(opening);
        QRadialGradient glow(opening.center() + QPointF(0, 20), opening.height() * 0.7);
        glow.setColorAt(0, QColor(255, 252, 220));
        glow.setColorAt(0.6, QColor(255, 226, 120));
        glow.setColorAt(1, QColor(255, 180, 60));
        p.setPen(QPen(QColor(0xff, 0xe2, 0x7a), 10));
        p.setBrush(glow);
        p.drawPath(arch);
        p.setPen(QPen(QColor(0x6e, 0x40, 0x0c), 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arch);
        p.drawRect(r.adjusted(1, 1, -1, -1));
        // Sparkles.
        p.setPen(QPen(QColor(255, 255, 230), 2, Qt::SolidLine, Qt::RoundCap));
        const QPointF stars[] = {{40, 90}, {120, 70}, {95, 160}, {55, 200}, {115, 220}};
        for (const QPointF& s : stars) {
            p.drawLine(s + QPointF(-5, 0), s + QPointF(5, 0));
            p.drawLine(s + QPointF(0, -5), s + QPointF(0, 5));
        }
    });
}

void iconBase(QPainter& p, bool hover) {
    const QRectF r(2, 2, kIconSize - 4, kIconSize - 4);
    p.setPen(QPen(QColor(40, 40, 60), 2));
    p.setBrush(vertical(r, hover ? QColor(255, 236, 130) : QColor(250, 246, 232),
                        hover ? QColor(245, 180, 40) : QColor(206, 198, 178)));
    p.drawRoundedRect(r, 9, 9);
}

// The lens that opens the help: a magnifying glass.
QImage lens(bool hover) {
    return paintedCanvas(kIconSize, kIconSize, [&](QPainter& p) {
        iconBase(p, hover);
        p.setPen(QPen(QColor(90, 55, 30), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(28, 28), QPointF(37, 37));
        p.setPen(QPen(QColor(60, 60, 70), 3.5));
        p.setBrush(QColor(170, 220, 250, 220));
        p.drawEllipse(QPointF(19, 19), 11, 11);
        p.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(12, 12, 14, 14), 100 * 16, 70 * 16);
    });
}

// The exit icon: a door with an arrow leaving through it.
QImage exitIcon(bool hover) {
    return paintedCanvas(kIconSize, kIconSize, [&](QPainter& p) {
        iconBase(p, hover);
        p.setPen(QPen(QColor(60, 35, 20), 2));
        p.setBrush(QColor(150, 90, 45));
        p.drawRect(QRectF(9, 9, 18, 29));
        p.setBrush(QColor(60, 35, 20));
        p.drawEllipse(QPointF(23, 24), 1.5, 1.5);
        p.setPen(QPen(QColor(200, 40, 30), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(20, 24), QPointF(38, 24));
        p.drawLine(QPointF(32, 18), QPointF(38, 24));
        p.drawLine(QPointF(32, 30), QPointF(38, 24));
    });
}

// The map dot, blinking between two colours.
QImage dot(bool second) {
    return paintedCanvas(kDotSize, kDotSize, [&](QPainter& p) {
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.setBrush(second ? QColor(255, 230, 40) : QColor(230, 30, 30));
        p.drawEllipse(QRectF(0.5, 0.5, kDotSize - 1, kDotSize - 1));
    });
}

}  // namespace

std::vector<ImageEntry> commonSpriteList() {
    std::vector<ImageEntry> list = pupilFrames();
    for (int step = 0; step < 6; ++step)
        list.push_back({QStringLiteral("circ%1").arg(step + 1), {marker(step)}});
    list.push_back({QStringLiteral("puerta2"), {highlightedDoor()}});
    list.push_back({QStringLiteral("lupa"), {lens(false)}});
    list.push_back({QStringLiteral("lupa2"), {lens(true)}});
    list.push_back({QStringLiteral("diana"), {dot(false)}});
    list.push_back({QStringLiteral("diana2"), {dot(true)}});
    list.push_back({QStringLiteral("puertaS"), {exitIcon(false)}});
    list.push_back({QStringLiteral("puertaS2"), {exitIcon(true)}});
    return list;
}

// A 6 x 7 x 6 colour cube (252 colours) and four greys: every colour of the pictures has a
// near neighbour in it.
QList<QRgb> surfacePalette() {
    QList<QRgb> colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 7; ++g)
            for (int b = 0; b < 6; ++b)
                colours.append(qRgb(r * 51, g * 255 / 6, b * 51));
    for (int grey : {64, 128, 192, 224})
        colours.append(qRgb(grey, grey, grey));
    return colours;
}

}  // namespace rumbelo::art
