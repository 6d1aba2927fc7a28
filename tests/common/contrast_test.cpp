#include "common/program/contrast.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace rumbelo;

namespace {

// Hue in degrees, for colours with some saturation.
double hueOf(Rgb c) {
    return std::atan2(std::sqrt(3.0) * (c.g - c.b), 2.0 * c.r - c.g - c.b) * 180 / M_PI;
}

}  // namespace

TEST(Contrast, RatiosMatchTheKnownWcagValues) {
    EXPECT_NEAR(contrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio({10, 20, 30}, {10, 20, 30}), 1.0, 1e-9);
    // #767676 is the lightest grey that reads on white at 4.5:1.
    EXPECT_GE(contrastRatio({0x76, 0x76, 0x76}, {255, 255, 255}), 4.5);
    EXPECT_LT(contrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.5);
}

TEST(Contrast, AReadableColourIsKept) {
    const Rgb navy{0, 0, 128};
    EXPECT_EQ(readableOn(navy, {255, 239, 206}), navy);
}

TEST(Contrast, YellowOnBeigeBecomesADarkerYellowThatReads) {
    const Rgb yellow{255, 255, 0}, beige{241, 217, 192};
    ASSERT_LT(contrastRatio(yellow, beige), kBodyContrast);
    const Rgb mended = readableOn(yellow, beige);
    EXPECT_GE(contrastRatio(mended, beige), kBodyContrast);
    EXPECT_NEAR(hueOf(mended), hueOf(yellow), 3.0);
    // The nearest such shade, not simply black.
    EXPECT_GT(mended.r + mended.g, 100);
}

TEST(Contrast, LightTextOnADarkBackgroundIsLightenedAndLargeCaptionsNeedLess) {
    const Rgb dimBlue{60, 60, 160}, night{20, 20, 60};
    const Rgb body = readableOn(dimBlue, night);
    EXPECT_GE(contrastRatio(body, night), kBodyContrast);
    EXPECT_GT(relativeLuminance(body), relativeLuminance(dimBlue));
    const Rgb large = readableOn(dimBlue, night, kLargeContrast);
    EXPECT_GE(contrastRatio(large, night), kLargeContrast);
    EXPECT_LE(relativeLuminance(large), relativeLuminance(body));
}

TEST(Contrast, WhiteOnAMidToneTurnsDarkWhenNoLighterShadeExists) {
    const Rgb white{255, 255, 255}, clay{188, 119, 99};
    ASSERT_LT(contrastRatio(white, clay), kBodyContrast);
    const Rgb mended = readableOn(white, clay);
    EXPECT_GE(contrastRatio(mended, clay), kBodyContrast);
    EXPECT_EQ(mended.r, mended.g);  // still a grey
}
