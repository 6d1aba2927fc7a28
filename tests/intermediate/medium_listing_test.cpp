// The intermediate-FP listings and reports over the shared FP listing core: what differs
// from higher FP (a title once under each centre, telephones always in the listing by
// title and in every printed centre line, the title report's parts and its 150-line rule).
#include <gtest/gtest.h>

#include "common/fp_listing/family_list.h"
#include "common/fp_listing/listing_by_title.h"
#include "common/text/fixed_text.h"
#include "fp_listing/fp_listing_fixture.h"
#include "intermediate/medium_fixture.h"
#include "support/numbered_texts.h"
#include "vocational/intermediate/listing/medium_listing.h"

namespace rumbelo::intermediate {
namespace {

using rumbelo::testing::FpListingFixture;
using rumbelo::testing::locality;
using rumbelo::testing::numberedTexts;

constexpr int kBarcelona = 3;  // the fixture's one-province community, key "4A"

// Community 3 with `n` centres teaching title 2; subjects lines 6-10 written, 11-25 blank.
FpListingFixture reportFixture(int n) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Farmacia"});
    fx.blocks.groups.assign(2, std::vector<std::string>(25));
    for (int i = 1; i <= 5; ++i)
        fx.blocks.groups[1][static_cast<std::size_t>(i - 1)] = "Puesto " + std::to_string(i);
    for (int i = 6; i <= 10; ++i)
        fx.blocks.groups[1][static_cast<std::size_t>(i - 1)] = "Modulo " + std::to_string(i);
    for (int i = 11; i <= 25; ++i)
        fx.blocks.groups[1][static_cast<std::size_t>(i - 1)] =
            spaces(static_cast<std::size_t>(i % 3));
    std::vector<int> centres;
    for (int k = 0; k < n; ++k)
        centres.push_back(fx.addCentre(4, 'A',
                                       locality("Sabadell", 35) + "IES " + std::to_string(k),
                                       "93700" + std::to_string(1000 + k)));
    fx.offer(4, 2, centres);
    return fx;
}

TEST(MediumTitleReport, OneHundredFiftyLinesPrintAndOneMoreOverEveryCommunityAsksWhich) {
    const auto texts = numberedTexts();
    ReportTable report;
    BoldLines bold;
    // 30 lines of texts, then the community: heading, empty line, centres, blank row.
    auto fits = reportFixture(117);
    const auto printed =
        mediumTitleReport(fits.files(), fits.geo, texts, 2, allCommunities(), report, bold);
    EXPECT_EQ(printed.lines, 150);
    EXPECT_FALSE(printed.needsSelection);
    EXPECT_EQ(report.title(), "Farmacia (t113)");
    EXPECT_EQ(report[1], "** t29 **");
    EXPECT_EQ(report[29], "-T317");
    // The bold lines: the three headings, then the community's heading.
    ASSERT_EQ(bold.count(), 4);
    EXPECT_EQ(report[bold.slot(4)].substr(0, 5), "***  ");
    // A printed centre line carries its telephone.
    EXPECT_EQ(report[33].substr(44), "937001000");

    auto tooLong = reportFixture(118);
    EXPECT_TRUE(
        mediumTitleReport(tooLong.files(), tooLong.geo, texts, 2, allCommunities(), report, bold)
            .needsSelection);
    // The same report over chosen communities prints whatever its length.
    EXPECT_FALSE(
        mediumTitleReport(tooLong.files(), tooLong.geo, texts, 2, {kBarcelona}, report, bold)
            .needsSelection);
    // With none chosen only the title part is left.
    EXPECT_EQ(mediumTitleReport(tooLong.files(), tooLong.geo, texts, 2, {}, report, bold).lines,
              30);
}

TEST(MediumTitleReport, FifteenBlankTrailingSubjectLinesKeepFour) {
    auto fx = reportFixture(1);
    ReportTable report;
    BoldLines bold;
    mediumTitleReport(fx.files(), fx.geo, numberedTexts(), 2, {kBarcelona}, report, bold);
    const int subjects = bold.slot(3);
    EXPECT_EQ(report[subjects], "** t312 **");
    EXPECT_EQ(report[subjects + 5], "Modulo 10");
    // Only the last 11 lines are looked at: lines 11-14 stay, then the underscores.
    EXPECT_TRUE(IsBlank(report[subjects + 9]));
    EXPECT_EQ(report[subjects + 10], std::string(34, '_'));
}

TEST(MediumListings, APlaceListsEachTitleOnceUnderACentreAndThePlaceReportKeepsPhones) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Farmacia", "Dietetica"});
    const int uno = fx.addCentre(4, 'A', locality("Sabadell", 35) + "IES Uno", "937000001");
    const int dos = fx.addCentre(4, 'A', locality("Terrassa", 35) + "IES Dos", "937000002");
    fx.offer(4, 2, {uno, uno});  // named twice in the offer row
    fx.offer(4, 3, {uno});
    const auto listing = mediumPlaceListing(fx.files(), fx.geo, 4, {uno, dos}, 0);
    ASSERT_EQ(listing.size(), 4);  // IES Dos teaches nothing and leaves nothing
    EXPECT_EQ(listing.titleAt(1), 2);
    EXPECT_EQ(listing.titleAt(2), 3);
    // The grid hides telephones when asked; the report never does.
    EXPECT_TRUE(fp_listing::gridRows(listing, false, 44).phone[0].empty());
    ReportTable report;
    BoldLines bold;
    const int n = mediumPlaceReport(listing, numberedTexts(), "Barcelona  ", report, bold);
    EXPECT_EQ(n, 4);
    EXPECT_EQ(report.title(), "t289: Barcelona - t113");
    EXPECT_EQ(report[1].substr(44), "937000001");
    EXPECT_EQ(bold.count(), 0);
}

