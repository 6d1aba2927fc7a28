#include <gtest/gtest.h>

#include "common/fp_listing/fp_reports.h"
#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {
namespace {

Listing centres(int n) {
    Listing listing;
    for (int i = 0; i < n; ++i)
        listing.rows.push_back({std::string(50, 'c'), "900000000"});
    return listing;
}

// A title report of `lead` lines of text, then 19 communities of `rows` centres each.
int titleReportLines(int lead, int rows) {
    ReportTable report;
    BoldLines bold;
    TitleReportBuilder builder(report, bold, "T\xEDtulo");
    for (int i = 0; i < lead; ++i)
        builder.line("- Requisitos", i == 0);
    for (int c = 1; c <= kAllCommunities; ++c)
        builder.community(
            "Andaluc\xED"
            "a",
            centres(rows), "***  ", "***");
    builder.community("Madrid", Listing{}, "***  ", "***");  // no centres: adds nothing
    return builder.count();
}

TEST(TitleReport, OneHundredFiftyLinesPrintAtOnceOneMoreAsksForCommunities) {
    // Each community adds its heading, an empty line and its rows.
    const int exactly = titleReportLines(17, 5);
    ASSERT_EQ(exactly, 150);
    EXPECT_FALSE(needsPrintSelection(exactly, kAllCommunities, true));
    const int oneMore = titleReportLines(18, 5);
    EXPECT_TRUE(needsPrintSelection(oneMore, kAllCommunities, true));
    EXPECT_FALSE(needsPrintSelection(oneMore, kAllCommunities, false));  // shown whole
    EXPECT_FALSE(needsPrintSelection(oneMore, 3, true));  // already a choice of communities
    // Past the report table's 1300 entries the lines are still counted.
    EXPECT_EQ(titleReportLines(1, 80), 1 + 19 * 82);
}

TEST(TitleReport, CommunityHeadingsInCapitalsAndBoldAfterTheFixedSlots) {
    ReportTable report;
    BoldLines bold;
    TitleReportBuilder builder(report, bold, "T");
    builder.line("- Requisitos", true);
    builder.line("- Contenidos", true);
    builder.community(padTo("Andaluc\xED"
                            "a",
                            31)
                          .substr(0, 30),
                      centres(1), "***  ", "***");
    builder.markCommunityHeadings();

    EXPECT_EQ(report[3], "***  " +
                             padTo("ANDALUC\xCD"
                                   "A",
                                   31)
                                 .substr(0, 30) +
                             "***");
    EXPECT_EQ(report[4], "");
    EXPECT_EQ(report[5], cut(std::string(50, 'c') + " 900000000", 60));
    EXPECT_EQ(bold.count(), 3);
    EXPECT_TRUE(bold.contains(1));
    EXPECT_TRUE(bold.contains(3));
    EXPECT_FALSE(bold.contains(5));
}

TEST(PlaceReport, CentreLinesJoinFortyFourCharactersAndTheTelephoneApartTitlesStayWhole) {
    Listing listing;
    listing.rows = {{"Centros"},
                    {"Ciencias  "},
                    {"-" + std::string(50, 'n'), "912345678"},
                    {std::string(55, 't'), {}, 7}};
    ReportTable report;
    BoldLines bold;
    EXPECT_EQ(placeReport(listing, "Lugar: Madrid", 2, report, bold), 4);
    EXPECT_EQ(report.title(), "Lugar: Madrid");
    // A name that fills its field keeps a blank before the telephone.
    EXPECT_EQ(report[3], "-" + std::string(43, 'n') + " 912345678");
    // A title under the centre is not cut to the name's width.
    EXPECT_EQ(report[4], std::string(55, 't'));
    EXPECT_EQ(bold.count(), 2);
    EXPECT_FALSE(bold.contains(3));
}

TEST(PrintSelection, ChosenOnceInClickOrderAndRemovedByEntry) {
    PrintSelection selection;
    EXPECT_TRUE(selection.choose(13));
    EXPECT_TRUE(selection.choose(1));
    EXPECT_FALSE(selection.choose(13));
    EXPECT_FALSE(selection.choose(20));
    EXPECT_EQ(selection.chosen(), (std::vector<int>{13, 1}));
    EXPECT_EQ(selection.removeAt(0), 13);
    EXPECT_EQ(selection.removeAt(5), 0);
    EXPECT_TRUE(selection.choose(13));
    EXPECT_EQ(selection.chosen(), (std::vector<int>{1, 13}));
}

}  // namespace
}  // namespace rumbelo::fp_listing
