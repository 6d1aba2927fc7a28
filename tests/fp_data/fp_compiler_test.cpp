// The higher-FP and questionnaire passes of rumbelo-data: what they write, read back through
// the program's loaders, and how they point at faulty sources.
#include <gtest/gtest.h>

#include <fstream>

#include "common/text/fixed_text.h"
#include "data/compile.h"
#include "data/fp/fp_passes.h"
#include "degrees/data/fp_catalog.h"
#include "degrees/data/interest_catalog.h"
#include "fp_sources_fixture.h"
#include "support/compile_errors.h"

namespace rumbelo::data {
namespace {

using rumbelo::testing::TempFolder;

using rumbelo::testing::allErrors;
using rumbelo::testing::anyErrorContains;

using testing::compileTexts;

struct Compiled {
    TempFolder src, out;
    CompileContext ctx{src.path(), out.path()};
    RecordingSink sink;
    bool aborted = false;
    DataFiles files{out.path(), sink, aborted};
};

TEST(FpCompiler, TheCompiledCatalogueLoadsAsTheFormLoadsIt) {
    Compiled c;
    testing::writeSources(c.src);
    compileTexts(c.ctx);
    ASSERT_FALSE(c.ctx.diag.failed()) << allErrors(c.ctx.diag.errors());

    degrees::FpCatalog fp;
    degrees::loadFpTexts(c.files, fp);
    degrees::loadFpBlocks(c.files, fp);
    degrees::loadFpLinks(c.files, fp);
    ASSERT_FALSE(c.aborted);
    ASSERT_EQ(fp.titleCount(), 5);
    EXPECT_EQ(TrimRight(fp.titleName(1)), "-Primera familia");
    EXPECT_EQ(TrimRight(fp.titleName(4)), "-|Segunda familia");
    EXPECT_EQ(TrimRight(fp.titleName(2)), "T\xEDtulo uno");
    EXPECT_EQ(markedFamilyCount(fp.families), 1);
    EXPECT_EQ(fp.blocks.count(), fp.titleCount());
    // Keys became line numbers: r2, r9 of the requirements; both degrees; group salud = 1.
    EXPECT_EQ(fp.accessRequirements(2), (std::vector<int>{2, 9}));
    EXPECT_EQ(fp.degreesReached(2), (std::vector<int>{1, 2}));
    EXPECT_EQ(fp.groups(5), (std::vector<int>{1, 2}));
    // Header rows stay empty; row 130 holds the catalogue's requirements.
    EXPECT_TRUE(fp.accessRequirements(1).empty());
    EXPECT_TRUE(fp.groups(4).empty());
    EXPECT_EQ(fp.accessRequirements(130), (std::vector<int>{2, 12}));
    // Routes: t-uno has r9 (route 2), t-dos r31 (route 3 only), t-tres r12 (every route).
    EXPECT_TRUE(fp.qualifies(2, 2));
    EXPECT_FALSE(fp.qualifies(2, 1));
    EXPECT_TRUE(fp.qualifies(3, 3));
    EXPECT_FALSE(fp.qualifies(3, 4));
    for (int route = 1; route <= 4; ++route)
        EXPECT_TRUE(fp.qualifies(5, route));
}

TEST(FpCompiler, RequirementsKeepTheirFixedLinesAndRouteNamesFromColumnFour) {
    Compiled c;
    testing::writeSources(c.src);
    compileTexts(c.ctx);
    degrees::FpCatalog fp;
    degrees::loadFpTexts(c.files, fp);
    EXPECT_EQ(TrimRight(fp.requirements[1]), "Requisito 1");
    EXPECT_EQ(TrimRight(colsFrom(fp.requirements[8], 4)), "Requisito 8");
    EXPECT_EQ(TrimRight(colsFrom(fp.requirements[12], 4)), "Requisito 12");
}

TEST(FpCompiler, TitleBlocksShowSummaryModulesAndTotalHours) {
    Compiled c;
    testing::writeSources(c.src);
    compileTexts(c.ctx);
    degrees::FpCatalog fp;
    degrees::loadFpBlocks(c.files, fp);
    EXPECT_EQ(TrimRight(fp.blockLine(2, 1)), "Un resumen corto.");
    EXPECT_TRUE(IsBlank(fp.blockLine(2, 2)));
    EXPECT_EQ(TrimRight(fp.blockLine(2, 6)),
              "M\xF3"
              "dulos profesionales (1300 horas):");
    EXPECT_EQ(TrimRight(fp.blockLine(2, 7)),
              "Primer m\xF3"
              "dulo" +
                  std::string(30, ' ') + "1000 h");
    EXPECT_EQ(TrimRight(fp.blockLine(2, 10)),
              "Salidas: T\xE9"
              "cnico.");
    // A header's block lists its family's titles.
    EXPECT_EQ(TrimRight(fp.blockLine(1, 7)), "- T\xEDtulo uno");
    EXPECT_EQ(TrimRight(fp.blockLine(1, 8)), "- T\xEDtulo dos");
}

TEST(FpCompiler, MovingAFixedRequirementIsAnErrorAtItsLine) {
    Compiled c;
    testing::writeSources(c.src);
    c.src.write("fp/requisitos.tsv", "extra\tOtro\n" + testing::requirementsSource());
    compileTexts(c.ctx);
    EXPECT_TRUE(
        anyErrorContains(c.ctx.diag.errors(),
                         "fp/requisitos.tsv:3: the cabecera requirement must be entry 1, not 2"));
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "fp/requisitos.tsv:10: the ruta1 requirement must be entry 8"));
}

