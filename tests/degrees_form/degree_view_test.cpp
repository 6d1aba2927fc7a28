// The lists of one degree's menu: places with marks, subjects, related degrees both ways,
// and the way in from higher FP.
#include <gtest/gtest.h>

#include "common/data/data_files.h"
#include "common/data/readers.h"
#include "crafted_catalogue.h"
#include "degrees/browser/degree_view.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using rumbelo::testing::CraftedCatalogue;

namespace {

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

TEST(RelatedDegreesTest, ListsTheDegreesItNamesThenTheDegreesThatNameIt) {
    CraftedCatalogue crafted;
    const int fisica = crafted.add({.name = "F\xEDsica (L)", .related = {2, 3}});
    const int quimica = crafted.add({.name = "Qu\xEDmica (L)", .related = {1}});
    const int mates = crafted.add({.name = "Matem\xE1ticas (L)", .related = {1, 1}});
    const auto catalog = crafted.load();
    const auto view = relatedToDegree(catalog, fisica, crafted.texts());
    EXPECT_EQ(view.heading, "t313");
    const std::vector<std::string> expected{
        "t295", catalog.name(quimica), catalog.name(mates), "",
        "t178", catalog.name(quimica), catalog.name(mates), catalog.name(mates)};
    EXPECT_EQ(view.rows, expected);  // a degree naming it twice is listed twice
}

TEST(RelatedDegreesTest, WithoutReverseRelationsTheHeadingIsDroppedAndTheEmptyRowStays) {
    CraftedCatalogue crafted;
    const int fisica = crafted.add({.name = "F\xEDsica (L)", .related = {2}});
    crafted.add({.name = "Qu\xEDmica (L)"});
    const auto catalog = crafted.load();
    const auto view = relatedToDegree(catalog, fisica, crafted.texts());
    EXPECT_EQ(view.rows, (std::vector<std::string>{"t295", catalog.name(2), ""}));
}

TEST(RelatedDegreesTest, TechnicalEngineeringAlsoGetsTheDegreesOpenToAnyOfThem) {
    // Three degrees, then the four closing lines: the third closing line is line 6.
    constexpr int kAnyTechnical = 6;
    CraftedCatalogue crafted;
    const int informatica = crafted.add({.name = "I T Inform\xE1tica de Gesti\xF3n"});
    const int organizacion = crafted.add({.name = "Ingenier\xED"
                                                  "a de Organizaci\xF3n (2\xBA)",
                                          .related = {kAnyTechnical}});
    const int fisica = crafted.add({.name = "F\xEDsica (L)", .related = {informatica}});
    const auto catalog = crafted.load();
    ASSERT_EQ(catalog.anyTechnicalEngineeringLine(), kAnyTechnical);
    const auto view = relatedToDegree(catalog, informatica, crafted.texts());
    EXPECT_EQ(view.rows, (std::vector<std::string>{"t295", "", "t178", catalog.name(organizacion),
                                                   catalog.name(fisica)}));
    // A degree whose name does not begin with "I T" does not get them.
    const auto other = relatedToDegree(catalog, fisica, crafted.texts());
    EXPECT_EQ(other.rows, (std::vector<std::string>{"t295", catalog.name(informatica), ""}));
}

TEST(RelatedDegreesTest, AClosingLineInTheListShowsAsItStands) {
    CraftedCatalogue crafted;
    const int segundo = crafted.add({.name = "Antropolog\xED"
                                             "a (2\xBA ciclo)",
                                     .related = {2}});
    const auto catalog = crafted.load();  // line 2 is the first closing line
    const auto view = relatedToDegree(catalog, segundo, crafted.texts());
    ASSERT_GE(view.rows.size(), 2u);
    EXPECT_EQ(view.rows[1].substr(0, 21), "Cualquier diplomatura");
}

TEST(FpAccessTest, SecondCycleDegreesHaveNoWayInFromHigherFp) {
    CraftedCatalogue crafted;
    const int segundo = crafted.add({.name = "Antropolog\xED"
                                             "a (2\xBA ciclo)"});
    const int diplomatura = crafted.add({.name = "Enfermer\xED"
                                                 "a (D)"});
    const auto catalog = crafted.load();
    EXPECT_FALSE(offersFpAccess(catalog, segundo));
    EXPECT_TRUE(offersFpAccess(catalog, diplomatura));
}

TEST(FpAccessTest, ButtonGoesThreeLinesUnderTheRowsButStaysInsideTheList) {
    EXPECT_EQ(fpAccessButtonTop(100, 500, 4, 20, 28), 100 + 7 * 20);
    EXPECT_EQ(fpAccessButtonTop(100, 500, 40, 20, 28), 500 - 28);
}

TEST(FpAccessTest, HelpShowsUnlessTheOnlyRowBeginsWithNo) {
    EXPECT_TRUE(relatedHelpShown({"t295", ""}));
    EXPECT_TRUE(relatedHelpShown({"Ninguna"}));
    EXPECT_FALSE(relatedHelpShown({"No hay"}));
    EXPECT_FALSE(relatedHelpShown({}));
}

TEST(SubjectsTest, DifficultyHeaderThenBulletedSubjectsUpToTwoBlankLines) {
    CraftedCatalogue crafted;
    std::vector<std::string> block;
    for (int i = 2; i <= 9; ++i)
        block.push_back(i % 2 == 0 ? "Asignatura " + std::to_string(i) : "  detalle");
    block.push_back("    ");  // line 10
    block.push_back("    ");  // line 11: the text ends before line 10
    block.push_back("Nunca se ve");
    const int j = crafted.add({.name = "Historia (L)", .difficulty = 4, .subjects = block});
    const auto catalog = crafted.load();
    const auto view = subjectsOfDegree(catalog, j, crafted.texts());
    EXPECT_EQ(view.heading, "t312");
    ASSERT_EQ(view.rows.size(), 4u + 8u);
    EXPECT_EQ(view.rows[0], " t651");
    EXPECT_EQ(view.rows[1], blanks(4) + "t656");  // 652 + difficulty 4
    EXPECT_EQ(view.rows[2], " t500");
    EXPECT_EQ(view.rows[3], " ");
    EXPECT_EQ(view.rows[4].substr(0, 3), "\x95  ");
    EXPECT_EQ(view.rows[4].substr(3, 12), "Asignatura 2");
    EXPECT_EQ(view.rows[5].substr(0, 9), "  detalle");      // not a capital: no bullet
    EXPECT_EQ(view.rows.back().substr(0, 9), "  detalle");  // line 9
}

TEST(SubjectsTest, ASingleBlankLineDoesNotEndTheText) {
    CraftedCatalogue crafted;
    const int j = crafted.add(
        {.name = "Historia (L)", .subjects = {"Uno", "    ", "Dos", "    ", "    ", "Tres"}});
    const auto catalog = crafted.load();
    const auto rows = subjectsOfDegree(catalog, j, crafted.texts()).rows;
    ASSERT_EQ(rows.size(), 4u + 3u);
    EXPECT_EQ(rows[6].substr(3, 3), "Dos");
}

TEST(PlacesTest, EachPlaceWithItsMarkUnderAHeadingThatNamesTheColumns) {
    CraftedCatalogue crafted;
    const int j = crafted.add({.name = "Derecho (L)", .places = {{2, 65}, {1, 10}}});
    const auto lugar = [](const std::string& name, const std::string& web) {
        return "01" + name + blanks(35 - name.size()) + web;
    };
    crafted.folder().writeLines("LUGAR", {lugar("Universidad de Almer\xED"
                                                "a",
                                                "ual.es"),
                                          lugar("Universidad de C\xE1"
                                                "diz",
                                                "uca.es")});
    const auto catalog = crafted.load();
    bool abort = false;
    DataFiles files(crafted.folder().path(), crafted.sink, abort);
    PlaceList places;
    ReadPlaceList(files, "LUGAR", places);
    const auto view = placesOfDegree(catalog, places, j, crafted.texts());
    EXPECT_EQ(view.heading, blanks(3) + "LUGAR" + blanks(24) + "t296");
    ASSERT_EQ(view.rows.size(), 2u);
    EXPECT_EQ(view.rows[0],
              "Universidad de C\xE1"
              "diz" +
                  blanks(35 - 20) + " 6,5");
    EXPECT_EQ(view.rows[1],
              "Universidad de Almer\xED"
              "a" +
                  blanks(35 - 22) + "  - ");
}

TEST(PlacesTest, ADegreeTaughtNowhereKeepsThePlaceTablesHeading) {
    CraftedCatalogue crafted;
    const int j = crafted.add({.name = "Derecho (L)"});
    const auto catalog = crafted.load();
    PlaceList places;
    places.names.set(0, "LUGAR");
    const auto view = placesOfDegree(catalog, places, j, crafted.texts());
    EXPECT_EQ(view.heading, "LUGAR");
    EXPECT_TRUE(view.rows.empty());
}

TEST(RequirementsAndOutletsTest, ListTheLinesTheRecordsName) {
    CraftedCatalogue crafted;
    const int j = crafted.add({.name = "Derecho (L)", .requirements = {19, 15}, .outlets = {3, 1}});
    const auto catalog = crafted.load();
    const auto requirements = requirementsOfDegree(catalog, j, crafted.texts());
    EXPECT_EQ(requirements.heading, "t277");
    ASSERT_EQ(requirements.rows.size(), 2u);
    EXPECT_EQ(requirements.rows[0].substr(0, 11), "Modalidad 1");
    EXPECT_EQ(requirements.rows[1].substr(0, 12), "Requisito 15");
    const auto outlets = outletsOfDegree(catalog, j, crafted.texts());
    EXPECT_EQ(outlets.heading, "t278");
    ASSERT_EQ(outlets.rows.size(), 2u);
    EXPECT_EQ(outlets.rows[0].substr(0, 8), "Salida 3");
}

}  // namespace
