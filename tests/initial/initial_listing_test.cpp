// The initial-programmes rows on crafted files: a group's popup letter by letter, the
// module panel and subjects of a programme, the rectangle map, the centres of a programme
// in a community and of a place with their programmes, and the programme's report.
#include <gtest/gtest.h>

#include "common/fp_listing/listing_by_title.h"
#include "common/print/report_table.h"
#include "common/region_map/rectangle_map.h"
#include "common/text/fixed_text.h"
#include "fp_listing/fp_listing_fixture.h"
#include "support/numbered_texts.h"
#include "vocational/initial/listing/initial_listing.h"

namespace rumbelo::initial {
namespace {

std::vector<std::string> groupsThen(const std::string& first, std::vector<std::string> lines) {
    std::vector<std::string> fpip{first};
    for (int g = 2; g <= 8; ++g)
        fpip.push_back("H   Grupo");
    fpip.push_back("0   Buscar por lugar");
    fpip.insert(fpip.end(), lines.begin(), lines.end());
    return fpip;
}

// Five module lines for each of `count` programmes: "m<p>.<i>", or what `fifth` says for
// the fifth line of programme 2.
std::vector<std::string> modulesFor(int count, const std::string& fifth = "m2.5") {
    std::vector<std::string> lines;
    for (int p = 1; p <= count; ++p)
        for (int i = 1; i <= kModuleLines; ++i)
            lines.push_back(p == 2 && i == 5 ? fifth
                                             : "m" + std::to_string(p) + "." + std::to_string(i));
    return lines;
}

LineTable information() {
    LineTable table;
    table.set(1, "10Otra cosa");
    table.set(2, "38Tener entre 16 y 21 a\xF1os");
    table.set(3, "39Formaci\xF3n b\xE1sica");
    table.set(4, "38No tener el t\xEDtulo de ESO");
    table.set(5, "39Orientaci\xF3n laboral");
    return table;
}

void setCodes(GeographyData& geo, int zone, int centre, std::vector<int> codes) {
    CentreCodes& c =
        geo.zones[static_cast<std::size_t>(zone)].codes[static_cast<std::size_t>(centre)];
    c.count = static_cast<std::uint8_t>(codes.size());
    for (std::size_t j = 0; j < codes.size(); ++j)
        c.codes[j] = static_cast<std::uint8_t>(codes[j]);
}

const std::vector<std::string> kProgrammes = {"B-Campo",
                                              "BAuxiliar de jardines",
                                              "A-Oficina",
                                              "AAuxiliar de oficina",
                                              "HAyudante de cocina",
                                              "BAuxiliar de viveros",
                                              "AAuxiliar de datos"};

TEST(InitialPopup, AGroupOfTwoLettersListsCategoryAThenBInFileOrderWithTheirSubHeadings) {
    const auto files = programmeFilesFrom(groupsThen("AB  Oficina y campo", kProgrammes), {});
    std::vector<std::string> texts;
    std::vector<bool> headings;
    for (const PopupRow& row : popupRows(files, 1)) {
        texts.push_back(row.text);
        headings.push_back(row.heading);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "Oficina", "\x95 Auxiliar de oficina", "\x95 Auxiliar de datos", "Campo",
                         "\x95 Auxiliar de jardines", "\x95 Auxiliar de viveros"}));
    EXPECT_EQ(headings, (std::vector<bool>{true, false, false, true, false, false}));
}

TEST(InitialPanels, ASubHeadingHasNoModulePanelAndAProgrammeShowsItsFiveLines) {
    const auto files =
        programmeFilesFrom(groupsThen("AB  Oficina y campo", kProgrammes), modulesFor(7));
    const auto texts = testing::numberedTexts();
    EXPECT_TRUE(modulePanel(files, texts, 1).empty());
    const auto panel = modulePanel(files, texts, 2);
    ASSERT_EQ(panel.size(), 6u);
    EXPECT_EQ(panel[0], "    t501");
    EXPECT_EQ(TrimRight(panel[1]), "m2.1");
    EXPECT_EQ(TrimRight(panel[5]), "m2.5");
}

