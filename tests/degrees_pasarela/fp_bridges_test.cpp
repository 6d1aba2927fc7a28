// The degrees reached from higher FP, turned round: which titles lead to each degree.
#include "degrees/pasarela/fp_bridges.h"

#include <gtest/gtest.h>

#include "common/text/fixed_text.h"

using namespace rumbelo;
using namespace rumbelo::degrees;

namespace {

// Titles t = 1..n of "FP" (line 1 a family header), each reaching the listed degrees.
FpCatalog catalogue(const std::vector<std::string>& degrees,
                    const std::vector<std::vector<int>>& reached) {
    FpCatalog fp;
    for (std::size_t r = 0; r < degrees.size(); ++r)
        fp.reachableDegrees.set(static_cast<int>(r) + 1, degrees[r]);
    fp.links.resize(reached.size() + 1);
    for (std::size_t t = 0; t < reached.size(); ++t) {
        fp.titles.set(static_cast<int>(t) + 1,
                      t == 0 ? "-Familia" : "Ciclo " + std::to_string(t + 1));
        fp.links[t + 1].degrees = reached[t];
    }
    return fp;
}

std::vector<std::string> trimmed(const std::vector<std::string>& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines)
        out.push_back(TrimRight(line));
    return out;
}

}  // namespace

TEST(FpBridges, TitlesAreListedByNumberOncePerListingAndUnreachedDegreesAreLeftOut) {
    // Degree 2 is reached by nobody; title 3 names degree 1 twice.
    const FpCatalog fp = catalogue({"Qu\xEDmica", "Medicina",
                                    "Biolog\xED"
                                    "a"},
                                   {{}, {3, 1}, {1, 1}, {3}});
    const InverseBridges bridges = buildInverseBridges(fp);
    EXPECT_TRUE(bridges.overfull.empty());
    const auto listed = bridgeDegrees(fp, bridges);
    ASSERT_EQ(listed.size(), 2u);
    // Sorted by name: "Biología" before "Química".
    EXPECT_EQ(listed[0].degree, 3);
    EXPECT_EQ(listed[1].degree, 1);
    EXPECT_EQ(TrimRight(listed[1].name), "Qu\xEDmica");
    EXPECT_EQ(trimmed(titlesReaching(fp, bridges, 1)),
              (std::vector<std::string>{"Ciclo 2", "Ciclo 3", "Ciclo 3"}));
    EXPECT_EQ(trimmed(titlesReaching(fp, bridges, 3)),
              (std::vector<std::string>{"Ciclo 2", "Ciclo 4"}));
    EXPECT_TRUE(titlesReaching(fp, bridges, 2).empty());
    EXPECT_TRUE(titlesReaching(fp, bridges, 9).empty());
}

TEST(FpBridges, MoreThanFiftyTitlesForADegreeAreReportedAndKeptToTheRow) {
    std::vector<std::vector<int>> reached{{}};
    for (int t = 2; t <= 53; ++t)
        reached.push_back({1, 2});
    // A degree number beyond "carreFP" is ignored, not written anywhere.
    reached.push_back({7});
    const FpCatalog fp = catalogue({"Ingenier\xED"
                                    "a",
                                    "Arquitectura"},
                                   reached);
    const InverseBridges bridges = buildInverseBridges(fp);
    EXPECT_EQ(bridges.overfull, (std::vector<int>{1, 2}));
    const auto titles = titlesReaching(fp, bridges, 1);
    ASSERT_EQ(titles.size(), static_cast<std::size_t>(kBridgeRowCapacity));
    EXPECT_EQ(TrimRight(titles.back()), "Ciclo 51");
    const std::string message = overfullMessage(fp, 1);
    EXPECT_NE(message.find("datFPR"), std::string::npos);
    EXPECT_NE(message.find("Ingenier\xED"
                           "a"),
              std::string::npos);
    EXPECT_NE(message.find("50"), std::string::npos);
}
