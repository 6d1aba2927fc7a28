// The grado-medio pass of rumbelo-data: FP2 and asignagm from the same source format as
// grado superior, the decree's hours, and the questionnaire codes resolved from keys.
#include <gtest/gtest.h>

#include "common/text/fixed_text.h"
#include "data/compile.h"
#include "data/fp/fp_passes.h"
#include "fp2_sources_fixture.h"
#include "secondary/data/cuesgm_catalog.h"
#include "secondary/data/fp2_catalog.h"
#include "support/compile_errors.h"

namespace rumbelo::data {
namespace {

using rumbelo::testing::allErrors;
using rumbelo::testing::anyErrorContains;

using Compiled = testing::MediumSources;
using testing::kQuestionnaire;
using testing::title;

TEST(Fp2Compiler, TitlesAndBlocksLoadAsTheSecondaryFormLoadsThem) {
    Compiled c;
    c.compile();
    ASSERT_FALSE(c.ctx.diag.failed()) << allErrors(c.ctx.diag.errors());
    secondary::Fp2Catalog fp2;
    secondary::loadFp2Texts(c.files, fp2);
    EXPECT_FALSE(c.aborted);
    ASSERT_EQ(fp2.titleCount(), 6);
    EXPECT_EQ(TrimRight(fp2.titles[5]), "-|Deportes");
    EXPECT_EQ(fp2.firstGroupSize, 1);
    EXPECT_EQ(fp2.familyTitles(1), (std::vector<int>{2, 3, 4}));
    ASSERT_EQ(fp2.blocks.count(), 6);
    // A title's jobs come first, its modules from line 6.
    EXPECT_EQ(TrimRight(fp2.blockLine(2, 1)), "Operario de m-a.");
    EXPECT_EQ(TrimRight(fp2.blockLine(2, 6)),
              "M\xF3"
              "dulos profesionales (1400 horas):");
    EXPECT_EQ(TrimRight(fp2.blockLine(2, 8)), "Segundo" + std::string(36, ' ') + "1000 h");
    EXPECT_EQ(TrimRight(fp2.blockLine(1, 6)),
              "T\xED"
              "tulos de grado medio de la familia (3):");
}

TEST(Fp2Compiler, StatementsNameFamiliesAndTitlesByCode) {
    Compiled c;
    c.compile();
    ASSERT_FALSE(c.ctx.diag.failed()) << allErrors(c.ctx.diag.errors());
    secondary::MediumQuestionnaire q;
    secondary::loadMediumQuestionnaire(c.files, q);
    ASSERT_EQ(q.count(), 6);
    EXPECT_EQ(TrimRight(q.header[11]), "Al mapa");
    EXPECT_EQ(q.statements[1].substr(0, 4), "1T12");
    EXPECT_EQ(q.statements[2].substr(0, 4), "1230");
    EXPECT_EQ(q.statements[3].substr(0, 4), "1Z45");
    EXPECT_EQ(q.statements[4].substr(0, 4), "2100");  // area 10 is the digit 0
    EXPECT_EQ(q.statements[6].substr(0, 4), "2T89");
    EXPECT_EQ(TrimRight(q.text(6)), "Familia deportiva");
}

TEST(Fp2Compiler, HoursMustAddUpToALogseTotalOutsideTheSecondGroup) {
    Compiled c;
    c.src.write("fp/medio/familias/uno.txt", "familia\tUno\ntexto\tLa primera.\n" +
                                                 title("m-a", "1500", "1100") +
                                                 title("m-b", "1400", "900") + title("m-c"));
    c.compile();
    const auto& errors = c.ctx.diag.errors();
    EXPECT_TRUE(anyErrorContains(errors,
                                 "fp/medio/familias/uno.txt:5: m-a: 1500 hours; a LOGSE "
                                 "cycle lasts 1300, 1400, 1700 or 2000"))
        << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(
        errors, "uno.txt:12: m-b: the modules add up to 1300 hours, the decree gives 1400"));
    // The sports teachings have lengths of their own: 990 hours is no error there.
    EXPECT_FALSE(anyErrorContains(errors, "m-d"));
}

TEST(Fp2Compiler, HigherOnlyDirectivesAndUnresolvableStatementsAreRefused) {
    Compiled c;
    c.src.write("fp/medio/familias/dep.txt", "familia\tDeportes\ntexto\tOtra.\n" +
                                                 title("m-d", "990", "590") + "grupos\tsalud\n");
    c.src.write("fp/medio/cuestionario.tsv", std::string(kQuestionnaire) +
                                                 "frase\tm-b m-c\t1\tNo son los dos primeros\n"
                                                 "frase\tnadie\t1\tClave desconocida\n"
                                                 "frase\tm-a\t1 10\tDiez como segunda\n");
    c.compile();
    const auto& errors = c.ctx.diag.errors();
    EXPECT_TRUE(anyErrorContains(errors, "dep.txt:10: \"grupos\" belongs to grado superior only"))
        << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "cuestionario.tsv:18: two keys must be the first two"));
    EXPECT_TRUE(anyErrorContains(errors, "cuestionario.tsv:19: unknown FP2 key \"nadie\""));
    EXPECT_TRUE(anyErrorContains(errors, "cuestionario.tsv:20: area 10 can only be"));
}

}  // namespace
}  // namespace rumbelo::data
