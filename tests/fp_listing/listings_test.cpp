#include <gtest/gtest.h>

#include "common/fp_listing/listing_by_place.h"
#include "common/fp_listing/listing_by_title.h"
#include "common/fp_listing/route_test.h"
#include "common/text/fixed_text.h"
#include "fp_listing/fp_listing_fixture.h"

namespace rumbelo::fp_listing {
namespace {

using testing::FpListingFixture;
using testing::locality;

TEST(ListingByTitle, ProvinceHeadingsOnlyForSeveralProvincesInOfferOrder) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Dietética"});
    const int uno = fx.addCentre(3, '7',
                                 locality("Almer\xED"
                                          "a") +
                                     "IES Uno",
                                 "950000001");
    fx.addCentre(3, '8',
                 locality("C\xE1"
                          "diz") +
                     "IES Dos",
                 "956000002");
    const int tres = fx.addCentre(3, '7', locality("Roquetas") + "IES Tres", "950000003");
    fx.offer(3, 2, {tres, uno});

    const auto listing = listByTitle(fx.files(), fx.geo, 1, 2);
    ASSERT_TRUE(listing);
    ASSERT_EQ(listing->size(), 4);  // Cádiz teaches it nowhere: no heading, no blank row
    EXPECT_EQ(listing->rows[0].text, "- " +
                                         locality("Almer\xED"
                                                  "a",
                                                  35) +
                                         spaces(7));
    EXPECT_EQ(TrimRight(listing->rows[1].text), locality("Roquetas") + "IES Tres");
    EXPECT_EQ(listing->rows[1].phone, "950000003");
    EXPECT_EQ(listing->rows[2].phone, "950000001");
    EXPECT_EQ(listing->rows[3].text, spaces(60));

    // A title taught nowhere gives no rows, and the grid says so.
    const auto none = listByTitle(fx.files(), fx.geo, 1, 1);
    ASSERT_TRUE(none);
    const auto grid = gridRows(*none, true, 44, "No hay centros");
    EXPECT_EQ(grid.text, std::vector<std::string>{"No hay centros"});
}

TEST(ListingByTitle, ZoneTwoProvinceHHasNoLinesOfItsOwnAfterKeying) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Dietética"});
    const int north =
        fx.addCentre(2, 'H', locality("Alcobendas") + "IES Norte        1", "916000001");
    fx.addCentre(2, 'D', locality("Burgos") + "IES Sur", "947000001");
    fx.offer(2, 2, {north});
    keyAreaCentres(fx.geo.zones[2], fx.geo.districtKeys[2]);

    EXPECT_TRUE(centresOfProvince(fx.geo, 2, 'H').empty());
    EXPECT_EQ(centresOfProvince(fx.geo, 2, '8'), std::vector<int>{north});
    // Madrid (place key "2H") lists nothing by its letter; its centres come by area.
    const auto listing = listByTitle(fx.files(), fx.geo, 2, 2);
    ASSERT_TRUE(listing);
    EXPECT_TRUE(listing->rows.empty());
}

TEST(ListingByPlace, TitleClosedToTheRouteIsLeftOutAndItsCentreToo) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Dietética", "Higiene bucodental"});
    const int both = fx.addCentre(3, '7',
                                  locality("Almer\xED"
                                           "a") +
                                      "IES Uno",
                                  "950000001");
    const int closed = fx.addCentre(3, '7',
                                    locality("Almer\xED"
                                             "a") +
                                        "IES Dos",
                                    "950000002");
    fx.offer(3, 2, {both});
    fx.offer(3, 3, {both, closed});
    const std::vector<std::vector<int>> requirements{{}, {}, {8}, {9}};  // route 1, route 2

    PlaceListingOptions options;
    options.headingRows = {"Centros", "Ciencias  ", std::string(34, '_'), ""};
    options.listed = [&](int t) { return openToRoute(requirements[std::size_t(t)], 1); };
    const Listing listing = listByPlace(fx.files(), fx.geo, 3, {both, closed}, options);
    ASSERT_EQ(listing.size(), 4 + 3);
    EXPECT_EQ(listing.rows[4].text, "-" +
                                        locality("Almer\xED"
                                                 "a") +
                                        padTo("IES Uno", 27));
    EXPECT_EQ(listing.rows[4].phone, "950000001");
    EXPECT_EQ(listing.rows[5].title, 2);
    EXPECT_EQ(listing.titleAt(6), 0);  // the blank row after the centre
    EXPECT_EQ(listing.centreRows, 1);

    // Route 0 lists both titles under the first centre and brings the second centre back.
    options.listed = [&](int t) { return openToRoute(requirements[std::size_t(t)], 0); };
    options.topCentre = closed;
    const Listing all = listByPlace(fx.files(), fx.geo, 3, {both, closed}, options);
    EXPECT_EQ(all.centreRows, 2);
    EXPECT_EQ(all.topRow, 4 + 4);  // the chosen locality's first centre row
    EXPECT_EQ(all.titleAt(all.topRow + 1), 3);
}

