#include <gtest/gtest.h>

#include "crafted_certificates.h"
#include "vocational/certificates/listing/certificate_lists.h"

namespace rumbelo::certificates {
namespace {

using rumbelo::testing::craftedCertificates;
using Strings = std::vector<std::string>;

TEST(CertificateGroups, FamiliesFollowTheLettersOfTheCodeAndARepeatedLetterListsTwice) {
    const auto files = craftedCertificates();
    EXPECT_EQ(groupRows(files)[1], "Grupo con la letra repetida");
    EXPECT_EQ(familiesOfGroup(files, 1), (std::vector<int>{1, 4}));
    EXPECT_EQ(familiesOfGroup(files, 2), (std::vector<int>{1, 1}));
    EXPECT_TRUE(familiesOfGroup(files, 3).empty());
    EXPECT_EQ(rowText(files, 4), "-Familia B");
}

TEST(CertificateGroups, IconsFollowTheRowsAndOtherRowsTakeTheOfficeIcon) {
    const std::vector<int> icons = {groupIcon(1), groupIcon(2), groupIcon(3), groupIcon(4),
                                    groupIcon(5), groupIcon(6), groupIcon(7), groupIcon(8),
                                    groupIcon(9), groupIcon(10)};
    EXPECT_EQ(icons, (std::vector<int>{1, 2, 9, 8, 3, 4, 0, 5, 3, 1}));
}

TEST(CertificateFamilies, AFamilyListsItsOwnLettersCertificatesWithoutTheHeading) {
    const auto files = craftedCertificates();
    EXPECT_EQ(certificatesOfFamily(files, 1), (std::vector<int>{2, 3}));
    EXPECT_EQ(certificatesOfFamily(files, 4), (std::vector<int>{5}));
}

TEST(CertificateRequirements, CodesABGiveEveryATextThenEveryBText) {
    const auto files = craftedCertificates();
    EXPECT_EQ(requirementTexts(files, 2),
              (Strings{"Requisito A uno", "Requisito A dos", "Requisito B uno"}));
    const auto panel = certificatePanel(files, 2);
    EXPECT_EQ(panel.requirements, "Requisito A uno\nRequisito A dos\nRequisito B uno\n");
    EXPECT_EQ(panel.hours, "450");
    EXPECT_EQ(panel.description, "Descripcion de A1");
    EXPECT_EQ(panel.title.substr(0, 15), "Certificado A1 ");
}

TEST(CertificateRequirements, UnknownAndMissingCodesAddNothing) {
    const auto files = craftedCertificates();
    EXPECT_TRUE(requirementTexts(files, 3).empty());
    // Blank code positions match no requirement line, even a blank one.
    EXPECT_TRUE(certificatePanel(files, 5).requirements.empty());
    EXPECT_EQ(certificatePanel(files, 5).hours, "100");
}

}  // namespace
}  // namespace rumbelo::certificates