TEST(InitialPanels, SubjectsSeparateTheModulesFromTheCommonSubjectsUnlessTheFifthLineRunsOn) {
    const auto texts = testing::numberedTexts();
    const auto separated =
        programmeFilesFrom(groupsThen("AB  Oficina y campo", kProgrammes), modulesFor(7));
    const auto rows = subjectRows(separated, texts, information(), 2);
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], "t67");
    EXPECT_EQ(TrimRight(rows[5]), "m2.5");
    EXPECT_EQ(rows[6], "");
    EXPECT_EQ(rows[7], "Formaci\xF3n b\xE1sica");
    EXPECT_EQ(rows[8], "Orientaci\xF3n laboral");

    const auto runsOn = programmeFilesFrom(groupsThen("AB  Oficina y campo", kProgrammes),
                                           modulesFor(7, "     y riego"));
    const auto joined = subjectRows(runsOn, texts, information(), 2);
    ASSERT_EQ(joined.size(), 8u);
    EXPECT_EQ(TrimRight(joined[5]), "     y riego");
    EXPECT_EQ(joined[6], "Formaci\xF3n b\xE1sica");
    // Four blanks are not a continuation.
    const auto fourBlanks = programmeFilesFrom(groupsThen("AB  Oficina y campo", kProgrammes),
                                               modulesFor(7, "    riego"));
    EXPECT_EQ(subjectRows(fourBlanks, texts, information(), 2)[6], "");
}

TEST(RectangleMap, APointInTwoRectanglesBelongsToTheLowerNumberedCommunity) {
    using region_map::MapRectangle;
    // The map's point (x, y) is tested at (x + 5, y + 90).
    const std::vector<MapRectangle> table{{0, 100, 20, 120}, {10, 110, 40, 140}};
    EXPECT_EQ(region_map::rectangleCommunityAt(table, 10, 25), 1);  // (15, 115): both
    EXPECT_EQ(region_map::rectangleCommunityAt(table, 20, 25), 2);  // (25, 115): right edge out
    EXPECT_EQ(region_map::rectangleCommunityAt(table, 0, 9), 1);    // (5, 99): the row above top
    EXPECT_EQ(region_map::rectangleCommunityAt(table, 0, 8), 0);
    EXPECT_EQ(region_map::rectangleCommunityAt(table, 36, 50), 0);  // (41, 140): bottom edge out
    // The section's own table: Madrid's rectangle, and the sea.
    EXPECT_EQ(region_map::rectangleCommunityAt(110, 80), 13);
    EXPECT_EQ(region_map::rectangleCommunityAt(0, 0), 0);
}

struct InitialPlaces : ::testing::Test {
    InitialPlaces() {
        // Almería ("37": zone 3, letter 7) and Cádiz ("38": letter 8) make community 1.
        alm1 = fix.addCentre(3, '7',
                             testing::locality("Almer\xED"
                                               "a") +
                                 "IES Uno",
                             "950111111");
        alm2 = fix.addCentre(3, '7',
                             testing::locality("Almer\xED"
                                               "a") +
                                 "IES Dos",
                             "950222222");
        roq = fix.addCentre(3, '7', testing::locality("Roquetas") + "IES Tres", "950333333");
        cad = fix.addCentre(3, '8',
                            testing::locality("C\xE1"
                                              "diz") +
                                "IES Cuatro",
                            "956444444");
        setCodes(fix.geo, 3, alm1, {4, 2});
        setCodes(fix.geo, 3, alm2, {});
        setCodes(fix.geo, 3, roq, {2, 1, 55});  // a sub-heading and a number past the file
        setCodes(fix.geo, 3, cad, {7});
    }
    testing::FpListingFixture fix;
    int alm1 = 0, alm2 = 0, roq = 0, cad = 0;
    ProgrammeFiles files =
        programmeFilesFrom(groupsThen("AB  Oficina y campo", kProgrammes), modulesFor(7));
};

TEST_F(InitialPlaces, AProgrammesCentresInACommunityComeProvinceByProvinceAndNoneBeeps) {
    const ProgrammeOffer offer(files, fix.geo);
    const auto listing = programmeCentres(offer, fix.geo, 1, 2);
    ASSERT_TRUE(listing);
    std::vector<std::string> rows;
    for (const auto& row : listing->rows)
        rows.push_back(TrimRight(row.text) + "|" + row.phone);
    // Cádiz offers nothing of programme 2: no heading, no blank row.
    EXPECT_EQ(rows,
              (std::vector<std::string>{
                  "- Almer\xED"
                  "a|",
                  TrimRight(testing::locality("Almer\xED"
                                              "a") +
                            "IES Uno") +
                      "|950111111",
                  TrimRight(testing::locality("Roquetas") + "IES Tres") + "|950333333", "|"}));
    const auto none = programmeCentres(offer, fix.geo, 1, 6);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->rows.empty());
}

