// data/geography/comunidades.tsv and provincias.tsv: the communities in the program's fixed
// numbering and the provinces (with island groups and capitals) that take the place keys.
#include "data/geography/places.h"

#include <set>

#include "common/data/line_order.h"
#include "common/text/fixed_text.h"
#include "data/output.h"
#include "data/source.h"

namespace rumbelo::data {
namespace {

// Community names are printed in capitals in 30 columns of the title reports.
constexpr std::size_t kCommunityNameLength = 30;
// Province names head listings cut to 35 characters.
constexpr std::size_t kProvinceNameLength = 35;
// The community info reader keeps 60 characters of an address.
constexpr std::size_t kAddressLength = 60;

void checkLength(const std::string& cp1252, std::size_t limit, const SourcePos& pos,
                 Diagnostics& diag, const std::string& what) {
    if (cp1252.size() > limit)
        diag.error(pos, what + " is " + std::to_string(cp1252.size()) +
                            " characters long; at most " + std::to_string(limit) + " are shown");
}

void readCommunities(const std::filesystem::path& src, Diagnostics& diag, PlacesSource& places) {
    const auto source = readSource(src, "geography/comunidades.tsv", diag);
    if (!source) return;
    for (const auto& line : source->lines) {
        const auto number = parseNumber(line.field(0));
        const int expected = static_cast<int>(places.communities.size()) + 1;
        if (!number || *number != expected) {
            diag.error(line.pos, "expected community number " + std::to_string(expected));
            continue;
        }
        if (line.field(1).empty() || line.field(2).empty() || line.field(3).empty()) {
            diag.error(line.pos, "expected number<TAB>key<TAB>name<TAB>address");
            continue;
        }
        CommunitySource community;
        community.number = *number;
        community.key = line.field(1);
        community.name = toCp1252(line.field(2), line.pos, diag);
        community.fpWeb = toCp1252(line.field(3), line.pos, diag);
        community.pos = line.pos;
        checkLength(community.name, kCommunityNameLength, line.pos, diag, "community name");
        checkLength(community.fpWeb, kAddressLength, line.pos, diag, "address");
        if (community.fpWeb.rfind("http", 0) == 0)
            diag.error(line.pos, "write the address without \"http://\"");
        for (const auto& other : places.communities)
            if (other.key == community.key)
                diag.error(line.pos, "duplicate community key \"" + community.key + "\"");
        places.communities.push_back(community);
    }
    if (places.communities.size() != kCommunityCount)
        diag.error({source->name, 0}, "the program has 19 communities; " +
                                          std::to_string(places.communities.size()) + " given");
}

void readProvinces(const std::filesystem::path& src, Diagnostics& diag, PlacesSource& places) {
    const auto source = readSource(src, "geography/provincias.tsv", diag);
    if (!source) return;
    const PlaceKeys keys = FillPlaceKeys();
    std::set<std::string> seenKeys;
    int lastCommunity = 0;
    std::set<int> closedCommunities;
    for (const auto& line : source->lines) {
        const int position = static_cast<int>(places.provinces.size()) + 1;
        if (position > kPlaceKeyCount) {
            diag.error(line.pos, "the place-key list has 64 places; this line has no key left");
            continue;
        }
        const CommunitySource* community = places.community(line.field(1));
        if (line.field(0).empty() || line.field(3).empty() || !community) {
            diag.error(line.pos, community ? "expected key<TAB>community<TAB>place key<TAB>name"
                                           : "unknown community \"" + line.field(1) + "\"");
            continue;
        }
        const std::string& expectedKey = keys[static_cast<std::size_t>(position - 1)];
        if (line.field(2) != expectedKey)
            diag.error(line.pos, "place " + std::to_string(position) + " has the key \"" +
                                     expectedKey + "\", not \"" + line.field(2) + "\"");
        if (!seenKeys.insert(line.field(0)).second)
            diag.error(line.pos, "duplicate province key \"" + line.field(0) + "\"");
        ProvinceSource province;
        province.key = line.field(0);
        province.community = community->number;
        province.placeKey = expectedKey;
        province.position = position;
        province.name = toCp1252(line.field(3), line.pos, diag);
        province.pos = line.pos;
        checkLength(province.name, kProvinceNameLength, line.pos, diag, "province name");
        // A community's places are a run of the list that starts at its base position.
        if (province.community != lastCommunity) {
            if (closedCommunities.count(province.community))
                diag.error(line.pos, "the provinces of " + community->key +
                                         " must follow one another in the place-key list");
            if (lastCommunity) closedCommunities.insert(lastCommunity);
            lastCommunity = province.community;
            places.communities[static_cast<std::size_t>(province.community - 1)].basePosition =
                position;
        }
        places.provinces.push_back(province);
    }
    if (places.provinces.size() != kPlaceKeyCount)
        diag.error({source->name, 0}, "every one of the 64 place keys needs a province line; " +
                                          std::to_string(places.provinces.size()) + " given");
    for (const auto& community : places.communities)
        if (community.basePosition == 0)
            diag.error(community.pos, "community " + community.key + " has no province");
}

}  // namespace

const CommunitySource* PlacesSource::community(const std::string& key) const {
    for (const auto& community : communities)
        if (community.key == key) return &community;
    return nullptr;
}

const ProvinceSource* PlacesSource::province(const std::string& key) const {
    for (const auto& province : provinces)
        if (province.key == key) return &province;
    return nullptr;
}

std::optional<PlacesSource> readPlaces(const std::filesystem::path& src, Diagnostics& diag) {
    PlacesSource places;
    readCommunities(src, diag, places);
    if (places.communities.size() != kCommunityCount) return std::nullopt;
    readProvinces(src, diag, places);
    return places;
}

}  // namespace rumbelo::data
