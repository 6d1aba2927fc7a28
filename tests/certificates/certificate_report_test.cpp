#include <gtest/gtest.h>

#include "crafted_certificates.h"
#include "support/numbered_texts.h"
#include "vocational/certificates/listing/certificate_report.h"

namespace rumbelo::certificates {
namespace {

TEST(CertificateReport, FamilyHeadingThenEachCertificateWithAtMostThreeRequirements) {
    const auto files = testing::craftedCertificates();
    const auto report = certificateReport(files, testing::numberedTexts(), {2, 3});
    const ReportTable& t = report.table;
    EXPECT_EQ(t[0], "t580");
    EXPECT_EQ(t[1], "t583:");
    EXPECT_EQ(t[2].substr(0, 11), "-Familia A ");
    EXPECT_EQ(t[3], "");
    EXPECT_EQ(t[4], "Certificado A1");
    EXPECT_EQ(t[5], "Descripcion de A1");
    EXPECT_EQ(t[6], "t581");
    EXPECT_EQ(t[7], "       Requisito A uno");
    EXPECT_EQ(t[9], "       Requisito B uno");
    EXPECT_EQ(t[10], "t582: 450");
    EXPECT_EQ(t[11], "");
    EXPECT_EQ(t[12], "Certificado A2");
    EXPECT_EQ(t[14], "t581");
    EXPECT_EQ(t[15], "t582:  20");  // a code that names nothing prints no requirement
    EXPECT_EQ(report.lastLine, 16);
    EXPECT_EQ(report.bold.count(), 3);
    EXPECT_TRUE(report.bold.contains(2));
    EXPECT_TRUE(report.bold.contains(4));
    EXPECT_TRUE(report.bold.contains(12));
    EXPECT_FALSE(report.bold.contains(5));
}

TEST(CertificateReport, NothingListedPrintsNothing) {
    const auto files = testing::craftedCertificates();
    EXPECT_EQ(certificateReport(files, testing::numberedTexts(), {}).lastLine, -1);
}

}  // namespace
}  // namespace rumbelo::certificates
