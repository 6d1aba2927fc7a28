// The degree browser's lists on the bundled catalogue, loaded as the form loads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "common/data/line_order.h"
#include "common/data/readers.h"
#include "common/region_map/region_selection.h"
#include "degrees/browser/degree_lists.h"
#include "degrees/browser/degree_view.h"
#include "degrees/browser/double_degree_lists.h"
#include "degrees/data/degrees_form_data.h"

using namespace rumbelo;
using namespace rumbelo::degrees;

namespace {

class BundledCatalogueTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        shared_ = new Shared;
        DataFiles files(RUMBELO_PROGRAM_DIR, shared_->sink, shared_->abort);
        TextTable table;
        ReadTextsFile(files, "textos", table);
        shared_->texts.distribute(table);
        shared_->loaded = loadDegreesFormData(files, shared_->texts, shared_->data);
    }
    static void TearDownTestSuite() {
        delete shared_;
        shared_ = nullptr;
    }
    struct Shared {
        RecordingSink sink;
        bool abort = false;
        InterfaceTexts texts;
        DegreesFormData data;
        bool loaded = false;
    };
    static const DegreeCatalog& catalog() { return shared_->data.degrees; }
    static Shared* shared_;
};

BundledCatalogueTest::Shared* BundledCatalogueTest::shared_ = nullptr;

TEST_F(BundledCatalogueTest, LoadsEveryFileInOrderWithoutAMessage) {
    EXPECT_TRUE(shared_->loaded);
    EXPECT_TRUE(shared_->sink.messages.empty())
        << (shared_->sink.messages.empty() ? "" : shared_->sink.messages[0]);
    EXPECT_GT(catalog().degreeCount, 50);
    EXPECT_EQ(catalog().degrees[0], shared_->texts[48]);
    EXPECT_EQ(shared_->data.geography.communities[0], shared_->texts[275]);
    EXPECT_EQ(shared_->data.geography.zones[2].lines[0], shared_->texts[276]);
    EXPECT_GT(shared_->data.doubles.count(), 0);
}

TEST_F(BundledCatalogueTest, EachModalityListsExactlyTheDegreesOpenToIt) {
    DegreeFilters filters;
    filters.modalityActive = true;
    for (int k = 1; k <= kModalityCount; ++k) {
        filters.modality = k;
        const auto listed = allDegreesRows(catalog(), filters, false).degrees;
        EXPECT_FALSE(listed.empty()) << k;
        for (int j = 1; j <= catalog().degreeCount; ++j) {
            const auto req = catalog().requirementsOf(j);
            const bool open = std::count(req.begin(), req.end(), 18 + k) > 0 ||
                              std::count(req.begin(), req.end(), 15) > 0;
            const bool isListed = std::count(listed.begin(), listed.end(), j) > 0;
            EXPECT_EQ(open, isListed) << "modality " << k << " degree " << j;
        }
    }
}

TEST_F(BundledCatalogueTest, KindListsShareOutEveryDegree) {
    DegreeFilters filters;
    filters.kindActive = true;
    std::size_t total = 0;
    for (int kind = 1; kind <= kKindCount; ++kind) {
        filters.kind = kind;
        const auto listed = allDegreesRows(catalog(), filters, false).degrees;
        EXPECT_FALSE(listed.empty()) << kind;
        for (const int j : listed)
            EXPECT_EQ(catalog().kind(j), kind);
        total += listed.size();
    }
    std::size_t none = 0;
    for (int j = 1; j <= catalog().degreeCount; ++j)
        none += catalog().kind(j) == 0 ? 1 : 0;
    EXPECT_EQ(total + none, static_cast<std::size_t>(catalog().degreeCount));
}

TEST_F(BundledCatalogueTest, AlphabeticalListIsSortedAndEachRowIsItsDegree) {
    const ListRows rows = allDegreesRows(catalog(), {}, true);
    ASSERT_EQ(rows.size(), catalog().degreeCount);
    for (int i = 0; i + 1 < rows.size(); ++i)
        EXPECT_FALSE(sortsAfter(rows.rows[static_cast<std::size_t>(i)],
                                rows.rows[static_cast<std::size_t>(i + 1)]));
    for (int i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.rows[static_cast<std::size_t>(i)], catalog().name(rows.degreeAt(i)));
    EXPECT_NE(rows.degrees, allDegreesRows(catalog(), {}, false).degrees);
}

