#pragma once
// Where mapa puts Spain. The projection is fitted to the program's fixed rectangles of the
// communities (the initial-programmes map), so that every rectangle's centre falls inside
// its community; Canarias keeps the same scale in an inset at the lower right, and Ceuta
// and Melilla are round markers on their rectangles.
#include "data/geography/map_sources.h"

namespace rumbelo::data {

// Equirectangular, degrees to pixels of mapa.
constexpr Projection kMainland{15.2635, 168.029, -16.8962, 770.322};
constexpr Projection kCanariasInset{15.2635, 434.1, -16.8962, 626.9};
constexpr Point kCeutaMarker{79.5, 165.0};
constexpr Point kMelillaMarker{132.0, 166.0};
constexpr double kMarkerRadius = 3.6;

// The sub-maps keep shapes true and fill their picture (areas stay within the rows of the
// area grid that do not alias the community grid).
constexpr int kSubMapWidth = 281;
constexpr int kSubMapHeight = 220;
inline Projection comarcaProjection(const GeoRegions& comarcas) {
    return fitInto(comarcas, 2, 2, kSubMapWidth - 2, kSubMapHeight - 2);
}
inline Projection areaProjection(const GeoRegions& areas) {
    return fitInto(areas, 2, 2, kSubMapWidth - 2, 195);
}

}  // namespace rumbelo::data
