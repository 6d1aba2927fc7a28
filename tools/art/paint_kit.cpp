#include "paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace rumbelo::art {

std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

double Random::unit() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}
double Random::range(double lo, double hi) {
    return lo + (hi - lo) * unit();
}
int Random::below(int n) {
    return n <= 0 ? 0 : static_cast<int>(next() % static_cast<unsigned>(n));
}

namespace {
double lattice(std::uint32_t seed, int x, int y) {
    std::uint32_t h = seed * 0x27d4eb2dU ^ static_cast<std::uint32_t>(x) * 0x85ebca6bU ^
                      static_cast<std::uint32_t>(y) * 0xc2b2ae35U;
    h ^= h >> 15;
    h *= 0x2c1b3c6dU;
    h ^= h >> 12;
    h *= 0x297a2d39U;
    h ^= h >> 15;
    return (h & 0xffffff) / double(0xffffff);
}
double smooth(double t) {
    return t * t * (3 - 2 * t);
}
int wrap(int v, int period) {
    return ((v % period) + period) % period;
}
}  // namespace

double tiledNoise(std::uint32_t seed, double x, double y, int period) {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const int xa = wrap(x0, period), xb = wrap(x0 + 1, period);
    const int ya = wrap(y0, period), yb = wrap(y0 + 1, period);
    const double top = lattice(seed, xa, ya) * (1 - fx) + lattice(seed, xb, ya) * fx;
    const double bottom = lattice(seed, xa, yb) * (1 - fx) + lattice(seed, xb, yb) * fx;
    return top * (1 - fy) + bottom * fy;
}

double tiledFractal(std::uint32_t seed, double x, double y, int period, int octaves) {
    double sum = 0, weight = 0, amplitude = 1;
    int p = period;
    double scale = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude *
               tiledNoise(seed + static_cast<std::uint32_t>(o) * 101U, x * scale, y * scale, p);
        weight += amplitude;
        amplitude *= 0.5;
        scale *= 2;
        p *= 2;
    }
    return sum / weight;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t),
                            static_cast<float>(a.alphaF() * (1 - t) + b.alphaF() * t));
}

QColor shade(const QColor& c, double factor) {
    if (factor < 1) return mix(QColor(0, 0, 0, c.alpha()), c, factor);
    return mix(c, QColor(255, 255, 255, c.alpha()), factor - 1);
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor out = c;
    out.setAlpha(alpha);
    return out;
}

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginPainter(QPainter& p, QImage& image) {
    p.begin(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QImage paintedCanvas(int width, int height, const std::function<void(QPainter&)>& paint) {
    QImage image = canvas(width, height);
    QPainter p;
    beginPainter(p, image);
    paint(p);
    p.end();
    return image;
}

void floorShadow(QPainter& p, const QRectF& rect, int alpha) {
    p.save();
    p.translate(rect.center());
    p.scale(1, rect.height() / rect.width());
    p.translate(-rect.center());
    p.setPen(Qt::NoPen);
    p.setBrush(radial(rect.center(), rect.width() / 2, QColor(0, 0, 0, alpha), QColor(0, 0, 0, 0)));
    p.drawEllipse(
        QRectF(rect.left(), rect.center().y() - rect.width() / 2, rect.width(), rect.width()));
    p.restore();
}

QBrush vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return QBrush(g);
}

QBrush horizontal(const QRectF& r, const QColor& left, const QColor& right) {
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    return QBrush(g);
}

QBrush radial(QPointF centre, double radius, const QColor& inner, const QColor& outer) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    return QBrush(g);
}

}  // namespace rumbelo::art