TEST_F(BundledCatalogueTest, MadridsUniversitiesListTheirDegreesWithMarks) {
    const auto& geo = shared_->data.geography;
    const auto places = region_map::universityPlaces(geo, 13);
    ASSERT_FALSE(places.empty());
    const std::regex mark(R"(( \d|\d\d),\d|  - )");
    int withDegrees = 0;
    for (const int place : places) {
        EXPECT_EQ(geo.places.code(place), 13);
        const ListRows rows = universityDegreeRows(catalog(), place);
        withDegrees += rows.size() > 0 ? 1 : 0;
        for (int i = 0; i < rows.size(); ++i) {
            const std::string& row = rows.rows[static_cast<std::size_t>(i)];
            ASSERT_EQ(row.size(), 49u);
            EXPECT_TRUE(std::regex_match(row.substr(45), mark)) << row;
            EXPECT_EQ(row.substr(0, 45), catalog().name(rows.degreeAt(i)).substr(0, 45));
        }
    }
    EXPECT_GT(withDegrees, 0);
}

TEST_F(BundledCatalogueTest, CeutaAndMelillaListTheUniversitiesOfTheFirstCommunity) {
    const auto& geo = shared_->data.geography;
    const auto first = region_map::universityPlaces(geo, 1);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(region_map::universityPlaces(geo, 18), first);
    EXPECT_EQ(region_map::universityPlaces(geo, 19), first);
}

TEST_F(BundledCatalogueTest, EveryDegreeWithDoublesHasLinesUnderAUniversity) {
    const auto& data = shared_->data;
    const auto degrees = degreesWithDoubles(data.degrees, data.doubles);
    ASSERT_FALSE(degrees.empty());
    for (const int d : degrees) {
        const auto lines = doubleDegreesOfDegree(data.degrees, data.doubles, d);
        ASSERT_GE(lines.size(), 3u) << d;
        EXPECT_TRUE(lines[1].heading);
        EXPECT_EQ(lines[2].text.substr(0, 1), " ");
    }
}

TEST_F(BundledCatalogueTest, EveryDegreeHasItsMenuLists) {
    const auto& data = shared_->data;
    for (int j = 1; j <= data.degrees.degreeCount; ++j) {
        EXPECT_FALSE(
            placesOfDegree(data.degrees, data.geography.places, j, shared_->texts).rows.empty())
            << j;
        EXPECT_GE(subjectsOfDegree(data.degrees, j, shared_->texts).rows.size(), 5u) << j;
        // Related degrees: the degrees j names by name, then those naming j, none of them j
        // itself or a line beyond the degrees.
        const auto related = relatedToDegree(data.degrees, j, shared_->texts);
        const auto named = data.degrees.relatedOf(j);
        const auto naming = data.degrees.relatedTo(j);
        std::vector<std::string> expected{shared_->texts[295]};
        for (const int k : named)
            expected.push_back(data.degrees.name(k));
        expected.push_back("");
        if (!naming.empty()) expected.push_back(shared_->texts[178]);
        for (const int k : naming)
            expected.push_back(data.degrees.name(k));
        EXPECT_EQ(related.rows, expected) << j;
        for (const int k : named) {
            EXPECT_NE(k, j);
            EXPECT_TRUE(k >= 1 && k <= data.degrees.degreeLines) << j << " names " << k;
            if (k > data.degrees.degreeCount) continue;  // a closing line ("any ...")
            const auto back = data.degrees.relatedTo(k);
            EXPECT_NE(std::find(back.begin(), back.end(), j), back.end()) << j << " " << k;
        }
    }
}

TEST_F(BundledCatalogueTest, Comarca37HasFurtherComarcasToList) {
    const auto& geo = shared_->data.geography;
    EXPECT_GE(geo.listBarcelona.size(), 5u);
    EXPECT_FALSE(comarcaName(geo, kComarcaWithList).empty());
}

}  // namespace
