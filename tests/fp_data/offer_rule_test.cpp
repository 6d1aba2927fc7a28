// Which centres teach each title: the spread rule behind "datFPL".
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/fp/offer_rule.h"

namespace rumbelo::data::fp {
namespace {

// Zone 1 with provinces A (12 centres) and B (3 centres); zone 2 with province C (20).
std::vector<OfferCentre> centres() {
    std::vector<OfferCentre> list;
    auto add = [&](int zone, char letter, const std::string& province, int count) {
        int line = 0;
        for (const auto& c : list)
            if (c.zone == zone) line = std::max(line, c.line);
        for (int i = 1; i <= count; ++i)
            list.push_back({zone, line + i, letter, province, province + "-" + std::to_string(i)});
    };
    add(1, 'A', "alfa", 12);
    add(1, 'B', "beta", 3);
    add(2, 'C', "gamma", 20);
    return list;
}

std::set<std::pair<int, int>> taughtBy(const OfferRows& rows, int title) {
    std::set<std::pair<int, int>> out;
    for (int z = 1; z <= 4; ++z)
        for (const int c : rows[static_cast<std::size_t>(z - 1)][static_cast<std::size_t>(title)])
            out.insert({z, c});
    return out;
}

TEST(OfferRule, AGeneralTitleIsTaughtInEveryProvince) {
    Diagnostics diag;
    const auto rows = distributeOffer(centres(), {{2, "comun", "general", {}, {}}}, 130, diag);
    ASSERT_FALSE(diag.failed());
    const auto& zone1 = rows[0][2];
    EXPECT_TRUE(std::any_of(zone1.begin(), zone1.end(), [](int c) { return c <= 12; }));
    EXPECT_TRUE(std::any_of(zone1.begin(), zone1.end(), [](int c) { return c > 12; }));
    EXPECT_FALSE(rows[1][2].empty());
    EXPECT_TRUE(std::is_sorted(zone1.begin(), zone1.end()));
}

TEST(OfferRule, ASoloTitleStaysInItsNamedProvinces) {
    Diagnostics diag;
    const auto rows = distributeOffer(
        centres(), {{2, "comun", "general", {}, {}}, {3, "raro", "solo", {"gamma"}, {}}}, 130,
        diag);
    ASSERT_FALSE(diag.failed());
    EXPECT_TRUE(rows[0][3].empty());
    EXPECT_EQ(rows[1][3].size(), 1u);  // 4 % of 20 centres, rounded up
}

TEST(OfferRule, EveryTitleIsTaughtSomewhereAndEveryCentreTeachesSomething) {
    std::vector<OfferTitle> titles = {{2, "comun", "general", {}, {}}};
    for (int t = 3; t <= 40; ++t)
        titles.push_back({t, "escaso-" + std::to_string(t), "escasa", {}, {}});
    Diagnostics diag;
    const auto list = centres();
    const auto rows = distributeOffer(list, titles, 130, diag);
    ASSERT_FALSE(diag.failed());
    std::set<std::pair<int, int>> teaching;
    for (const auto& title : titles) {
        const auto taught = taughtBy(rows, title.line);
        EXPECT_FALSE(taught.empty()) << title.key;
        teaching.insert(taught.begin(), taught.end());
    }
    for (const auto& centre : list)
        EXPECT_TRUE(teaching.count({centre.zone, centre.line})) << centre.key;
}

TEST(OfferRule, TheSameSourcesGiveTheSameOffer) {
    const std::vector<OfferTitle> titles = {{2, "comun", "general", {}, {}},
                                            {3, "medio", "media", {"beta"}, {}},
                                            {4, "amplio", "amplia", {}, {}}};
    Diagnostics diag;
    const auto first = distributeOffer(centres(), titles, 130, diag);
    const auto second = distributeOffer(centres(), titles, 130, diag);
    EXPECT_EQ(first, second);
    EXPECT_FALSE(taughtBy(first, 3).empty());
}

TEST(OfferRule, UnknownClassesAndProvincesAreReportedAtTheTitle) {
    Diagnostics diag;
    distributeOffer(centres(),
                    {{2, "comun", "general", {}, {}},
                     {3, "x", "mucho", {}, {"fp/familias/a.txt", 7}},
                     {4, "y", "solo", {"delta"}, {"fp/familias/a.txt", 19}},
                     {5, "z", "solo", {}, {"fp/familias/a.txt", 30}}},
                    130, diag);
    ASSERT_EQ(diag.errors().size(), 3u);
    EXPECT_NE(diag.errors()[0].find("fp/familias/a.txt:7: x: unknown or missing oferta class"),
              std::string::npos);
    EXPECT_NE(
        diag.errors()[1].find("fp/familias/a.txt:19: y: no centre lies in the province \"delta\""),
        std::string::npos);
    EXPECT_NE(diag.errors()[2].find("fp/familias/a.txt:30: z: oferta solo needs the provinces"),
              std::string::npos);
}

// Province alfa has three coastal centres, gamma one, beta none.
std::vector<OfferCentre> coast() {
    auto list = centres();
    for (auto& c : list)
        if (c.key == "alfa-2" || c.key == "alfa-7" || c.key == "alfa-11" || c.key == "gamma-13")
            c.settings = {"montana", "costa"};
    return list;
}

TEST(OfferRule, ACoastalTitleIsTaughtOnlyAtCoastalCentres) {
    // General, so that without its entorno it would take several centres of every province;
    // and the inland centres left without a title must not get it either.
    const std::vector<OfferTitle> titles = {{2, "comun", "general", {}, {}},
                                            {3, "pesca", "general", {}, {}, "costa"}};
    Diagnostics diag;
    const auto list = coast();
    const auto rows = distributeOffer(list, titles, 130, diag);
    ASSERT_FALSE(diag.failed());
    const std::set<std::pair<int, int>> coastal = {{1, 2}, {1, 7}, {1, 11}, {2, 13}};
    const auto taught = taughtBy(rows, 3);
    EXPECT_TRUE(std::includes(coastal.begin(), coastal.end(), taught.begin(), taught.end()));
    // 22 % of alfa's three coastal centres rounded up, and gamma's only one.
    EXPECT_EQ(taught.size(), 2u);
    auto teaching = taughtBy(rows, 2);
    teaching.insert(taught.begin(), taught.end());
    EXPECT_EQ(teaching.size(), list.size());
}

TEST(OfferRule, ACoastalTitleWithNoCoastalCentreInItsProvincesIsReported) {
    Diagnostics diag;
    const auto rows =
        distributeOffer(coast(),
                        {{2, "comun", "general", {}, {}},
                         {3, "pesca", "solo", {"beta"}, {"fp/familias/mar.txt", 12}, "costa"},
                         {4, "buceo", "solo", {"beta", "gamma"}, {}, "costa"}},
                        130, diag);
    ASSERT_EQ(diag.errors().size(), 1u);
    EXPECT_NE(diag.errors()[0].find("fp/familias/mar.txt:12: pesca: no centre of its provinces "
                                    "lies in a locality of entorno \"costa\""),
              std::string::npos);
    EXPECT_TRUE(taughtBy(rows, 3).empty());
    EXPECT_EQ(taughtBy(rows, 4), (std::set<std::pair<int, int>>{{2, 13}}));
}

TEST(OfferRule, CentresWithoutATitleNeedAGeneralTitle) {
    Diagnostics diag;
    distributeOffer(centres(), {{3, "raro", "solo", {"gamma"}, {}}}, 130, diag);
    EXPECT_TRUE(diag.failed());
}

TEST(OfferRule, DrawsSpreadBetweenZeroAndOne) {
    double low = 1, high = 0;
    for (int i = 0; i < 200; ++i) {
        const double d = draw("titulo|" + std::to_string(i));
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
        low = std::min(low, d);
        high = std::max(high, d);
    }
    EXPECT_LT(low, 0.1);
    EXPECT_GT(high, 0.9);
}

}  // namespace
}  // namespace rumbelo::data::fp
