// mapa, mapac, mapam and puntos3, drawn from the committed polygon sources. Each picture
// and its hit grid come from one raster, so every pixel of a region hit-tests to it.
//
// mapa is laid out to agree with the program's fixed rectangles of the communities (the
// initial-programmes map): the projection of map_layout.h puts every rectangle's centre inside its
// community, Canarias in an inset at the lower right, and Ceuta and Melilla as round
// markers on their rectangles. The top 24 rows stay free, because the area grid of
// puntos3 reads rows 197-220 of mapam from rows 1-24 of the community grid.
#include <map>

#include "common/data/region_grids.h"
#include "data/geography/geography.h"
#include "data/geography/map_layout.h"
#include "data/geography/map_painter.h"
#include "data/geography/map_sources.h"

namespace rumbelo::data {
namespace {

constexpr int kMapaWidth = 286;
constexpr int kMapaHeight = 214;
constexpr int kFreeTopRows = 24;
constexpr int kCeuta = 18;
constexpr int kMelilla = 19;
constexpr int kCanarias = 5;

struct DrawnMap {
    RegionRaster raster;
    std::vector<Point> frame;
};

// The rectangle around the inset, clear of the islands.
std::vector<Point> insetFrame(const RegionRaster& raster, int region) {
    int left = raster.width(), top = raster.height(), right = -1, bottom = -1;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            if (raster.at(x, y) == region) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    std::vector<Point> frame;
    if (right < 0) return frame;
    left -= 4, top -= 4, right += 4, bottom += 4;
    for (int x = left; x <= right; ++x) {
        frame.push_back({double(x), double(top)});
        frame.push_back({double(x), double(bottom)});
    }
    for (int y = top; y <= bottom; ++y) {
        frame.push_back({double(left), double(y)});
        frame.push_back({double(right), double(y)});
    }
    return frame;
}

std::optional<DrawnMap> drawCommunities(CompileContext& ctx) {
    const auto regions = readPolygons(ctx, "comunidades.poly");
    if (!regions) return std::nullopt;
    DrawnMap map{RegionRaster(kMapaWidth, kMapaHeight), {}};
    for (const auto& [name, rings] : *regions) {
        const int community = std::atoi(name.c_str());
        if (community < 1 || community > kCommunityCount - 2) {
            ctx.diag.error({"geography/maps/comunidades.poly", 0},
                           "unknown community \"" + name + "\"");
            continue;
        }
        const Projection& p = community == kCanarias ? kCanariasInset : kMainland;
        map.raster.fill(p.rings(rings), community);
    }
    map.raster.disc(kCeutaMarker.x, kCeutaMarker.y, kMarkerRadius, kCeuta);
    map.raster.disc(kMelillaMarker.x, kMelillaMarker.y, kMarkerRadius, kMelilla);
    map.frame = insetFrame(map.raster, kCanarias);
    return map;
}

std::optional<DrawnMap> drawComarcas(CompileContext& ctx, const DistrictsSource& districts) {
    const auto regions = readPolygons(ctx, "comarcas.poly");
    if (!regions) return std::nullopt;
    DrawnMap map{RegionRaster(kSubMapWidth, kSubMapHeight), {}};
    const Projection p = comarcaProjection(*regions);
    for (const auto& [key, rings] : *regions) {
        const DistrictSource* comarca = districts.find(key);
        if (!comarca || comarca->code == 0) {
            ctx.diag.error({"geography/maps/comarcas.poly", 0}, "unknown comarca \"" + key + "\"");
            continue;
        }
        map.raster.fill(p.rings(rings), comarca->code);
    }
    return map;
}

// The capital's pixels go to the area of the nearest district.
void splitCapital(RegionRaster& raster, int capital, const std::vector<DistrictSeed>& seeds,
                  const Projection& p, const DistrictsSource& districts) {
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            if (raster.at(x, y) != capital) continue;
            double best = 1e18;
            int area = 0;
            for (const auto& seed : seeds) {
                const Point s = p(seed.where);
                const double d =
                    (s.x - x - 0.5) * (s.x - x - 0.5) + (s.y - y - 0.5) * (s.y - y - 0.5);
                const DistrictSource* district = districts.find(seed.area);
                if (d < best && district) best = d, area = district->code;
            }
            raster.set(x, y, area);
        }
}

std::optional<DrawnMap> drawAreas(CompileContext& ctx, const DistrictsSource& districts) {
    const auto regions = readPolygons(ctx, "madrid.poly");
    const auto seeds = readCapitalSeeds(ctx);
    if (!regions) return std::nullopt;
    DrawnMap map{RegionRaster(kSubMapWidth, kSubMapHeight), {}};
    const Projection p = areaProjection(*regions);
    constexpr int kCapital = 100;
    for (const auto& [key, rings] : *regions) {
        const DistrictSource* area = districts.find(key);
        if (key != "capital" && (!area || area->code == 0)) {
            ctx.diag.error({"geography/maps/madrid.poly", 0}, "unknown area \"" + key + "\"");
            continue;
        }
        map.raster.fill(p.rings(rings), key == "capital" ? kCapital : area->code);
    }
    splitCapital(map.raster, kCapital, seeds, p, districts);
    return map;
}

// Every region drawn, none on the edge the hit test skips nor beyond the grid's rows.
void checkRaster(CompileContext& ctx, const std::string& name, const RegionRaster& raster,
                 int regions, int firstRow, int lastRow) {
    std::vector<int> pixels(static_cast<std::size_t>(regions) + 1);
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x) {
            const int v = raster.at(x, y);
            if (!v) continue;
            if (x < 1 || x > RegionGrids::kColumns || y < firstRow || y > lastRow) {
                ctx.diag.error(name + ": region " + std::to_string(v) + " at pixel (" +
                               std::to_string(x) + ", " + std::to_string(y) +
                               ") lies outside its hit grid");
                return;
            }
            if (v <= regions) ++pixels[static_cast<std::size_t>(v)];
        }
    for (int v = 1; v <= regions; ++v)
        if (!pixels[static_cast<std::size_t>(v)])
            ctx.diag.error(name + ": region " + std::to_string(v) + " has no pixel");
}

