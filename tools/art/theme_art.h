#pragma once
// What makes a theme look like itself: each theme kind paints the same surfaces (floor, wall
// tops, wall faces, pillars, doors, boards, the ceiling) in its own way. The pictures of the
// scene are assembled from these surfaces at the sizes of world_sizes.h (scene_items.cpp).
#include <QPainter>
#include <QRectF>
#include <memory>

#include "theme_style.h"

namespace rumbelo::art {

enum class DoorState { Closed, Open };
enum class BoardShape { Plain, Hanging, Double, Plate };

class ThemeArt {
  public:
    explicit ThemeArt(const ThemeStyle& style) : style_(style) {}
    virtual ~ThemeArt() = default;
    const ThemeStyle& style() const { return style_; }

    // The building's floor: one seamless tile filling `r` (repeats every r.width() x r.height()).
    virtual void paintFloor(QPainter& p, const QRect& r) const = 0;
    // A wall top seen from above. East-west tops run along x and end at their front edge
    // (the bottom of `r`); side-wall tops run along y.
    virtual void paintWallTop(QPainter& p, const QRectF& r, bool eastWest) const = 0;
    // A wall face seen from the front, from its top edge to the floor.
    virtual void paintWallFace(QPainter& p, const QRectF& r) const = 0;
    // The pillar that ends a wall piece or frames a passage, over the face.
    virtual void paintPillar(QPainter& p, const QRectF& r) const = 0;
    // A door with its surround, filling the wall face it stands on.
    virtual void paintDoor(QPainter& p, const QRectF& r, DoorState state) const = 0;
    // A sign or plate carrying text drawn by the scene: keep its middle calm.
    virtual void paintBoard(QPainter& p, const QRectF& r, BoardShape shape) const = 0;
    // What lies above the building's top wall, hiding it (the ceiling mask).
    virtual void paintCeiling(QPainter& p, const QRectF& r) const = 0;
    // A small motif of the theme (a flower, a shield, a snowflake, a glyph...) centred in r.
    virtual void paintEmblem(QPainter& p, const QRectF& r) const = 0;

  protected:
    QColor c(const char* key) const { return style_.colour(QLatin1String(key)); }
    const ThemeStyle& style_;
};

std::unique_ptr<ThemeArt> makeThemeArt(const ThemeStyle& style);

}  // namespace rumbelo::art
