// The results page: the short verdict's bands, the full page line by line, the titles of
// an area and the student's name on the report.
#include <gtest/gtest.h>

#include "crafted_questionnaire.h"
#include "secondary/questionnaire/results_page.h"
#include "secondary/questionnaire/titles_list.h"

using namespace rumbelo;
using namespace rumbelo::secondary;
using namespace rumbelo::secondary::testing;

TEST(EsoShortVerdict, TheBandsOfTheReadinessRating) {
    bool secondChance = true;
    ShortVerdict v = shortVerdict(0.0, false, secondChance);
    EXPECT_EQ(v.b, 150);
    EXPECT_EQ(v.c, 151);
    EXPECT_EQ(v.g, 202);
    EXPECT_FALSE(v.continueAllowed);
    // 5.0 and 6.0 both belong to the middle band; 145 only with a weak advice area.
    for (double rating : {5.0, 6.0}) {
        v = shortVerdict(rating, false, secondChance);
        EXPECT_EQ(v.b, 144) << rating;
        EXPECT_EQ(v.c, 0) << rating;
        EXPECT_EQ(v.g, 201) << rating;
        EXPECT_TRUE(v.continueAllowed) << rating;
        EXPECT_EQ(shortVerdict(rating, true, secondChance).c, 145) << rating;
    }
    v = shortVerdict(6.05, true, secondChance);
    EXPECT_EQ(v.b, 142);
    EXPECT_EQ(v.c, 143);
    EXPECT_TRUE(secondChance);
}

TEST(EsoShortVerdict, TheBorderlineMessageIsGivenOnce) {
    const InterfaceTexts texts = numberedTexts();
    SecondaryData data;
    fillItinerary(data);
    bool secondChance = true;
    const ShortVerdict first = shortVerdict(4.4, false, secondChance);
    EXPECT_FALSE(secondChance);
    EXPECT_FALSE(first.continueAllowed);
    const auto lines = shortResultLines(first, texts, data.results);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "       RESULTADOS");
    const std::vector<std::string> texts37(lines.begin() + 2, lines.begin() + 7);
    EXPECT_EQ(texts37, (std::vector<std::string>{"t124", "t146", "t147", "t148", "t149"}));
    EXPECT_EQ(lines[11], "");  // no way on is shown under the borderline message
    EXPECT_EQ(lines[12], "");
    const ShortVerdict again = shortVerdict(4.4, false, secondChance);
    const auto next = shortResultLines(again, texts, data.results);
    EXPECT_EQ(next[3], "t150");
    EXPECT_EQ(next[4], "t151");
    EXPECT_EQ(next[11], "   t125");
    EXPECT_EQ(next[12], "t202");
}

namespace {

struct FullPage : ::testing::Test {
    void SetUp() override { fillItinerary(data); }
    FullResults page(double readiness) {
        Readiness r;
        r.rating = readiness;
        return fullResults(data, texts, r, ratings);
    }
    InterfaceTexts texts = numberedTexts();
    SecondaryData data;
    AreaRatings ratings;
};

}  // namespace

