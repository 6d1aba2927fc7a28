// Loads the geography of a built folder through the program's own loader and reports what
// the program would trip over: place keys without a province, universities beyond a
// community's list, centres with a letter no place lists, comarcas and areas without
// centres or without pixels, maps whose pictures disagree with their hit grids, and
// rectangles of the initial-programmes map off their community.
#include "data/geography/geography_check.h"

#include <map>
#include <set>

#include "common/data/region_grids.h"
#include "common/geography/geography.h"
#include "common/region_map/rectangle_map.h"
#include "common/text/fixed_text.h"

namespace rumbelo::data {
namespace {

void checkPlaceKeys(CheckContext& ctx, const GeographyData& geo) {
    std::map<std::string, int> owners;
    for (int c = 1; c <= kCommunityCount; ++c)
        for (const auto& province : provincesOf(geo, c)) {
            if (province.placeKey.empty())
                ctx.problem("COMUNIDA: community " + std::to_string(c) +
                            " has a province beyond the 64 place keys");
            else if (owners[province.placeKey]++)
                ctx.problem("COMUNIDA: place key " + province.placeKey +
                            " belongs to two provinces");
        }
    for (const auto& key : geo.placeKeys)
        if (!owners.count(key)) ctx.problem("COMUNIDA: place key " + key + " has no province");
}

void checkPlaces(CheckContext& ctx, const GeographyData& geo) {
    if (geo.places.count() > 255) ctx.problem("LUGAR: more than 255 places");
    std::map<int, int> perCommunity;
    for (int k = 1; k <= geo.places.count(); ++k) {
        const int code = geo.places.code(k);
        if (code < 1 || code > 17)
            ctx.problem("LUGAR line " + std::to_string(k) + ": community " + std::to_string(code) +
                        " is never listed");
        if (geo.places.descriptions[k].empty())
            ctx.problem("LUGAR line " + std::to_string(k) + ": no web address");
        ++perCommunity[code];
    }
    for (const auto& [code, count] : perCommunity)
        if (count > 28)
            ctx.problem("LUGAR: community " + std::to_string(code) + " has " +
                        std::to_string(count) + " places; its list holds 28");
    if (geo.communityWeb.count() < kCommunityCount)
        ctx.problem("COMUINT: fewer than 19 communities");
}

void checkCentreLetters(CheckContext& ctx, const GeographyData& geo) {
    std::map<char, std::set<char>> letters;  // zone -> letters of its place keys
    for (const auto& key : geo.placeKeys)
        letters[key[0]].insert(key[1]);
    for (int z = 1; z <= 4; ++z) {
        const ZoneTable& zone = geo.zones[static_cast<std::size_t>(z)];
        for (int k = 1; k <= zone.count(); ++k) {
            const std::string& line = zone.lines[k];
            if (line.empty() || !letters[static_cast<char>('0' + z)].count(line[0]))
                ctx.problem("LU" + std::to_string(z) + " line " + std::to_string(k) +
                            ": no place lists its letter");
            if (!parseNumber(cols(line, 46, 54)))
                ctx.problem("LU" + std::to_string(z) + " line " + std::to_string(k) +
                            ": no telephone");
        }
    }
}

void checkDistricts(CheckContext& ctx, const GeographyData& geo) {
    std::set<int> codes;
    for (int line = 1; line <= Districts::kCoded; ++line)
        codes.insert(geo.comarcas.codeOfLine[static_cast<std::size_t>(line)]);
    for (int k = 1; k <= Districts::kCoded; ++k) {
        if (!codes.count(k)) ctx.problem("comarcas: no line carries code " + std::to_string(k));
        if (k != kComarcaWithList && centresOfComarca(geo, k).empty())
            ctx.problem("comarcas: comarca " + std::to_string(k) + " lists no centre");
    }
    for (int i = 0; i < static_cast<int>(geo.listBarcelona.size()); ++i) {
        const bool empty = centresOfComarca(geo, kFirstListedComarca + i).empty();
        if (i != kInertListEntry && empty)
            ctx.problem("comarcas: entry " + std::to_string(i) + " of the list has no centre");
    }
    for (int k = 1; k <= DistrictGroups::kGroups; ++k)
        if (areaHint(geo, k).empty() || centresOfArea(geo, k).empty())
            ctx.problem("comarcasm: area " + std::to_string(k) + " is missing or lists no centre");
    // Every keyed centre can be reached from a map or the list.
    std::set<std::string> comarcaKeys(geo.comarcas.keys.begin(), geo.comarcas.keys.end());
    for (const auto& key : geo.districtKeys[4])
        if (!key.empty() && !comarcaKeys.count(key))
            ctx.problem("LU4: comarca key \"" + key + "\" names no comarca");
    std::set<std::string> areaKeys;
    for (int k = 1; k <= DistrictGroups::kGroups; ++k)
        for (const int line : geo.areas.linesOfGroup[static_cast<std::size_t>(k)])
            areaKeys.insert(geo.areas.keys[static_cast<std::size_t>(line)]);
    for (const auto& key : geo.districtKeys[2])
        if (!key.empty() && !areaKeys.count(key))
            ctx.problem("LU2: area key \"" + key + "\" names no area");
}

// A 24-bit BMP: width, height and the colour of pixel (x, y) from the top left.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::string bytes;
    std::uint32_t colour(int x, int y) const {
        const int rowBytes = (width * 3 + 3) / 4 * 4;
        const std::size_t at = 54 + static_cast<std::size_t>((height - 1 - y) * rowBytes + x * 3);
        return static_cast<unsigned char>(bytes[at]) |
               static_cast<unsigned char>(bytes[at + 1]) << 8 |
               static_cast<unsigned char>(bytes[at + 2]) << 16;
    }
};

std::optional<Bitmap> readBitmap(CheckContext& ctx, const std::string& name, int width,
                                 int height) {
    const auto bytes = ctx.files.read(name);
    const auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = v << 8 | static_cast<unsigned char>((*bytes)[at + static_cast<std::size_t>(i)]);
        return v;
    };
    if (!bytes || bytes->size() < 54 || bytes->substr(0, 2) != "BM" || (*bytes)[28] != 24) {
        ctx.problem(name + ": missing or not a 24-bit bitmap");
        return std::nullopt;
    }
    Bitmap bitmap{static_cast<int>(u32(18)), static_cast<int>(u32(22)), *bytes};
    if (bitmap.width != width || bitmap.height != height) {
        ctx.problem(name + ": " + std::to_string(bitmap.width) + "x" +
                    std::to_string(bitmap.height) + " pixels; the program shows " +
                    std::to_string(width) + "x" + std::to_string(height));
        return std::nullopt;
    }
    // A header can promise more rows than the file holds.
    const std::size_t rowBytes = static_cast<std::size_t>((width * 3 + 3) / 4 * 4);
    const std::size_t needed = 54 + rowBytes * static_cast<std::size_t>(height);
    if (bytes->size() < needed) {
        ctx.problem(name + ": " + std::to_string(bytes->size()) + " bytes; its " +
                    std::to_string(width) + "x" + std::to_string(height) + " pixels need " +
                    std::to_string(needed));
        return std::nullopt;
    }
    return bitmap;
}