TEST(FpCompiler, ASecondGroupFamilyBeforeAFirstGroupOneIsRefused) {
    Compiled c;
    testing::writeSources(c.src);
    c.src.write("fp/familias.tsv", "dos\t2\nuno\t1\n");
    compileTexts(c.ctx);
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "first-group family uno after a second-group family"));
}

TEST(FpCompiler, UnknownKeysAndUnreachableRoutesPointAtTheSourceLine) {
    Compiled c;
    testing::writeSources(c.src);
    c.src.write("fp/familias/dos.txt",
                "familia\tSegunda\ntexto\tOtra.\n" +
                    testing::titleSource("t-tres", "Tres", "r2 nada", "salud"));
    compileTexts(c.ctx);
    EXPECT_TRUE(
        anyErrorContains(c.ctx.diag.errors(), "fp/familias/dos.txt:8: unknown REQFP key \"nada\""));
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "fp/familias/dos.txt:8: t-tres is open to no Bachillerato route"));
}

TEST(FpCompiler, ATitleWithoutGroupsIsRefused) {
    Compiled c;
    testing::writeSources(c.src);
    c.src.write("fp/familias/dos.txt", "familia\tSegunda\ntexto\tOtra.\n" +
                                           testing::titleSource("t-tres", "Tres", "r12", ""));
    compileTexts(c.ctx);
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "fp/familias/dos.txt:3: t-tres belongs to no interest group"));
}

TEST(FpCompiler, AnEntornoLineBindsItsTitleAndNamesOneEntorno) {
    Compiled c;
    testing::writeSources(c.src);
    // Before the oferta line, which must not drop it.
    std::string title = testing::titleSource("t-tres", "Tres", "r12", "salud");
    title.insert(title.find('\n') + 1, "entorno\tcosta\n");
    c.src.write("fp/familias/dos.txt", "familia\tSegunda\ntexto\tOtra.\n" + title);
    c.src.write("fp/familias/uno.txt", "familia\tPrimera\ntexto\tUna.\n" +
                                           testing::titleSource("t-uno", "Uno", "r2 r9", "salud") +
                                           "entorno\tcosta montana\n" +
                                           testing::titleSource("t-dos", "Dos", "r31", "empresa"));
    const auto families = fp::readFamilies(c.ctx, fp::higherGrade());
    ASSERT_EQ(families.size(), 2u);
    EXPECT_EQ(families[1].titles[0].offer.setting, "costa");
    EXPECT_EQ(families[1].titles[0].offer.spread, "general");
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(), "fp/familias/uno.txt:13: expected entorno"));
}

TEST(FpCompiler, TextsThatWouldBeCutAreErrors) {
    Compiled c;
    testing::writeSources(c.src);
    const std::string longSummary(60, 'x');
    c.src.write("fp/familias/dos.txt",
                "familia\tSegunda\ntexto\tOtra.\n"
                "titulo\tt-tres\tTres\n"
                "resumen\tuno dos tres cuatro cinco seis siete ocho nueve diez once doce trece "
                "catorce quince dieciseis diecisiete dieciocho diecinueve veinte veintiuno "
                "veintidos veintitres veinticuatro veinticinco veintiseis veintisiete "
                "veintiocho veintinueve treinta treinta y uno\n"
                "modulo\tUn m\xC3\xB3"
                "dulo cuyo nombre no cabe en la columna de nombres\t30\n"
                "salidas\tAlgo.\nacceso\tr12\ngrupos\tsalud\n");
    compileTexts(c.ctx);
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "fp/familias/dos.txt:3: the summary of t-tres takes"));
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "fp/familias/dos.txt:5: a module name holds at most 42"));
}

