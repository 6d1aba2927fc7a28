#pragma once
// The committed map sources of data/geography/maps: polygon rings in degrees, per region,
// and the positions of the capital's districts.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/compile.h"
#include "data/geography/raster.h"

namespace rumbelo::data {

struct GeoRing {
    std::vector<Point> points;  // x = longitude, y = latitude
};
// Region name as written (community number, comarca key, area key) -> its rings.
using GeoRegions = std::map<std::string, std::vector<GeoRing>>;

std::optional<GeoRegions> readPolygons(CompileContext& ctx, const std::string& name);

struct DistrictSeed {
    std::string area;  // area key
    Point where;       // longitude, latitude
};
// The districts of the capital (rows of kind "district" in madrid_seeds.tsv).
std::vector<DistrictSeed> readCapitalSeeds(CompileContext& ctx);

// Degrees to picture pixels: x = ax * lon + bx, y = ay * lat + by.
struct Projection {
    double ax = 1, bx = 0, ay = -1, by = 0;
    Point operator()(const Point& geo) const { return {ax * geo.x + bx, ay * geo.y + by}; }
    std::vector<Ring> rings(const std::vector<GeoRing>& rings) const;
};

// A projection that keeps shapes true (longitude shrunk by the cosine of the middle
// latitude) and centres the regions in the box from (left, top) to (right, bottom).
Projection fitInto(const GeoRegions& regions, double left, double top, double right, double bottom);

}  // namespace rumbelo::data
