#pragma once
// Small drawing helpers shared by the painters: a seeded random sequence (the output must be
// the same on every run), smooth value noise, colour mixing and transparent canvases.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <functional>

namespace rumbelo::art {

// A fixed, portable random sequence (splitmix64): never the standard distributions, whose
// results differ between libraries.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double unit();                       // [0, 1)
    double range(double lo, double hi);  // [lo, hi)
    int below(int n);                    // 0 .. n-1

  private:
    std::uint64_t state_;
};

// Smooth noise in [0, 1] that repeats every `period` units in x and y (so tiles stay seamless).
double tiledNoise(std::uint32_t seed, double x, double y, int period);
// Noise at several scales, still seamless over `period`.
double tiledFractal(std::uint32_t seed, double x, double y, int period, int octaves);

QColor mix(const QColor& a, const QColor& b, double t);
QColor shade(const QColor& c, double factor);  // < 1 darker, > 1 lighter
QColor withAlpha(const QColor& c, int alpha);

// A transparent ARGB canvas and a painter on it with antialiasing on.
QImage canvas(int width, int height);
void beginPainter(QPainter& p, QImage& image);
// Both at once: a transparent canvas that `paint` draws on with that painter.
QImage paintedCanvas(int width, int height, const std::function<void(QPainter&)>& paint);

// A soft shadow ellipse on the floor under a figure.
void floorShadow(QPainter& p, const QRectF& rect, int alpha);

// Vertical linear gradient brush.
QBrush vertical(const QRectF& r, const QColor& top, const QColor& bottom);
QBrush horizontal(const QRectF& r, const QColor& left, const QColor& right);
// Radial gradient brush from `inner` at the centre to `outer` at the radius.
QBrush radial(QPointF centre, double radius, const QColor& inner, const QColor& outer);

}  // namespace rumbelo::art