TEST(FpCompiler, ABlockLongerThanTwentyFiveLinesIsRefused) {
    Compiled c;
    testing::writeSources(c.src);
    std::string title =
        "titulo\tt-tres\tTres\nresumen\tCorto.\nsalidas\tAlgo.\nacceso\tr12\n"
        "grupos\tsalud\n";
    for (int i = 1; i <= 18; ++i)
        title +=
            "modulo\tM\xC3\xB3"
            "dulo " +
            std::to_string(i) + "\t50\n";
    c.src.write("fp/familias/dos.txt", "familia\tSegunda\ntexto\tOtra.\n" + title);
    compileTexts(c.ctx);
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "fp/familias/dos.txt:3: the text block takes 26 lines"));
}

TEST(QuestionnaireCompiler, WeightsRepeatItemsInTheGroupLists) {
    Compiled c;
    testing::writeSources(c.src);
    compileTexts(c.ctx);
    ASSERT_FALSE(c.ctx.diag.failed()) << allErrors(c.ctx.diag.errors());
    degrees::InterestCatalog interest;
    degrees::loadInterestTexts(c.files, interest);
    degrees::loadGroupItems(c.files, interest);
    ASSERT_FALSE(c.aborted);
    using degrees::Questionnaire;
    EXPECT_EQ(interest.groupItems(Questionnaire::Qualities, 1), (std::vector<int>{1, 2, 3, 3, 7}));
    EXPECT_EQ(interest.groupItems(Questionnaire::Qualities, 2),
              (std::vector<int>{4, 5, 6, 7, 7, 7}));
    EXPECT_EQ(interest.groupItems(Questionnaire::Interests, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(interest.groupItems(Questionnaire::Interests, 2), (std::vector<int>{2}));
    EXPECT_EQ(TrimRight(interest.qualities[7]), "Siete");
}

TEST(QuestionnaireCompiler, TheGradedScalesMustOpenTheQualities) {
    Compiled c;
    testing::writeSources(c.src);
    c.src.write("interest/cualidades.tsv",
                "libre\tSiete\tsalud\na1\tUno\tsalud\tA1\na2\tDos\tsalud\tA2\n"
                "a3\tTres\tsalud\tA3\nb1\tCuatro\tempresa\tB1\nb2\tCinco\tempresa\tB2\n"
                "b3\tSeis\tempresa\tB3\n");
    compileTexts(c.ctx);
    EXPECT_TRUE(
        anyErrorContains(c.ctx.diag.errors(),
                         "interest/cualidades.tsv:1: statement 1 must carry the chain mark A1"));
    EXPECT_TRUE(anyErrorContains(
        c.ctx.diag.errors(),
        "interest/cualidades.tsv:7: only the first six statements carry a chain mark"));
}

TEST(QuestionnaireCompiler, AGroupWithoutStatementsCannotBeScored) {
    Compiled c;
    testing::writeSources(c.src);
    c.src.write("interest/intereses.tsv", "x\tEquis\tsalud\n");
    compileTexts(c.ctx);
    EXPECT_TRUE(anyErrorContains(
        c.ctx.diag.errors(),
        "interest/intereses.tsv: interest group 2 has no statement in this questionnaire"));
}

TEST(QuestionnaireCompiler, BadWeightsAndUnknownGroupsAreReported) {
    Compiled c;
    testing::writeSources(c.src);
    c.src.write("interest/intereses.tsv", "x\tEquis\tsalud*0 empresa\ny\tIgriega\tarte\n");
    compileTexts(c.ctx);
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "interest/intereses.tsv:1: a weight is a number from 1 to 9"));
    EXPECT_TRUE(anyErrorContains(c.ctx.diag.errors(),
                                 "interest/intereses.tsv:2: unknown GRUPOS key \"arte\""));
}

}  // namespace
}  // namespace rumbelo::data
