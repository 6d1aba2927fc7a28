// `rumbelo-data check` on the higher-FP and interest files of a built folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "common/data/text_lines.h"
#include "data/check.h"
#include "data/fp/fp_check.h"
#include "data/fp/fp_passes.h"
#include "data/interest/interest_check.h"
#include "degrees/data/fp_catalog.h"
#include "fp_sources_fixture.h"

namespace rumbelo::data {
namespace {

using rumbelo::testing::TempFolder;

// (zone, title) -> centre numbers.
using Offer = std::map<std::pair<int, int>, std::vector<int>>;

std::string offerBytes(const Offer& offer) {
    std::string bytes(degrees::kFpOfferRecordSize * degrees::kFpZones, '\0');
    for (const auto& [at, centres] : offer) {
        const std::size_t row =
            static_cast<std::size_t>(at.first - 1) * degrees::kFpOfferRecordSize +
            static_cast<std::size_t>(at.second - 1) * degrees::kOfferRowWords * 2;
        bytes[row] = static_cast<char>(centres.size() & 0xFF);
        bytes[row + 1] = static_cast<char>(centres.size() >> 8);
        for (std::size_t i = 0; i < centres.size(); ++i)
            bytes[row + 2 * (i + 1)] = static_cast<char>(centres[i]);
    }
    return bytes;
}

// Titles 2, 3, 5 of the fixture; each zone file has two centres.
Offer fullOffer() {
    return {{{1, 2}, {1}}, {{1, 3}, {2}}, {{2, 5}, {1, 2}}, {{3, 2}, {1, 2}}, {{4, 5}, {1, 2}}};
}

struct Built {
    TempFolder src, out;
    Built() {
        testing::writeSources(src);
        CompileContext ctx(src.path(), out.path());
        testing::compileTexts(ctx);
        EXPECT_FALSE(ctx.diag.failed());
        for (int z = 1; z <= 4; ++z)
            out.writeLines("LU" + std::to_string(z), {"AUno", "ADos"});
        out.write("datFPL", offerBytes(fullOffer()));
    }
    std::vector<std::string> check() const {
        CheckContext ctx(out.path());
        checkInterestGroups(ctx);
        checkFpCatalogue(ctx);
        for (const auto& message : ctx.sink.messages)
            ctx.problems.push_back(message);
        return ctx.problems;
    }
};

bool has(const std::vector<std::string>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

TEST(FpCheck, ACompleteFolderPasses) {
    Built built;
    const auto problems = built.check();
    EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(FpCheck, BlocksMustMatchTheLinesOfFp) {
    Built built;
    std::vector<std::string> blocks;
    for (int i = 0; i < 26 * 4; ++i)
        blocks.push_back("x");
    built.out.writeLines("asignafp", blocks);
    EXPECT_TRUE(has(built.check(), "asignafp: 4 blocks for 5 lines of FP"));
}

TEST(FpCheck, ATitleWithoutCentreAndACentreWithoutTitleAreReported) {
    Built built;
    Offer offer = fullOffer();
    offer.erase({1, 3});
    built.out.write("datFPL", offerBytes(offer));
    const auto problems = built.check();
    EXPECT_TRUE(has(problems, "FP line 3 (T\xC3\xADtulo dos): taught in no centre"));
    EXPECT_TRUE(has(problems, "LU1 line 2: the centre teaches no higher-FP title"));
}

TEST(FpCheck, CentresMustExistAndHeadersTeachNothing) {
    Built built;
    Offer offer = fullOffer();
    offer[{2, 5}] = {1, 2, 3};
    offer[{3, 4}] = {1};
    built.out.write("datFPL", offerBytes(offer));
    const auto problems = built.check();
    EXPECT_TRUE(has(problems, "datFPL zone 2 row 5: centre 3 beyond the 2 lines of LU2"));
    EXPECT_TRUE(has(problems, "datFPL zone 3 row 4: centres for a line that is no title"));
}

TEST(FpCheck, ARowOverItsCapacityIsReported) {
    Built built;
    std::string bytes = offerBytes(fullOffer());
    bytes[0] = static_cast<char>(0x46);  // zone 1, title 1: 326 centres
    bytes[1] = 1;
    built.out.write("datFPL", bytes);
    EXPECT_TRUE(has(built.check(), "datFPL zone 1 row 1: 326 centres; a row holds 325"));
}

TEST(FpCheck, LinkCountsBeyondTheirRowsAreReported) {
    Built built;
    std::string links(degrees::kFpLinksRecordSize, '\0');
    links[degrees::kGroupTableOffset + 2 * degrees::kGroupRowBytes] = 4;  // title 3: 4 groups
    built.out.write("datFPR", links);
    EXPECT_TRUE(has(built.check(), "datFPR row 3: 4 groups; the row holds 3"));
}

TEST(FpCheck, AccessAgesAndModuleHoursAreHeldToTheRules) {
    Built built;
    std::vector<std::string> requirements;
    for (int n = 1; n <= 32; ++n)
        requirements.push_back(" - Requisito " + std::to_string(n));
    requirements[12] = "Prueba de acceso con 20 a\xF1os cumplidos";
    requirements[13] =
        "Prueba de acceso: 18 a\xF1os con un t\xEDtulo de T\xE9"
        "cnico afin";
    requirements[14] = "Prueba de acceso: 18 a\xF1os";
    built.out.writeLines("REQFP", requirements);
    // Title 2's first module loses 5 hours; its total stays 1300.
    std::ifstream in(built.out.path() / "asignafp", std::ios::binary);
    auto blocks = splitLines(std::string(std::istreambuf_iterator<char>(in), {}));
    for (auto& line : blocks)
        if (line.find("1000 h") != std::string::npos) {
            line.replace(line.find("1000 h"), 6, " 995 h");
            break;
        }
    built.out.writeLines("asignafp", blocks);
    const auto problems = built.check();
    EXPECT_TRUE(has(problems, "REQFP line 13: 20 a\xC3\xB1os"));
    EXPECT_FALSE(has(problems, "REQFP line 14"));
    EXPECT_TRUE(has(problems, "REQFP line 15: 18 a\xC3\xB1os"));
    EXPECT_TRUE(has(problems,
                    "asignafp block of FP line 2 (T\xC3\xADtulo uno): the modules add up "
                    "to 1295 hours, line 6 says 1300"));
    EXPECT_FALSE(has(problems, "FP line 3"));
}

TEST(InterestCheck, EveryGroupNeedsItemsInBothQuestionnaires) {
    Built built;
    std::string datgru(2 * 20200, '\0');
    datgru[0] = 1;  // qualities, group 1: item 1
    datgru[1] = 1;
    datgru[101] = 1;  // qualities, group 2: item 9, beyond the seven statements
    datgru[102] = 9;
    datgru[20200] = 1;  // interests, group 1 only
    datgru[20201] = 2;
    built.out.write("datgru", datgru);
    const auto problems = built.check();
    EXPECT_TRUE(has(problems, "datgru: group 2 lists CUALIDAD item 9 beyond its 7 lines"));
    EXPECT_TRUE(has(problems, "datgru: group 2 has no item of INTERES"));
    EXPECT_FALSE(has(problems, "group 1 has no item"));
}

TEST(InterestCheck, DegreesWithoutGroupsAreReportedOnceTheDegreesAreThere) {
    Built built;
    EXPECT_FALSE(has(built.check(), "datcar"));
    // Six lines: two degrees and the four closing lines.
    built.out.writeLines("CARRERA", {"Uno", "Dos", "a", "b", "c", "d"});
    std::string datcar(5 * 20200, '\0');
    const std::size_t record5 = 4 * 20200;
    datcar[record5] = 1;  // degree 1: group 2
    datcar[record5 + 1] = 2;
    datcar[record5 + 101] = 1;  // degree 2: group 13, beyond GRUPOS
    datcar[record5 + 102] = 13;
    built.out.write("datcar", datcar);
    auto problems = built.check();
    EXPECT_FALSE(has(problems, "datcar: degree 1"));
    EXPECT_TRUE(has(problems, "datcar: degree 2 names group 13 beyond the 2 lines of GRUPOS"));
    datcar[record5 + 101] = 0;
    built.out.write("datcar", datcar);
    problems = built.check();
    EXPECT_TRUE(has(problems, "datcar: degree 2 has 0 interest groups"));
}

TEST(FpCheck, MoreLinesOfFpThanItsTablesHoldAreReportedNotRead) {
    Built built;
    std::vector<std::string> lines;
    for (int i = 1; i <= 140; ++i)
        lines.push_back(i % 10 == 1 ? "|Familia " + std::to_string(i)
                                    : "Titulo " + std::to_string(i));
    built.out.writeLines("FP", lines);
    EXPECT_TRUE(has(built.check(), "FP: 140 lines; the tables hold 130"));
}

TEST(InterestCheck, MoreDegreesThanDatcarHoldsAreReportedNotRead) {
    Built built;
    std::vector<std::string> lines;
    for (int i = 1; i <= 214; ++i)
        lines.push_back("Carrera " + std::to_string(i));
    built.out.writeLines("CARRERA", lines);
    std::string datcar(5 * 20200, '\0');
    for (int j = 0; j < 200; ++j) {
        datcar[4 * 20200 + static_cast<std::size_t>(j) * 101] = 1;
        datcar[4 * 20200 + static_cast<std::size_t>(j) * 101 + 1] = 1;
    }
    built.out.write("datcar", datcar);
    const auto problems = built.check();
    EXPECT_TRUE(has(problems, "CARRERA: 210 degrees; datcar holds 200"));
    EXPECT_FALSE(has(problems, "datcar: degree"));
}

}  // namespace
}  // namespace rumbelo::data
