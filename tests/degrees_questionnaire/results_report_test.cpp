// What a group leads to, and the results report as printed (two reports) and as saved (one
// table, part two straight after part one).
#include "degrees/questionnaire/results_report.h"

#include <gtest/gtest.h>

#include "common/text/fixed_text.h"
#include "crafted_interest.h"
#include "degrees/questionnaire/group_studies.h"
#include "support/numbered_texts.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using namespace rumbelo::testing;

namespace {

struct Catalogue {
    InterestCatalog interest = interestOf(
        {{"Salud", {1}, {1}}, {"Arte", {2}, {2}}, {"Letras", {3}, {3}}, {"Mar", {4}, {4}}});
    // Medicina lists Salud twice: it is shown twice.
    DegreeCatalog degrees = degreesOf({"Medicina (L)", "Bellas Artes (L)",
                                       "Enfermer\xED"
                                       "a (D)"},
                                      {{1, 1}, {2}, {1, 3}});
    FpCatalog fp = titlesOf({"-SANIDAD", "Cuidados auxiliares",
                             "Dise\xF1o gr\xE1"
                             "fico"},
                            {{}, {1}, {2, 1}});
    InterfaceTexts texts = numberedTexts();
};

}  // namespace

TEST(GroupStudies, AGroupListsItsDegreesOncePerListingThenItsTitles) {
    Catalogue c;
    const auto rows = groupStudiesRows(c.degrees, c.fp, c.interest.groups, 1, c.texts);
    const std::vector<std::string> expected{"Salud",
                                            spaces(60),
                                            "t327" + spaces(12),
                                            "Medicina (L)",
                                            "Medicina (L)",
                                            "Enfermer\xED"
                                            "a (D)",
                                            spaces(60),
                                            "t326" + spaces(12),
                                            "Cuidados auxiliares",
                                            "Dise\xF1o gr\xE1"
                                            "fico"};
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(degreesOfGroup(c.degrees, 4), std::vector<int>{});
}

TEST(ResultsReport, PrintedPartOneHoldsTheThreeRankingsAndPartTwoTheBestThreeGroups) {
    Catalogue c;
    QuestionnaireResults results;
    results.qualities = {"q1", "q2", "q3", "q4"};
    results.interests = {"i1", "i2", "i3", "i4"};
    results.averages = {"a3", "a1", "a2", "a4"};
    results.order = {3, 1, 2, 4};
    const ResultsReport r = buildResultsReport(results, 4,
                                               "Luc\xED"
                                               "a",
                                               c.degrees, c.fp, c.interest.groups, c.texts, false);
    EXPECT_EQ(r.first.title(),
              "t284Luc\xED"
              "a");
    EXPECT_EQ(r.first[1], "t596 t597");
    EXPECT_EQ(r.first[3], spaces(26) + "t279");
    EXPECT_EQ(r.first[5], spaces(9) + "q1");
    EXPECT_EQ(r.first[8], spaces(9) + "q4");
    EXPECT_EQ(r.first[11], spaces(26) + "t280");
    EXPECT_EQ(r.first[19], spaces(11) + "t285");
    EXPECT_EQ(r.first[21], spaces(9) + "a3");
    EXPECT_EQ(r.first[26], spaces(44) + "t598");
    EXPECT_EQ(r.firstCount, 26);
    EXPECT_EQ(r.firstBold.count(), 3);
    EXPECT_EQ(r.firstBold.slot(1), 3);
    EXPECT_EQ(r.firstBold.slot(2), 11);
    EXPECT_EQ(r.firstBold.slot(3), 19);

    // Part two: Letras, Salud, Arte (Mar is fourth and left out), each with its studies.
    EXPECT_EQ(r.second.title(), "t340");
    EXPECT_EQ(r.second[2], "Letras");
    EXPECT_EQ(r.second[4], "t327");
    EXPECT_EQ(r.second[5], spaces(3) +
                               "Enfermer\xED"
                               "a (D)");
    EXPECT_EQ(r.second[7], "t326");
    EXPECT_EQ(r.second[9], std::string(29, '_'));
    EXPECT_EQ(r.second[11], "Salud");
    EXPECT_EQ(r.secondBold.count(), 3);
    EXPECT_EQ(r.secondBold.slot(1), 2);
    EXPECT_EQ(r.secondBold.slot(2), 11);
    EXPECT_TRUE(r.secondBold.contains(r.secondBold.slot(3)));
    EXPECT_EQ(r.second[r.secondBold.slot(3)], "Arte");
    EXPECT_EQ(r.second[r.secondCount - 1], std::string(29, '_'));
    EXPECT_EQ(r.second[r.secondCount], "");
    EXPECT_EQ(r.second[r.secondCount + 1], "");
}

TEST(ResultsReport, SavedPartTwoFollowsPartOneInTheSameLines) {
    Catalogue c;
    QuestionnaireResults results;
    results.averages = {"a2", "a1"};
    results.order = {2, 1};  // fewer than three groups ranked: only those
    const ResultsReport printed =
        buildResultsReport(results, 2, "Ana", c.degrees, c.fp, c.interest.groups, c.texts, false);
    const ResultsReport saved =
        buildResultsReport(results, 2, "Ana", c.degrees, c.fp, c.interest.groups, c.texts, true);
    const std::vector<std::string> lines = savedLines(saved);
    ASSERT_EQ(lines.size(),
              static_cast<std::size_t>(printed.firstCount + 1 + printed.secondCount + 1));
    for (int k = 0; k <= printed.firstCount; ++k)
        EXPECT_EQ(lines[static_cast<std::size_t>(k)], printed.first[k]) << k;
    for (int k = 0; k <= printed.secondCount; ++k)
        EXPECT_EQ(lines[static_cast<std::size_t>(printed.firstCount + 1 + k)], printed.second[k])
            << k;
    // A questionnaire never computed leaves its ranking's lines blank, one per group.
    EXPECT_EQ(lines[5], spaces(9));
    EXPECT_EQ(lines.back(), "");
}
