#include <gtest/gtest.h>

#include "crafted_certificates.h"
#include "vocational/certificates/listing/certificate_browser.h"
#include "vocational/certificates/listing/certificate_guide.h"

namespace rumbelo::certificates {
namespace {

TEST(CertificateBrowser, TheHoverLockKeepsTheClickedFamilysCertificates) {
    const auto files = testing::craftedCertificates();
    CertificateBrowser browser(files);
    browser.clickGroup(1);
    ASSERT_EQ(browser.families(), (std::vector<int>{1, 4}));
    EXPECT_TRUE(browser.hoverFamily(0));
    EXPECT_FALSE(browser.hoverFamily(0));  // the same row again changes nothing
    browser.clickFamily(0);
    EXPECT_TRUE(browser.hoverLock());
    EXPECT_FALSE(browser.hoverFamily(1));
    EXPECT_EQ(browser.certificates(), (std::vector<int>{2, 3}));
    // Choosing a certificate frees the list again.
    EXPECT_TRUE(browser.clickCertificate(1));
    EXPECT_EQ(browser.chosenCertificate(), 3);
    EXPECT_FALSE(browser.hoverLock());
    EXPECT_TRUE(browser.hoverFamily(1));
    EXPECT_EQ(browser.certificates(), (std::vector<int>{5}));
}

TEST(CertificateBrowser, ClicksOffTheListsAndANewGroupStartAfresh) {
    const auto files = testing::craftedCertificates();
    CertificateBrowser browser(files);
    browser.clickGroup(1);
    EXPECT_FALSE(browser.hoverFamily(2));
    EXPECT_FALSE(browser.hoverFamily(-1));
    // A click on a row no hover reached still fixes that row's certificates.
    browser.clickFamily(1);
    EXPECT_EQ(browser.certificates(), (std::vector<int>{5}));
    EXPECT_FALSE(browser.clickCertificate(1));
    browser.clickFamily(1);
    browser.clickGroup(2);
    EXPECT_FALSE(browser.hoverLock());
    EXPECT_EQ(browser.hoveredRow(), -1);
    EXPECT_TRUE(browser.certificates().empty());
    EXPECT_EQ(browser.families(), (std::vector<int>{1, 1}));
}

TEST(CertificateGuide, SevenLinesEightGirlFramesAndAStopAfterTickFourteen) {
    const GuideStep seventh = certificateGuideStep(7);
    EXPECT_EQ(seventh.label, 6);
    EXPECT_EQ(seventh.text, 568);
    const GuideStep eighth = certificateGuideStep(8);
    EXPECT_EQ(eighth.label, -1);
    EXPECT_TRUE(eighth.click);
    EXPECT_EQ(eighth.frame, 7);
    EXPECT_FALSE(certificateGuideStep(9).click);
    EXPECT_FALSE(certificateGuideStep(14).finished);
    EXPECT_TRUE(certificateGuideStep(15).finished);
}

TEST(CertificateGuide, OnlyShownTitlesSlideAndTheSlideEndsWithTheThird) {
    TitleSlide slide;
    slide.left[0] = 32;
    slide.left[1] = 200;
    slide.left[2] = 86;
    slide.shown[0] = true;
    slide.shown[2] = true;
    EXPECT_TRUE(slideTitles(slide));
    EXPECT_EQ(slide.left[0], 28);
    EXPECT_EQ(slide.left[1], 200);
    EXPECT_EQ(slide.left[2], 82);
    EXPECT_FALSE(slideTitles(slide));
    EXPECT_EQ(slide.left[0], 28);  // already at its stop
    EXPECT_EQ(slide.left[2], 78);
}

}  // namespace
}  // namespace rumbelo::certificates
