// What the degree browser prints: the degrees of a university with their marks, and the
// five sections of one degree.
#include "degrees/browser/degree_reports.h"

#include <gtest/gtest.h>

#include "common/text/fixed_text.h"
#include "crafted_catalogue.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using rumbelo::testing::CraftedCatalogue;

namespace {

PlaceList twoUniversities() {
    PlaceList places;
    places.names.set(0, "LUGAR");
    places.names.set(1, "Universidad de C\xE1");
    places.names.set(2, "Universidad de Sevilla");
    return places;
}

}  // namespace

TEST(DegreeReports, AUniversityListsEveryDegreeTaughtThereWithItsMarkUnderSixBoldLines) {
    CraftedCatalogue crafted;
    crafted.add({.name = "Derecho (L)", .places = {{2, 65}, {1, 50}}});
    crafted.add({.name = "Historia (L)", .places = {{1, 52}}});
    crafted.add({.name = "Medicina (L)", .places = {{2, 0}}});
    const auto catalog = crafted.load();
    const PlaceList places = twoUniversities();
    const PlainReport report =
        universityDegreesReport(catalog, places, 2, "IES Sur   ", crafted.texts());
    EXPECT_EQ(report.bold, 6);
    ASSERT_EQ(report.lines.size(), 8u);
    EXPECT_EQ(report.lines[0], spaces(4) + "IES Sur");
    EXPECT_EQ(report.lines[2], spaces(4) + "t289: Universidad de Sevilla");
    EXPECT_EQ(report.lines[3], spaces(4) + std::string(45, '_'));
    EXPECT_EQ(report.lines[5], spaces(4) + "t48" + spaces(16) + "t296");
    EXPECT_EQ(report.lines[6], spaces(4) + cut(padTo(catalog.name(1), 40), 40) + formatMark(65));
    EXPECT_EQ(report.lines[7].substr(0, 4 + 8), spaces(4) + "Medicina");
    for (const auto& line : report.lines)
        EXPECT_LE(line.size(), ReportTable::kWidth);
}

TEST(DegreeReports, TheDegreeReportHasFiveBoldSectionsAndTheLastOpensWithText295Twice) {
    CraftedCatalogue crafted;
    const int j = crafted.add({.name = "F\xEDsica (L)", .places = {{1, 70}}, .related = {2}});
    crafted.add({.name = "Qu\xEDmica (L)", .related = {1}});
    const auto catalog = crafted.load();
    ReportTable report;
    BoldLines bold;
    const int n = degreeReport(catalog, twoUniversities(), j, crafted.texts(), report, bold);
    EXPECT_EQ(report.title(), cut("t290: " + catalog.name(j), ReportTable::kWidth));
    ASSERT_EQ(bold.count(), 5);
    const std::vector<std::string> headings{"LUGAR" + spaces(21) + "t296", "t277", "t278", "t312",
                                            "t295"};
    for (int k = 1; k <= 5; ++k) {
        const int at = bold.slot(k);
        EXPECT_EQ(report[at], headings[static_cast<std::size_t>(k - 1)]) << k;
        EXPECT_EQ(report[at - 1], "");
        EXPECT_EQ(report[at + 1], "");
    }
    EXPECT_EQ(report[bold.slot(5) + 2], "t295");
    EXPECT_EQ(report[bold.slot(1) + 2].substr(0, 16), "Universidad de C");
    EXPECT_EQ(report[n], catalog.name(2));
}
