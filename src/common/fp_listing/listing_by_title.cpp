#include "common/fp_listing/listing_by_title.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {

std::vector<int> centresOfProvince(const GeographyData& geo, int zone, char letter) {
    std::vector<int> centres;
    if (zone < 1 || zone > kZones) return centres;
    const ZoneTable& file = geo.zones[static_cast<std::size_t>(zone)];
    for (int k = 1; k <= file.count(); ++k) {
        const std::string& line = file.lines[k];
        if (!line.empty() && line[0] == letter) centres.push_back(k);
    }
    return centres;
}

std::optional<Listing> listByTitle(const FpFiles& files, const GeographyData& geo, int community,
                                   int t) {
    const auto provinces = provincesOf(geo, community);
    if (provinces.empty()) return std::nullopt;
    const int zone = zoneNumber(provinces.front().zone);
    if (zone == 0) return std::nullopt;
    const ZoneTable& file = geo.zones[static_cast<std::size_t>(zone)];
    const std::vector<int>& offered = files.offerRow(zone, t);
    Listing listing;
    for (const ProvinceEntry& province : provinces) {
        const char letter = province.placeKey.size() > 1 ? province.placeKey[1] : ' ';
        const auto centres = centresOfProvince(geo, zone, letter);
        const std::size_t before = listing.rows.size();
        if (provinces.size() > 1) listing.rows.push_back({"- " + province.headingName + spaces(7)});
        bool any = false;
        for (int centre : offered) {
            if (std::find(centres.begin(), centres.end(), centre) == centres.end()) continue;
            const std::string& line = file.lines[centre];
            listing.rows.push_back({centreText(line), centrePhone(line)});
            ++listing.centreRows;
            any = true;
        }
        if (!any)
            listing.rows.resize(before);
        else
            listing.rows.push_back({spaces(kRowWidth)});
    }
    return listing;
}

}  // namespace rumbelo::fp_listing
