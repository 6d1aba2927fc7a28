// data/geography/maps/*.poly: "<region><TAB>lon lat lon lat ...", one ring a line.
#include "data/geography/map_sources.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "data/source.h"

namespace rumbelo::data {

std::optional<GeoRegions> readPolygons(CompileContext& ctx, const std::string& name) {
    const auto source = readSource(ctx.src, "geography/maps/" + name, ctx.diag);
    if (!source) return std::nullopt;
    GeoRegions regions;
    for (const auto& line : source->lines) {
        std::istringstream in(line.field(1));
        GeoRing ring;
        double lon = 0;
        double lat = 0;
        while (in >> lon >> lat)
            ring.points.push_back({lon, lat});
        if (line.field(0).empty() || ring.points.size() < 3 || !in.eof()) {
            ctx.diag.error(line.pos, "expected region<TAB>lon lat lon lat ... (3 points or more)");
            continue;
        }
        regions[line.field(0)].push_back(std::move(ring));
    }
    return regions;
}

std::vector<DistrictSeed> readCapitalSeeds(CompileContext& ctx) {
    std::vector<DistrictSeed> seeds;
    const auto source = readSource(ctx.src, "geography/maps/madrid_seeds.tsv", ctx.diag);
    if (!source) return seeds;
    for (const auto& line : source->lines) {
        if (line.field(4) != "district") continue;
        try {
            seeds.push_back({line.field(0), {std::stod(line.field(2)), std::stod(line.field(3))}});
        } catch (const std::exception&) {
            ctx.diag.error(line.pos, "expected longitude and latitude in degrees");
        }
    }
    return seeds;
}

std::vector<Ring> Projection::rings(const std::vector<GeoRing>& geo) const {
    std::vector<Ring> out;
    for (const auto& ring : geo) {
        Ring projected;
        for (const auto& p : ring.points)
            projected.push_back((*this)(p));
        out.push_back(std::move(projected));
    }
    return out;
}

Projection fitInto(const GeoRegions& regions, double left, double top, double right,
                   double bottom) {
    double minLon = 1e9, maxLon = -1e9, minLat = 1e9, maxLat = -1e9;
    for (const auto& [name, rings] : regions)
        for (const auto& ring : rings)
            for (const auto& p : ring.points) {
                minLon = std::min(minLon, p.x);
                maxLon = std::max(maxLon, p.x);
                minLat = std::min(minLat, p.y);
                maxLat = std::max(maxLat, p.y);
            }
    constexpr double kPi = 3.14159265358979323846;
    const double shrink = std::cos((minLat + maxLat) / 2 * kPi / 180);
    const double scale =
        std::min((right - left) / ((maxLon - minLon) * shrink), (bottom - top) / (maxLat - minLat));
    Projection p;
    p.ax = scale * shrink;
    p.ay = -scale;
    p.bx = (left + right) / 2 - p.ax * (minLon + maxLon) / 2;
    p.by = (top + bottom) / 2 - p.ay * (minLat + maxLat) / 2;
    return p;
}

}  // namespace rumbelo::data