TEST_F(FullPage, LinesStandWhereTheReportExpectsThem) {
    for (int h = 1; h <= kAreaCount; ++h)
        ratings.overall[static_cast<std::size_t>(h)] = 7;  // no advice area below 6
    ratings.overall[8] = 9.5;                              // best area: 8 -> rec 2
    ratings.interest[3] = 4;                               // best interest: 3 -> rec 5
    const FullResults r = page(7.25);
    const auto& L = r.lines;
    const auto line = [&L](int n) { return L.at(static_cast<std::size_t>(n - 1)); };
    EXPECT_EQ(line(1), "       RESULTADOS");
    EXPECT_EQ(line(4), "t142");
    EXPECT_EQ(line(6), "t152  7.2");
    EXPECT_EQ(line(7), std::string(56, '_'));
    EXPECT_EQ(line(10), "      rec 2");
    EXPECT_EQ(line(11), "      t123 rec 5");
    EXPECT_EQ(line(14), "        linea 30");
    EXPECT_EQ(line(15), "linea 33         linea 32");
    EXPECT_EQ(line(16), "  t240");
    std::string best = "area 8";
    best.resize(45, ' ');
    EXPECT_EQ(line(17), best + " 9.5");
    EXPECT_EQ(line(18).substr(0, 7), "area 1 ");
    EXPECT_EQ(line(23), "");
    EXPECT_EQ(line(24), "  Y los que m\xE1s te gustan son:");
    EXPECT_EQ(line(25).substr(0, 7), "area 3 ");
    EXPECT_EQ(line(29), "linea 34");
    // No advice area below 6: lines 48 and 49 stand in for the advice.
    EXPECT_EQ(line(31), "linea 48");
    EXPECT_EQ(line(32), "linea 49");
    EXPECT_EQ(line(34), "linea 50");
    EXPECT_EQ(line(37), "linea 52");
    EXPECT_EQ(L.size(), 37u);
    EXPECT_EQ(r.bestArea, 8);
    EXPECT_EQ(r.bestInterestArea, 3);
}

TEST_F(FullPage, WeakAdviceAreasGiveTheirAdviceAndAnArea5TopDropsTheSecondLine) {
    for (int h = 1; h <= kAreaCount; ++h)
        ratings.overall[static_cast<std::size_t>(h)] = 6;  // 6 itself needs no advice
    ratings.overall[5] = 9;
    ratings.interest[2] = 5;
    ratings.overall[15] = 5.9;
    ratings.overall[19] = 3;
    const FullResults r = page(3.0);
    const auto& L = r.lines;
    EXPECT_EQ(L[3], "t146");
    EXPECT_EQ(L[9], "      rec 3 o rec 2");
    EXPECT_EQ(L[10], "");
    const std::vector<std::string> advice(L.begin() + 30, L.begin() + 35);
    EXPECT_EQ(advice, (std::vector<std::string>{"linea 37", "linea 38", "linea 39", "linea 46",
                                                "linea 47"}));
}

TEST(EsoTitles, HeadingsStandOnlyOverTheirGroups) {
    const InterfaceTexts texts = numberedTexts();
    SecondaryData data;
    fillItinerary(data);
    for (int t = 1; t <= 120; ++t)
        data.titles.set(t, "titulo " + std::to_string(t));
    data.areas.titles[1] = {90, 95};  // area 2: degrees only
    data.areas.titles[2] = {3, 89};   // area 3: both groups
    data.areas.titles[10] = {4, 91};  // area 11: never a cycles heading
    const std::vector<std::string> degreesOnly{"             t48", "   area 2", "", "- t84 t46", "",
                                               "titulo 90",        "titulo 95"};
    EXPECT_EQ(areaTitles(data, texts, 2), degreesOnly);
    const std::vector<std::string> both{
        "             t48", "   area 3", "",          "- t80", "",
        "titulo 3",         "",          "- t84 t46", "",      "titulo 89"};
    EXPECT_EQ(areaTitles(data, texts, 3), both);
    EXPECT_EQ(areaTitles(data, texts, 11)[2], "titulo 4");
    const auto printout = titlesPrintout("IES Uno   ", {"a"});
    EXPECT_EQ(printout,
              (std::vector<std::string>{"          IES Uno", "", std::string(60, '-'), "", "a"}));
}

TEST(EsoReport, TheStudentNameCarriesTheCourseWithinFortyFiveCharacters) {
    EXPECT_EQ(studentNameWithCourse("Ana"), "Ana  -  4\xBA de ESO");
    const std::string long45(45, 'x');
    EXPECT_EQ(studentNameWithCourse(long45), long45);
    EXPECT_EQ(studentNameWithCourse(std::string(40, 'y')), std::string(40, 'y') + "  -  ");
    const auto report = reportLines("Ana", {"uno", "dos"});
    EXPECT_EQ(report, (std::vector<std::string>{"Ana", "", "uno", "dos"}));
}
