// `rumbelo-data check` on the intermediate-FP files of a built folder.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/check.h"
#include "data/fp/fp2_check.h"
#include "data/fp/fp_passes.h"
#include "fp2_sources_fixture.h"

namespace rumbelo::data {
namespace {

bool has(const std::vector<std::string>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

// FP2 lines 2-4 and 6 taught by the two centres of zone 2.
std::string offer(const std::vector<int>& rows) {
    std::string bytes(4 * 84760, '\0');
    for (const int t : rows) {
        const std::size_t at = 84760 + static_cast<std::size_t>(t - 1) * 652;
        bytes[at] = 2;
        bytes[at + 2] = 1;
        bytes[at + 4] = 2;
    }
    return bytes;
}

struct Built : testing::MediumSources {
    Built() {
        compile();
        EXPECT_FALSE(ctx.diag.failed());
        for (int z = 1; z <= 4; ++z)
            out.writeLines("LU" + std::to_string(z), {"AUno", "ADos"});
        out.write("datFPL2", offer({2, 3, 4, 6}));
        std::vector<std::string> texts(345, "texto");
        texts[343] = "prueba si cumples 17 a\xF1os";
        out.writeLines("textos", texts);
    }
    std::vector<std::string> check() const {
        CheckContext cc(out.path());
        checkMediumFpCatalogue(cc);
        for (const auto& message : cc.sink.messages)
            cc.problems.push_back(message);
        return cc.problems;
    }
};

TEST(Fp2Check, ACompleteFolderPasses) {
    Built built;
    const auto problems = built.check();
    EXPECT_TRUE(problems.empty()) << problems.front();
}

TEST(Fp2Check, UntaughtTitlesHeaderOffersAndWrongAgesAreReported) {
    Built built;
    built.out.write("datFPL2", offer({1, 2, 3, 4}));
    std::vector<std::string> texts(345, "texto");
    texts[343] = "prueba si cumples 18 a\xF1os";
    built.out.writeLines("textos", texts);
    const auto problems = built.check();
    EXPECT_TRUE(has(problems, "datFPL2 zone 2 row 1: centres for a line that is no title"));
    EXPECT_TRUE(has(problems, "FP2 line 6 (T\xC3\xADtulo m-d): taught in no centre"));
    EXPECT_TRUE(has(problems, "textos 341-345: 18 a\xC3\xB1os"));
}

TEST(Fp2Check, CodesThatResolveToNoTitleAndBlocksThatDoNotAddUpAreReported) {
    Built built;
    std::vector<std::string> lines;
    for (int k = 1; k <= 10; ++k)
        lines.push_back("Area " + std::to_string(k));
    lines.push_back("Salir");
    lines.insert(lines.end(), {"1T12Uno", "1430Cuarto de tres", "3T45Familia 3", "2Z60Solo uno",
                               "1X78Letra", "1T9xMal", "1T00Diez"});
    built.out.writeLines("CUESGM", lines);
    // Block of FP2 line 3: a module line gains 100 hours.
    std::vector<std::string> blocks;
    const std::string row = "Segundo" + std::string(36, ' ') + "1000 h";
    int seen = 0;
    for (const auto& line : built.blockLines())
        blocks.push_back(line == row && ++seen == 2 ? "Segundo" + std::string(36, ' ') + "1100 h"
                                                    : line);
    built.out.writeLines("asignagm", blocks);
    const auto problems = built.check();
    EXPECT_TRUE(
        has(problems, "statement 2 (line 13): code \"14\" needs 4 titles; the family has 3"));
    EXPECT_TRUE(has(problems, "statement 3 (line 14): code \"3T\" names no family of FP2"));
    EXPECT_TRUE(has(problems, "statement 4 (line 15): code \"2Z\" needs 2 titles"));
    EXPECT_TRUE(has(problems, "statement 5 (line 16): code \"1X\" names no title"));
    EXPECT_TRUE(has(problems, "statement 6 (line 17): columns 3 and 4 must be area digits"));
    EXPECT_FALSE(has(problems, "area 10 has no statement"));
    EXPECT_TRUE(has(problems,
                    "asignagm block of FP2 line 3 (T\xC3\xADtulo m-b): the modules add up "
                    "to 1500 hours, line 6 says 1400"));
}

}  // namespace
}  // namespace rumbelo::data
