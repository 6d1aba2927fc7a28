#include "fp_listing/fp_listing_fixture.h"

#include "common/text/fixed_text.h"

namespace rumbelo::testing {

FpListingFixture::FpListingFixture() {
    // Community 1 (base 1: keys "37", "38") has two provinces; community 2 (base 48: "2H")
    // and community 3 (base 35: "4A", long localities) stand for themselves.
    geo.communities.set(1, padTo("01Andaluc\xED"
                                 "a",
                                 53));
    geo.communities.set(2, padTo("48Madrid", 53));
    geo.communities.set(3, padTo("35Barcelona", 53));
    for (int c = 4; c <= kCommunityCount; ++c)
        geo.communities.set(c, padTo("99Otra", 53));
    geo.communities.set(20, padTo("01Almer\xED"
                                  "a",
                                  53));
    geo.communities.set(21, padTo("01C\xE1"
                                  "diz",
                                  53));
    geo.communityLines = 21;
    for (auto& zone : offerTable)
        zone.assign(kOfferRows + 1, {});
    blocks.groupSize = 25;
}

void FpListingFixture::setTitles(const std::vector<std::string>& lines) {
    titles.clear();
    for (std::size_t i = 0; i < lines.size(); ++i)
        titles.set(static_cast<int>(i) + 1, padTo(lines[i], 60));
}

int FpListingFixture::addCentre(int zone, char letter, const std::string& name,
                                const std::string& phone) {
    ZoneTable& file = geo.zones[static_cast<std::size_t>(zone)];
    const int k = file.count() + 1;
    file.lines.set(k, std::string(1, letter) + padTo(name, 45).substr(0, 44) + phone);
    file.codes.emplace_back();
    return k;
}

void FpListingFixture::offer(int zone, int t, std::vector<int> centres) {
    offerTable[static_cast<std::size_t>(zone - 1)][static_cast<std::size_t>(t)] =
        std::move(centres);
}

fp_listing::FpFiles FpListingFixture::files() const {
    return {titles, families, 0, blocks, offerTable};
}

std::string locality(const std::string& name, std::size_t width) {
    return padTo(name, static_cast<int>(width) + 1).substr(0, width);
}

}  // namespace rumbelo::testing