TEST_F(InitialPlaces, APlaceListsItsCentresWithTheirProgrammesInTheCentresOwnOrder) {
    const ProgrammeOffer offer(files, fix.geo);
    const auto centres = fp_listing::centresOfProvince(fix.geo, 3, '7');
    ProvinceEntry almeria;
    almeria.zone = '3';
    almeria.letter = '7';
    const auto localities = programmeLocalities(offer, fix.geo, almeria, centres);
    // The second Almería centre offers nothing; the two kept names stay one locality each.
    EXPECT_EQ(localities.names.size(), 2u);
    EXPECT_EQ(localities.firstCentre, (std::vector<int>{alm1, roq}));

    const auto listing = placeListing(offer, files, fix.geo, 3, centres, roq);
    std::vector<std::string> rows;
    for (const auto& row : listing.rows)
        rows.push_back(TrimRight(row.text));
    EXPECT_EQ(rows,
              (std::vector<std::string>{"-" + TrimRight(testing::locality("Almer\xED"
                                                                          "a") +
                                                        "IES Uno"),
                                        "Auxiliar de oficina", "Auxiliar de jardines", "",
                                        "-" + TrimRight(testing::locality("Roquetas") + "IES Tres"),
                                        "Auxiliar de jardines", ""}));
    EXPECT_EQ(listing.rows[1].text.size(), 60u);
    EXPECT_EQ(listing.topRow, 4);

    ReportTable report;
    BoldLines bold;
    const int n = placeReport(listing, testing::numberedTexts(),
                              "Almer\xED"
                              "a",
                              report, bold);
    EXPECT_EQ(n, 7);
    EXPECT_EQ(report[0],
              "t289: Almer\xED"
              "a - t229");
    EXPECT_EQ(TrimRight(report[1]), "-" +
                                        TrimRight(testing::locality("Almer\xED"
                                                                    "a") +
                                                  "IES Uno") +
                                        std::string(44 - 1 - 17 - 7, ' ') + "950111111");
    EXPECT_EQ(bold.count(), 0);
}

TEST_F(InitialPlaces, TheProgrammeReportHoldsItsPanelsThenTheCommunitysCentresInBold) {
    const ProgrammeOffer offer(files, fix.geo);
    const auto texts = testing::numberedTexts();
    const auto listing = programmeCentres(offer, fix.geo, 1, 4);
    ASSERT_TRUE(listing);
    const auto grid = fp_listing::gridRows(*listing, true, fp_listing::kCentreNameWidth, "t292");
    ReportTable report;
    BoldLines bold;
    const int n = programmeReport(files, texts, information(), fix.geo, 4, 1, grid, report, bold);
    std::vector<std::string> lines;
    for (int k = 0; k <= n; ++k)
        lines.push_back(TrimRight(report[k]));
    const std::string uno = TrimRight(testing::locality("Almer\xED"
                                                        "a") +
                                      "IES Uno");
    EXPECT_EQ(lines,
              (std::vector<std::string>{
                  "Auxiliar de oficina (t229)", "** t29 **", "Tener entre 16 y 21 a\xF1os",
                  "No tener el t\xEDtulo de ESO", "", "** t312 **", "m4.1", "m4.2", "m4.3", "m4.4",
                  "m4.5", "Formaci\xF3n b\xE1sica", "Orientaci\xF3n laboral", "", "t323",
                  "***  ANDALUC\xCD"
                  "A  ***",
                  "- Almer\xED"
                  "a",
                  uno + std::string(44 - uno.size() + 2, ' ') + "950111111", ""}));
    // Slots 1-3 the headings, then the community heading: slot 0 = 4.
    ASSERT_EQ(bold.count(), 4);
    EXPECT_EQ(bold.slot(1), 1);
    EXPECT_EQ(bold.slot(2), 5);
    EXPECT_EQ(bold.slot(3), 14);
    EXPECT_EQ(bold.slot(4), 15);
}

}  // namespace
}  // namespace rumbelo::initial