TEST(MediumListings, ByTitleAlwaysCarriesPhonesAndTheQuestionnaireTakesOnlyCentres) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Farmacia"});
    const int almeria = fx.addCentre(3, '7',
                                     locality("Almer\xED"
                                              "a") +
                                         "IES Uno",
                                     "950000001");
    const int cadiz = fx.addCentre(3, '8',
                                   locality("C\xE1"
                                            "diz") +
                                       "IES Dos",
                                   "956000002");
    fx.offer(3, 2, {cadiz, almeria});
    const auto listing = fp_listing::listByTitle(fx.files(), fx.geo, 1, 2);
    ASSERT_TRUE(listing);
    const auto grid = fp_listing::gridRows(*listing, true, 44);
    EXPECT_EQ(grid.phone[1], "950000001");
    const auto lines = centreLines(*listing);
    ASSERT_EQ(lines.size(), 2u);  // no province headings, no blank rows
    EXPECT_EQ(lines[0].substr(44), "950000001");
    EXPECT_EQ(lines[1].substr(0, 5),
              "C\xE1"
              "diz");
}

TEST(MediumListings, LocalitiesMergeOnlyNeighboursAndUseLongNamesForKey4A) {
    FpListingFixture fx;
    fx.setTitles({"-Sanidad", "Farmacia"});
    // Two names equal on 17 characters but not on 35.
    const std::string longA = locality("Sant Cugat del Valles", 35);
    const std::string longB = locality("Sant Cugat del Vallcorba", 35);
    const int a = fx.addCentre(4, 'A', longA + "IES A", "1");
    const int b = fx.addCentre(4, 'A', longB + "IES B", "2");
    const int c = fx.addCentre(4, 'A', longA + "IES C", "3");
    const int d = fx.addCentre(4, 'A', longA + "IES D", "4");
    fx.offer(4, 2, {a, b, c, d});
    const auto provinces = provincesOf(fx.geo, kBarcelona);
    ASSERT_EQ(provinces.size(), 1u);
    ASSERT_TRUE(provinces[0].longLocalities);
    const auto localities = mediumLocalities(fx.files(), fx.geo, provinces[0], {a, b, c, d});
    ASSERT_EQ(localities.names.size(), 3u);  // A, B, then C and D once
    EXPECT_EQ(localities.firstCentre, (std::vector<int>{a, b, c}));
    ProvinceEntry shortNames = provinces[0];
    shortNames.longLocalities = false;
    EXPECT_EQ(mediumLocalities(fx.files(), fx.geo, shortNames, {a, b, c, d}).names.size(), 1u);
}

TEST(MediumListings, WithoutMarkedFamiliesEveryFamilyLosesItsFirstCharacter) {
    const auto fp2 = testing::fp2Of({"-Xagraria", "Jardineria", "-Ysanidad", "Farmacia"});
    ASSERT_EQ(fp2.firstGroupSize, 0);
    const auto list = fp_listing::buildFamilyList(fp2.families, fp2.firstGroupSize);
    EXPECT_EQ(list.rows, (std::vector<std::string>{"< agraria", "< sanidad"}));
    const auto marked = testing::fp2Of({"-Agraria", "T", "-|Deportes", "T"});
    EXPECT_EQ(fp_listing::buildFamilyList(marked.families, marked.firstGroupSize).rows,
              (std::vector<std::string>{"< Agraria", "< Deportes"}));
}

}  // namespace
}  // namespace rumbelo::intermediate
