#pragma once
// Patterns more than one theme builds on: courses of blocks, and a sky for the ceiling mask.
#include <QPainter>
#include <QRectF>
#include <functional>

#include "paint_kit.h"

namespace rumbelo::art {

struct Courses {
    double rowHeight = 30;
    double blockWidth = 60;
    double mortar = 3;
    double stagger = 0.5;  // fraction of a block each row shifts by
    double jitter = 0.15;  // fraction of a block's width that its ends may move
};

// Lays rows of blocks over r (clipped by the caller); paint(block, row, random) draws one.
void layCourses(const QRectF& r, const Courses& courses, std::uint64_t seed,
                const std::function<void(const QRectF&, int, Random&)>& paint);

// A block with a soft bevel: lighter top-left edge, darker bottom-right edge.
void bevelledBlock(QPainter& p, const QRectF& r, const QColor& fill, double radius);

// Courses of bevelled blocks over r, each a random mix of colours a and b.
void bevelledCourses(QPainter& p, const QRectF& r, const Courses& courses, std::uint64_t seed,
                     const QColor& a, const QColor& b, double radius);

// A floor of square cells of `cell` pixels shaded by seamless noise: colour(n) for noise n.
void noiseFloor(QPainter& p, const QRect& r, int cell, std::uint32_t seed,
                const std::function<QColor(double)>& colour);

// A doorway with straight sides and a round top as wide as the opening.
QPainterPath roundArch(const QRectF& opening);

// The two cords a hanging board hangs by, mirrored at both ends of r's top edge: each runs
// from `topInset` in to `bottomInset` in, `length` down.
void hangingCords(QPainter& p, const QRectF& r, const QPen& pen, double topInset,
                  double bottomInset, double length);

// Sky gradient with soft clouds (seeded), for the ceiling masks that show the sky beyond.
void skyWithClouds(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom,
                   const QColor& cloud, std::uint64_t seed, int clouds);

// Calls draw(centre) once, and again shifted by the tile's size wherever a shape of that
// radius would cross the tile's edge, so that tiles stay seamless.
void drawWrapped(const QRectF& tile, QPointF centre, double radius,
                 const std::function<void(QPointF)>& draw);

// A five-petal flower.
void flower(QPainter& p, QPointF centre, double radius, const QColor& petals, const QColor& heart);

// The dark eave line closing a ceiling mask at its bottom edge.
void maskEave(QPainter& p, const QRectF& r, const QColor& colour);

}  // namespace rumbelo::art
