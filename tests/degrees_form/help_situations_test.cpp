// The guide's help situations of the degrees form.
#include <gtest/gtest.h>

#include "crafted_catalogue.h"
#include "degrees/browser/help_situations.h"

using namespace rumbelo;
using namespace rumbelo::degrees;

namespace {

std::vector<std::string> linesOf(int n) {
    const auto lines = helpSituationLines(n, rumbelo::testing::numberedTexts());
    std::vector<std::string> texts;
    if (!lines) return texts;
    for (const auto& line : *lines)
        texts.push_back(line.value_or("<none>"));
    return texts;
}

TEST(HelpSituationsTest, EveryStepPutsALineSoTheLabelsFollowTheSteps) {
    EXPECT_EQ(linesOf(1), (std::vector<std::string>{"", "", "t346", "t347", "t348", "", "", ""}));
}

TEST(HelpSituationsTest, KindFilterSituations) {
    EXPECT_EQ(linesOf(10),
              (std::vector<std::string>{"", "t603", "t604", "t605", "t606", "", "", ""}));
    EXPECT_EQ(linesOf(11), (std::vector<std::string>{"t607", "t608", "t609", "t610", "t611", "t612",
                                                     "t613", "t614"}));
    EXPECT_EQ(linesOf(13), (std::vector<std::string>{"t615", "t616", "t617", "t618", "t619", "t620",
                                                     "t621", ""}));
}

TEST(HelpSituationsTest, DegreeBrowserSituations) {
    EXPECT_EQ(linesOf(12), (std::vector<std::string>{"t392", "t393", "t394", "t395", "t396", "t397",
                                                     "t398", "t399"}));
    EXPECT_EQ(linesOf(14),
              (std::vector<std::string>{"", "", "t400", "t401", "t402", "t403", "", ""}));
    EXPECT_EQ(linesOf(20),
              (std::vector<std::string>{"", "", "t418", "t419", "t420", "t421", "t422", ""}));
    EXPECT_EQ(linesOf(31), (std::vector<std::string>{"", "t433", "t434", "t435", "", "", "", ""}));
}

TEST(HelpSituationsTest, NumbersWithoutLinesLeaveThePanelAlone) {
    for (const int n : {0, 16, 22, 24, 30, 34})
        EXPECT_FALSE(helpSituationLines(n, rumbelo::testing::numberedTexts())) << n;
}

}  // namespace