// No region pixel shows the sea's colour (the top-left pixel), and every region can be hit.
template <typename Lookup>
void checkPicture(CheckContext& ctx, const std::string& name, const Bitmap& bitmap, int rows,
                  int regions, Lookup regionAt) {
    const std::uint32_t sea = bitmap.colour(0, 0);
    std::set<int> hit;
    for (int x = 1; x < bitmap.width && x <= RegionGrids::kColumns; ++x)
        for (int y = 1; y < bitmap.height && y <= rows; ++y) {
            const int region = regionAt(x, y);
            if (region >= 1 && region <= regions) hit.insert(region);
            if (region != 0 && bitmap.colour(x, y) == sea) {
                ctx.problem(name + ": pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                            ") disagrees with its hit grid");
                return;
            }
        }
    if (static_cast<int>(hit.size()) != regions)
        ctx.problem(name + ": " + std::to_string(hit.size()) + " of " + std::to_string(regions) +
                    " regions can be clicked");
}

void checkMaps(CheckContext& ctx) {
    const auto bytes = ctx.files.read("puntos3");
    const auto grids = bytes ? RegionGrids::fromBytes(*bytes) : std::nullopt;
    if (!grids || bytes->size() != RegionGrids::kFileSize) {
        ctx.problem("puntos3: missing or not 714864 bytes");
        return;
    }
    for (int x = 1; x <= RegionGrids::kColumns; ++x)
        for (int y = 1; y <= 24; ++y)
            if (grids->community(x, y)) {
                ctx.problem("puntos3: community grid row " + std::to_string(y) +
                            " must stay free: the area grid reads it as its rows 197-220");
                x = RegionGrids::kColumns;
                break;
            }
    // The initial-programmes section reads mapa through its rectangle table: each
    // rectangle's centre must lie on the community it names.
    const auto& rectangles = region_map::communityRectangles();
    for (std::size_t i = 0; i < rectangles.size(); ++i) {
        const auto& r = rectangles[i];
        const int x = (r.left + r.right) / 2 - 5, y = (r.top + r.bottom) / 2 - 90;
        const int c = static_cast<int>(i) + 1;
        if (grids->community(x, y) != c || region_map::rectangleCommunityAt(x, y) != c)
            ctx.problem("mapa: the centre of community " + std::to_string(c) + "'s rectangle (" +
                        std::to_string(x) + ", " + std::to_string(y) + ") lies on community " +
                        std::to_string(grids->community(x, y)));
    }
    if (const auto mapa = readBitmap(ctx, "mapa", 286, 214))
        checkPicture(ctx, "mapa", *mapa, RegionGrids::kCommunityRows, kCommunityCount,
                     [&](int x, int y) { return grids->community(x, y); });
    if (const auto mapac = readBitmap(ctx, "mapac", 281, 220))
        checkPicture(ctx, "mapac", *mapac, RegionGrids::kDistrictRows, Districts::kCoded,
                     [&](int x, int y) { return grids->comarca(x, y); });
    if (const auto mapam = readBitmap(ctx, "mapam", 281, 220))
        checkPicture(ctx, "mapam", *mapam, RegionGrids::kDistrictRows, DistrictGroups::kGroups,
                     [&](int x, int y) { return grids->area(x, y); });
}

}  // namespace

void checkGeography(CheckContext& ctx) {
    GeographyData geo;
    loadPlaceFiles(ctx.files, geo);
    if (ctx.aborted) return;
    checkPlaceKeys(ctx, geo);
    checkPlaces(ctx, geo);
    checkCentreLetters(ctx, geo);
    loadDistrictFiles(ctx.files, geo);
    checkDistricts(ctx, geo);
    checkMaps(ctx);
}

}  // namespace rumbelo::data