// A locality of 17 characters is followed by the name at once in the centre file: the
// listings keep a blank between them, and never show the comarca key of column 45.
TEST(ListingByPlace, AFullLocalityStaysApartFromTheNameAndTheComarcaKeyIsNotShown) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Diet\xE9tica"});
    const int full =
        fx.addCentre(3, '7', "Cangas del NarceaIES Uno" + spaces(19) + "B", "985000001");
    const int shortName = fx.addCentre(3, '7', locality("Vera") + "IES Dos", "950000002");
    fx.offer(3, 2, {full, shortName});
    const Listing listing = listByPlace(fx.files(), fx.geo, 3, {full, shortName}, {});
    ASSERT_EQ(listing.size(), 6);
    EXPECT_EQ(listing.rows[0].text, "-Cangas del Narcea IES Uno" + spaces(19));
    EXPECT_EQ(listing.rows[3].text, "-" + locality("Vera") + padTo("IES Dos", 27));
    EXPECT_EQ(localitiesOf(fx.files(), fx.geo, 3, {full}, kShortLocality).names.front(),
              "Cangas del Narcea");
}

TEST(ListingByPlace, LocalitiesMergeOnlyConsecutiveEqualNames) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Dietética"});
    std::vector<int> centres;
    for (const char* town : {"Almer\xED"
                             "a",
                             "Almer\xED"
                             "a",
                             "Roquetas",
                             "Almer\xED"
                             "a",
                             "Vera"})
        centres.push_back(fx.addCentre(3, '7', locality(town) + "IES", "950000000"));
    fx.offer(3, 2, {centres[0], centres[1], centres[2], centres[3]});  // Vera teaches nothing

    const auto localities = localitiesOf(fx.files(), fx.geo, 3, centres, kShortLocality);
    EXPECT_EQ(localities.names, (std::vector<std::string>{locality("Almer\xED"
                                                                   "a"),
                                                          locality("Roquetas"),
                                                          locality("Almer\xED"
                                                                   "a")}));
    EXPECT_EQ(localities.firstCentre, (std::vector<int>{centres[0], centres[2], centres[3]}));
}

TEST(ListingByPlace, LongNameKeysCompareThirtyFiveCharacters) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Dietética"});
    const int a = fx.addCentre(4, 'A',
                               locality("Santa Eul\xE0lia de Ron\xE7"
                                        "ana",
                                        35) +
                                   "IES",
                               "938000001");
    const int b =
        fx.addCentre(4, 'A', locality("Santa Eul\xE0lia de Riuprimer", 35) + "IES", "938000002");
    fx.offer(4, 2, {a, b});
    const auto province = provincesOf(fx.geo, 3).front();
    ASSERT_EQ(province.placeKey, "4A");
    ASSERT_TRUE(province.longLocalities);

    EXPECT_EQ(localitiesOf(fx.files(), fx.geo, 4, {a, b}, kLongLocality).names.size(), 2u);
    EXPECT_EQ(localitiesOf(fx.files(), fx.geo, 4, {a, b}, kShortLocality).names.size(), 1u);
}

TEST(RouteTest, EntriesComeFromLineTwelveThenEightToEleven) {
    LineTable reqfp;
    for (int line = 1; line <= 12; ++line)
        reqfp.set(line, "-  Ruta " + std::to_string(line) + "   ");
    EXPECT_EQ(routeEntries(reqfp),
              (std::vector<std::string>{"Ruta 12", "Ruta 8", "Ruta 9", "Ruta 10", "Ruta 11"}));
    EXPECT_FALSE(openToRoute({}, 3));
    EXPECT_TRUE(openToRoute({31}, 3));
}

}  // namespace
}  // namespace rumbelo::fp_listing
