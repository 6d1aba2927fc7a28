// The list of every degree with its two filters, its caption, the alphabetical order of a
// language folder, and the degrees of a university with their marks.
#include <gtest/gtest.h>

#include "crafted_catalogue.h"
#include "degrees/browser/degree_lists.h"

using namespace rumbelo;
using namespace rumbelo::degrees;
using rumbelo::testing::CraftedCatalogue;

namespace {

// Five degrees: kinds 2, 1, 2, 3, 0; modality 1 is requirement 19, modality 3 is 21.
class DegreeListsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        medicina = crafted.add({.name = "Medicina (L)", .requirements = {19, 20}});
        enfermeria = crafted.add({.name = "Enfermer\xED"
                                          "a (D)",
                                  .requirements = {19}});
        derecho = crafted.add({.name = "Derecho (L)", .requirements = {15}});
        antropologia = crafted.add({.name = "Antropolog\xED"
                                            "a (2\xBA ciclo)",
                                    .requirements = {21}});
        bellas = crafted.add({.name = "Bellas Artes", .requirements = {22}});
        catalog = crafted.load();
    }
    std::vector<int> listed(const DegreeFilters& filters, bool alphabetical = false) const {
        return allDegreesRows(catalog, filters, alphabetical).degrees;
    }

    CraftedCatalogue crafted;
    DegreeCatalog catalog;
    int medicina = 0, enfermeria = 0, derecho = 0, antropologia = 0, bellas = 0;
};

TEST_F(DegreeListsTest, WithoutFiltersEveryDegreeIsListedInFileOrderWithItsFullLine) {
    ASSERT_EQ(catalog.degreeCount, 5);
    const ListRows rows = allDegreesRows(catalog, {}, false);
    EXPECT_EQ(rows.degrees, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(rows.rows[0].size(), 60u);
    EXPECT_EQ(rows.rows[0].substr(0, 12), "Medicina (L)");
}

TEST_F(DegreeListsTest, ModalityFilterKeepsItsRequirementAndRequirement15) {
    DegreeFilters filters;
    filters.modalityActive = true;
    filters.modality = 1;  // requirement 19
    EXPECT_EQ(listed(filters), (std::vector<int>{medicina, enfermeria, derecho}));
    filters.modality = 3;  // requirement 21
    EXPECT_EQ(listed(filters), (std::vector<int>{derecho, antropologia}));
}

TEST_F(DegreeListsTest, Requirement15PassesEveryModality) {
    DegreeFilters filters;
    filters.modalityActive = true;
    for (int k = 1; k <= kModalityCount; ++k) {
        filters.modality = k;
        const auto degrees = listed(filters);
        EXPECT_NE(std::find(degrees.begin(), degrees.end(), derecho), degrees.end()) << k;
    }
}

TEST_F(DegreeListsTest, EntryZeroOfEitherFilterKeepsEveryDegree) {
    DegreeFilters filters;
    filters.modalityActive = true;
    filters.kindActive = true;
    EXPECT_EQ(listed(filters).size(), 5u);
}

TEST_F(DegreeListsTest, KindFilterKeepsOneKind) {
    DegreeFilters filters;
    filters.kindActive = true;
    filters.kind = 2;
    EXPECT_EQ(listed(filters), (std::vector<int>{medicina, derecho}));
    filters.kind = 3;
    EXPECT_EQ(listed(filters), (std::vector<int>{antropologia}));
}

TEST_F(DegreeListsTest, KindFilterAppliesToWhatTheModalityFilterKept) {
    DegreeFilters filters;
    filters.modalityActive = true;
    filters.modality = 1;
    filters.kindActive = true;
    filters.kind = 2;
    EXPECT_EQ(listed(filters), (std::vector<int>{medicina, derecho}));
    filters.kind = 1;
    EXPECT_EQ(listed(filters), (std::vector<int>{enfermeria}));
}

TEST_F(DegreeListsTest, AnInactiveFilterIsIgnoredWhateverItsEntry) {
    DegreeFilters filters;
    filters.modality = 1;
    filters.kind = 3;
    EXPECT_EQ(listed(filters).size(), 5u);
}

TEST_F(DegreeListsTest, KindFilterShowsHelpSituations10_11_13) {
    EXPECT_EQ(kindHelpSituation(1), 10);
    EXPECT_EQ(kindHelpSituation(2), 11);
    EXPECT_EQ(kindHelpSituation(3), 13);
    EXPECT_EQ(kindHelpSituation(0), 0);
}

TEST_F(DegreeListsTest, AlphabeticalListKeepsEachRowsOwnDegree) {
    const ListRows rows = allDegreesRows(catalog, {}, true);
    // Byte order: "Antropolog\xED" "a" < "Bellas" < "Derecho" < "Enfermer\xED" "a" < "Medicina".
    EXPECT_EQ(rows.degrees,
              (std::vector<int>{antropologia, bellas, derecho, enfermeria, medicina}));
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.rows[static_cast<std::size_t>(i)], catalog.name(rows.degreeAt(i)));
}

