#include "common/geography/geography.h"

#include "common/text/fixed_text.h"

namespace rumbelo {
namespace {

constexpr int kHeadingLength = 35;
constexpr int kDistrictWidth = 20;
constexpr int kAreaWidth = 25;
constexpr std::size_t kKeyColumn = 45;
const char* const kLongLocalityKeys[] = {"1J", "2H", "2G", "3G", "3E", "41", "45", "4A"};

struct KeyedRun {
    char renamedFrom;
    char start;
    char end;  // 0: to the end of the file
};

void keyRun(ZoneTable& zone, std::vector<std::string>& keys, const KeyedRun& run) {
    keys.assign(static_cast<std::size_t>(zone.count()) + 1, std::string());
    for (int k = 1; k <= zone.count(); ++k) {
        std::string line = zone.lines[k];
        if (!line.empty() && line[0] == run.renamedFrom) {
            line[0] = run.start;
            zone.lines.set(k, line);
        }
    }
    bool inRun = false;
    for (int k = 1; k <= zone.count(); ++k) {
        std::string line = zone.lines[k];
        const char first = line.empty() ? ' ' : line[0];
        if (run.end && first == run.end) break;
        if (first == run.start) inRun = true;
        if (!inRun) continue;
        // Padding only a short line: the telephone after the key column must stay.
        if (line.size() < kKeyColumn) line = padTo(line, static_cast<int>(kKeyColumn));
        keys[static_cast<std::size_t>(k)] = std::string(1, line[0]) + line[kKeyColumn - 1];
        line[kKeyColumn - 1] = ' ';
        zone.lines.set(k, line);
    }
}

bool isLongLocalityKey(const std::string& key) {
    for (const char* longKey : kLongLocalityKeys)
        if (key == longKey) return true;
    return false;
}

std::vector<int> centresWithKey(const GeographyData& geo, int zone, const std::string& key) {
    std::vector<int> lines;
    if (key.empty()) return lines;
    const auto& keys = geo.districtKeys[static_cast<std::size_t>(zone)];
    for (std::size_t k = 1; k < keys.size(); ++k)
        if (keys[k] == key) lines.push_back(static_cast<int>(k));
    return lines;
}

}  // namespace

void loadPlaceFiles(DataFiles& files, GeographyData& geo) {
    geo.communityLines = ReadLineTable(files, "COMUNIDA", geo.communities, kCommunityFileWidth);
    ReadPlaceList(files, "LUGAR", geo.places);
    ReadCommunityInfo(files, "COMUINT", geo.communityWeb);
    for (int z = 1; z <= 4; ++z)
        ReadZoneFile(files, "LU" + std::to_string(z), geo.zones[static_cast<std::size_t>(z)]);
}

void loadDistrictFiles(DataFiles& files, GeographyData& geo) {
    ReadDistricts(files, "comarcas", kDistrictWidth, geo.comarcas);
    geo.listBarcelona.clear();
    for (int k = kFirstListedComarca; k <= geo.comarcas.count && k <= Districts::kCapacity; ++k)
        geo.listBarcelona.push_back(geo.comarcas.names[static_cast<std::size_t>(k)]);
    keyComarcaCentres(geo.zones[4], geo.districtKeys[4]);
    ReadDistrictGroups(files, "comarcasm", kAreaWidth, geo.areas);
    keyAreaCentres(geo.zones[2], geo.districtKeys[2]);
}

void keyComarcaCentres(ZoneTable& zone, std::vector<std::string>& keys) {
    keyRun(zone, keys, {'A', '5', 0});
}

void keyAreaCentres(ZoneTable& zone, std::vector<std::string>& keys) {
    keyRun(zone, keys, {'H', '8', 'D'});
}

int universityCommunity(int community) {
    return community == 18 || community == 19 ? 1 : community;
}

std::vector<ProvinceEntry> provincesOf(const GeographyData& geo, int community) {
    std::vector<ProvinceEntry> provinces;
    if (community < 1 || community > kCommunityCount) return provinces;
    std::vector<int> lines;
    for (int k = kCommunityCount + 1; k <= geo.communityLines; ++k)
        if (parseNumber(cols(geo.communities[k], 1, 2)) == community) lines.push_back(k);
    if (lines.empty()) lines.push_back(community);
    const int base = parseNumber(cols(geo.communities[community], 1, 2)).value_or(0);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        ProvinceEntry entry;
        const std::string& line = geo.communities[lines[i]];
        entry.listName = colsFrom(line, 3);
        entry.headingName = cut(entry.listName, kHeadingLength);
        const int position = base + static_cast<int>(i);
        if (position >= 1 && position <= kPlaceKeyCount) {
            entry.placeKey = geo.placeKeys[static_cast<std::size_t>(position - 1)];
            entry.zone = entry.placeKey[0];
            entry.letter = entry.placeKey[1];
            entry.longLocalities = isLongLocalityKey(entry.placeKey);
        }
        provinces.push_back(entry);
    }
    return provinces;
}

std::string communityHint(const GeographyData& geo, int community) {
    if (community < 1 || community > kCommunityCount) return {};
    return TrimRight(colsFrom(geo.communities[community], 3));
}

std::vector<int> placesOf(const GeographyData& geo, int community) {
    const int code = universityCommunity(community);
    std::vector<int> places;
    for (int k = 1; k <= geo.places.count(); ++k)
        if (geo.places.code(k) == code) places.push_back(k);
    return places;
}

std::vector<int> centresOfComarca(const GeographyData& geo, int comarca) {
    if (comarca < 1 || comarca > Districts::kCapacity) return {};
    return centresWithKey(geo, 4, geo.comarcas.keys[static_cast<std::size_t>(comarca)]);
}

std::vector<int> centresOfArea(const GeographyData& geo, int area) {
    if (area < 1 || area > DistrictGroups::kGroups) return {};
    const auto& lines = geo.areas.linesOfGroup[static_cast<std::size_t>(area)];
    if (lines.empty()) return {};
    return centresWithKey(geo, 2, geo.areas.keys[static_cast<std::size_t>(lines.front())]);
}

std::string comarcaName(const GeographyData& geo, int comarca) {
    if (comarca < 1 || comarca > Districts::kCapacity) return {};
    return geo.comarcas.names[static_cast<std::size_t>(comarca)];
}

std::string areaHint(const GeographyData& geo, int area) {
    if (area < 1 || area > DistrictGroups::kGroups) return {};
    const auto& lines = geo.areas.linesOfGroup[static_cast<std::size_t>(area)];
    if (lines.empty()) return {};
    const auto name = [&](std::size_t i) {
        return i < lines.size() ? geo.areas.names[static_cast<std::size_t>(lines[i])]
                                : std::string();
    };
    std::string hint = name(0) + " - " + name(1);
    if (lines.size() > 2) hint += " - " + name(2);
    return hint;
}

}  // namespace rumbelo
