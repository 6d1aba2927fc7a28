#include "common/fp_listing/listing_by_place.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {

bool centreTeachesAny(const FpFiles& files, int zone, int centre) {
    for (int t = 1; t <= files.titleCount(); ++t) {
        const auto& row = files.offerRow(zone, t);
        if (std::find(row.begin(), row.end(), centre) != row.end()) return true;
    }
    return false;
}

Localities localitiesOf(const FpFiles& files, const GeographyData& geo, int zone,
                        const std::vector<int>& centres, std::size_t width) {
    Localities localities;
    if (zone < 1 || zone > kZones) return localities;
    const ZoneTable& file = geo.zones[static_cast<std::size_t>(zone)];
    for (int centre : centres) {
        if (!centreTeachesAny(files, zone, centre)) continue;
        std::string name = cut(centreText(file.lines[centre]), width);
        if (!localities.names.empty() && localities.names.back() == name) continue;
        localities.names.push_back(std::move(name));
        localities.firstCentre.push_back(centre);
    }
    return localities;
}

Listing listByPlace(const FpFiles& files, const GeographyData& geo, int zone,
                    const std::vector<int>& centres, const PlaceListingOptions& options) {
    Listing listing;
    for (const std::string& heading : options.headingRows)
        listing.rows.push_back({heading});
    listing.headingRows = static_cast<int>(options.headingRows.size());
    if (zone < 1 || zone > kZones) return listing;
    const ZoneTable& file = geo.zones[static_cast<std::size_t>(zone)];
    bool topFound = options.topCentre == 0;
    for (int centre : centres) {
        const std::size_t centreRow = listing.rows.size();
        const std::string& line = file.lines[centre];
        listing.rows.push_back({"-" + centreText(line), centrePhone(line)});
        const auto titleRow = [&](int t) {
            return options.titleText ? options.titleText(t) : files.titles[t];
        };
        if (options.titlesOfCentre) {
            for (int t : options.titlesOfCentre(centre))
                if (!options.listed || options.listed(t))
                    listing.rows.push_back({titleRow(t), {}, t});
        }
        for (int t = 1; !options.titlesOfCentre && t <= files.titleCount(); ++t) {
            if (options.listed && !options.listed(t)) continue;
            const auto& row = files.offerRow(zone, t);
            const auto times =
                options.rowPerOfferEntry
                    ? std::count(row.begin(), row.end(), centre)
                    : std::min<std::ptrdiff_t>(1, std::count(row.begin(), row.end(), centre));
            for (std::ptrdiff_t i = 0; i < times; ++i)
                listing.rows.push_back({titleRow(t), {}, t});
        }
        if (listing.rows.size() == centreRow + 1) {
            listing.rows.pop_back();
            continue;
        }
        listing.rows.push_back({spaces(kRowWidth)});
        ++listing.centreRows;
        // The locality's first centre may teach nothing on this route; the next one kept
        // from there on still starts the locality.
        if (!topFound && centre >= options.topCentre) {
            listing.topRow = static_cast<int>(centreRow);
            topFound = true;
        }
    }
    return listing;
}

}  // namespace rumbelo::fp_listing