TEST_F(DegreeListsTest, AlphabeticalListIsFilteredToo) {
    DegreeFilters filters;
    filters.modalityActive = true;
    filters.modality = 1;
    EXPECT_EQ(listed(filters, true), (std::vector<int>{derecho, enfermeria, medicina}));
}

TEST_F(DegreeListsTest, CaptionTellsAllOrHowManyOfHowMany) {
    const auto& texts = crafted.texts();
    EXPECT_EQ(listCountCaption(texts, 5, 5), "t589: t590");
    EXPECT_EQ(listCountCaption(texts, 3, 5), "t589: 3 t591 5");
}

TEST_F(DegreeListsTest, FilterEntriesComeFromTheTextsAndTheRequirements) {
    const auto modalities = modalityEntries(catalog, crafted.texts());
    EXPECT_EQ(modalities, (std::vector<std::string>{"t223", "Modalidad 1", "Modalidad 2",
                                                    "Modalidad 3", "Modalidad 4", "Modalidad 5"}));
    EXPECT_EQ(kindEntries(crafted.texts()),
              (std::vector<std::string>{"t333", "t334", "t335", "t336"}));
    EXPECT_EQ(kindFilterText(catalog), "Tipo de carrera");
}

TEST(ListTopTest, OutOfRangeOldTopStartsAgainAtTheTop) {
    EXPECT_EQ(refreshedListTop(-1, 100, 40), 0);
    EXPECT_EQ(refreshedListTop(101, 100, 40), 0);
    EXPECT_EQ(refreshedListTop(0, 100, 40), 40);
    EXPECT_EQ(refreshedListTop(100, 100, 40), 40);
}

class UniversityDegreesTest : public ::testing::Test {
  protected:
    CraftedCatalogue crafted;
};

TEST_F(UniversityDegreesTest, ADegreeOfferedTwiceAtAPlaceGivesTwoRows) {
    const int derecho = crafted.add({.name = "Derecho (L)", .places = {{7, 65}, {9, 50}, {7, 72}}});
    const int medicina = crafted.add({.name = "Medicina (L)", .places = {{9, 88}}});
    const int fisica = crafted.add({.name = "F\xEDsica (L)", .places = {{7, 100}}});
    const auto catalog = crafted.load();
    const ListRows rows = universityDegreeRows(catalog, 7);
    EXPECT_EQ(rows.degrees, (std::vector<int>{derecho, derecho, fisica}));
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows.rows[0], catalog.name(derecho).substr(0, 45) + " 6,5");
    EXPECT_EQ(rows.rows[1], catalog.name(derecho).substr(0, 45) + " 7,2");
    EXPECT_EQ(rows.rows[2], catalog.name(fisica).substr(0, 45) + "10,0");
    EXPECT_EQ(universityDegreeRows(catalog, 9).degrees, (std::vector<int>{derecho, medicina}));
}

TEST_F(UniversityDegreesTest, AnUnknownMarkShowsADash) {
    crafted.add({.name = "Qu\xEDmica (L)", .places = {{3, 10}}});
    const auto catalog = crafted.load();
    const ListRows rows = universityDegreeRows(catalog, 3);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.rows[0].substr(45), "  - ");
}

TEST_F(UniversityDegreesTest, APlaceWithoutDegreesGivesNoRows) {
    crafted.add({.name = "Qu\xEDmica (L)", .places = {{3, 55}}});
    const auto catalog = crafted.load();
    EXPECT_EQ(universityDegreeRows(catalog, 4).size(), 0);
}

}  // namespace
