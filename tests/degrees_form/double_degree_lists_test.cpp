// Double degrees by degree (red university headings over one line per double degree) and by
// university (four lines per double degree).
#include <gtest/gtest.h>

#include "crafted_catalogue.h"
#include "degrees/browser/double_degree_lists.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using rumbelo::testing::CraftedCatalogue;

namespace {

class DoubleDegreeListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        derecho = crafted.add({.name = "Derecho (L)"});
        ade = crafted.add({.name = "Administraci\xF3n y Direcci\xF3n de Empresas (L)"});
        politicas = crafted.add({.name = "Ciencias Pol\xEDticas y de la Administraci\xF3n (L)"});
        fisica = crafted.add({.name = "F\xEDsica (L)"});
        catalog = crafted.load();
        doubles.groups.push_back(
            {1, "Universidad de Granada", {{6, derecho, ade}, {0, politicas, derecho}}});
        doubles.groups.push_back({13, "Universidad Carlos III", {{5, ade, politicas}}});
        doubles.groups.push_back({13, "Universidad Rey Juan Carlos", {{6, derecho, ade}}});
    }
    CraftedCatalogue crafted;
    DegreeCatalog catalog;
    DoubleDegrees doubles;
    int derecho = 0, ade = 0, politicas = 0, fisica = 0;
};

TEST_F(DoubleDegreeListsTest, DegreesWithDoublesAreListedOnceInDegreeOrder) {
    EXPECT_EQ(degreesWithDoubles(catalog, doubles), (std::vector<int>{derecho, ade, politicas}));
}

TEST_F(DoubleDegreeListsTest, ByDegreeEachUniversityHeadsItsLines) {
    const auto lines = doubleDegreesOfDegree(catalog, doubles, derecho);
    const std::string shortName = catalog.name(derecho).substr(0, 20);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].text, "");
    EXPECT_FALSE(lines[0].heading);
    EXPECT_EQ(lines[1].text, "        Universidad de Granada");
    EXPECT_TRUE(lines[1].heading);
    EXPECT_EQ(lines[2].text, (" 6 | " + shortName + "...+ " + catalog.name(ade)).substr(0, 70));
    // A member with no years shows "-", and its other degree is A when d is B.
    EXPECT_EQ(lines[3].text,
              (" - | " + shortName + "...+ " + catalog.name(politicas)).substr(0, 70));
    EXPECT_FALSE(lines[3].heading);
    EXPECT_EQ(lines[4].text, "");
    EXPECT_EQ(lines[5].text, "        Universidad Rey Juan Carlos");
    EXPECT_TRUE(lines[5].heading);
    EXPECT_EQ(lines[6].text.size(), 70u);
}

TEST_F(DoubleDegreeListsTest, ByDegreeSkipsUniversitiesWithoutTheDegree) {
    const auto lines = doubleDegreesOfDegree(catalog, doubles, politicas);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].text, "        Universidad de Granada");
    EXPECT_EQ(lines[4].text, "        Universidad Carlos III");
    EXPECT_TRUE(doubleDegreesOfDegree(catalog, doubles, fisica).empty());
}

TEST_F(DoubleDegreeListsTest, AMemberNamingTheDegreeTwiceGivesTwoLines) {
    doubles.groups.push_back({2, "Universidad de Zaragoza", {{4, fisica, fisica}}});
    const auto lines = doubleDegreesOfDegree(catalog, doubles, fisica);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[2].text, lines[3].text);
}

TEST_F(DoubleDegreeListsTest, UniversityNamesAreCutTo48) {
    doubles.groups.push_back({2, std::string(60, 'U'), {{4, fisica, derecho}}});
    const auto lines = doubleDegreesOfDegree(catalog, doubles, fisica);
    EXPECT_EQ(lines[1].text, std::string(8, ' ') + std::string(48, 'U'));
}

TEST_F(DoubleDegreeListsTest, ByUniversityFourLinesPerDoubleDegree) {
    const auto lines = doubleDegreesOfUniversity(catalog, doubles, 1, crafted.texts());
    const std::vector<std::string> expected{
        catalog.name(derecho),   catalog.name(ade),     "t241  6", "     -----     ",
        catalog.name(politicas), catalog.name(derecho), "t241  -", "     -----     "};
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(doubleDegreesOfUniversity(catalog, doubles, 9, crafted.texts()).empty());
}

TEST_F(DoubleDegreeListsTest, HeadingPutsTheDurationOverItsColumn) {
    EXPECT_EQ(doubleDegreesOfDegreeHeading(crafted.texts()),
              "t241" + std::string(26, ' ') + "t242");
    InterfaceTexts texts = crafted.texts();
    texts.set(241, std::string(15, 'C'));
    texts.set(242, std::string(25, 'D'));
    EXPECT_EQ(doubleDegreesOfDegreeHeading(texts),
              std::string(15, 'C') + std::string(26, ' ') + std::string(25, 'D'));
    EXPECT_EQ(doubleDegreesOfDegreeCaption(crafted.texts()), "t241 t443");
}

}  // namespace