// puntos3: row X holds column X of the three grids (communities, comarcas, areas).
std::string regionGrids(const RegionRaster& mapa, const RegionRaster& mapac,
                        const RegionRaster& mapam) {
    Record record(RegionGrids::kFileSize);
    for (int x = 1; x <= RegionGrids::kColumns; ++x) {
        const std::size_t row = static_cast<std::size_t>(x - 1) * RegionGrids::kIntsPerRow * 4;
        const auto put = [&](int index, int value) {  // index counts from 1
            record.setI32(row + static_cast<std::size_t>(index - 1) * 4, value);
        };
        for (int y = 1; y <= RegionGrids::kCommunityRows; ++y)
            put(y, mapa.at(x, y));
        for (int y = 1; y <= RegionGrids::kDistrictRows; ++y)
            put(220 + y, mapac.at(x, y));
        for (int y = 1; y <= RegionGrids::kCommunityRows; ++y)
            put(440 + y, mapam.at(x, y));
    }
    return record.bytes();
}

void writePicture(CompileContext& ctx, const std::string& name, const DrawnMap& map) {
    const auto pixels = paintMap(map.raster, MapStyle{}, map.frame);
    ctx.output.writeBinary(name, bmpFile(map.raster.width(), map.raster.height(), pixels));
}

}  // namespace

void compileMaps(CompileContext& ctx, const DistrictsSource& districts) {
    const auto mapa = drawCommunities(ctx);
    const auto mapac = drawComarcas(ctx, districts);
    const auto mapam = drawAreas(ctx, districts);
    if (!mapa || !mapac || !mapam) return;
    checkRaster(ctx, "mapa", mapa->raster, kCommunityCount, kFreeTopRows + 1,
                RegionGrids::kCommunityRows);
    checkRaster(ctx, "mapac", mapac->raster, kComarcaCount, 1, RegionGrids::kDistrictRows);
    checkRaster(ctx, "mapam", mapam->raster, kAreaCount, 1, RegionGrids::kCommunityRows);
    writePicture(ctx, "mapa", *mapa);
    writePicture(ctx, "mapac", *mapac);
    writePicture(ctx, "mapam", *mapam);
    ctx.output.writeBinary("puntos3", regionGrids(mapa->raster, mapac->raster, mapam->raster));
}

}  // namespace rumbelo::data
