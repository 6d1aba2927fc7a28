// The professions pass writes the four files in their columns, naming short phrases and
// studies by key, and reports at the source line what the questionnaire could not use.
#include <gtest/gtest.h>

#include <fstream>

#include "common/data/text_lines.h"
#include "data/professions/professions_pass.h"
#include "support/compile_errors.h"
#include "support/temp_folder.h"

namespace rumbelo::data {
namespace {

using rumbelo::testing::allErrors;
using rumbelo::testing::anyErrorContains;
using rumbelo::testing::TempFolder;

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return splitLines(std::string((std::istreambuf_iterator<char>(in)), {}));
}

struct Sources {
    std::string activities = "SANI\tSanidad\nCUID\tCuidados\n";
    std::string longPhrases = "Me gusta cuidar a la gente.\tSANI CUID\n";
    std::string shortPhrases =
        "# key main second text\ncurar\tSANI\tCUID\tCurar a personas\n"
        "mayores\tCUID\t-\tCuidar a personas mayores\n";
    std::string professions =
        "SANI\tCUID\tEnfermero o enfermera\tcurar\tC:enfermeria M:gm-aux\n"
        "CUID\t-\tGerocultor\tmayores curar\tM:gm-aux O:bomberos\n";
};

std::vector<std::string> compile(const Sources& s, const TempFolder& out) {
    TempFolder src;
    src.write("professions/actividades.tsv", s.activities);
    src.write("professions/frases_largas.tsv", s.longPhrases);
    src.write("professions/frases_cortas.tsv", s.shortPhrases);
    src.write("professions/profesiones.tsv", s.professions);
    // The study lists as the catalogue passes leave them, with their keys.
    out.writeLines("CARRERA", {"Medicina", "Enfermería", "a", "b", "c", "d"});
    out.writeLines("FP", {"-Sanidad", "Dietética"});
    out.writeLines("FP2", {"-Sanidad", "Cuidados Auxiliares de Enfermería"});
    out.writeLines("OTROS", {"Bomberos"});
    CompileContext ctx(src.path(), out.path());
    ctx.keys.add("CARRERA", "enfermeria", 2, {}, ctx.diag);
    ctx.keys.add("FP2", "gm-aux", 2, {}, ctx.diag);
    ctx.keys.add("OTROS", "bomberos", 1, {}, ctx.diag);
    compileProfessions(ctx);
    return ctx.diag.errors();
}

TEST(ProfessionsCompiler, WritesTheColumnsWithPhraseNumbersAndStudyLines) {
    TempFolder out;
    const auto errors = compile({}, out);
    ASSERT_TRUE(errors.empty()) << allErrors(errors);
    EXPECT_EQ(linesOf(out.path() / "ACTIVIDA"),
              (std::vector<std::string>{"SANI Sanidad", "CUID Cuidados"}));
    const auto longPhrases = linesOf(out.path() / "FRALARGAS");
    ASSERT_EQ(longPhrases.size(), 1u);
    EXPECT_EQ(longPhrases[0].substr(115), "SANI CUID");
    EXPECT_EQ(linesOf(out.path() / "FRACORTAS")[1], "CUID      Cuidar a personas mayores");
    const auto professions = linesOf(out.path() / "profesio");
    ASSERT_EQ(professions.size(), 2u);
    EXPECT_EQ(professions[0].substr(0, 10), "SANI CUID ");
    EXPECT_EQ(professions[0].substr(50), "  1  0C002M002");
    EXPECT_EQ(professions[1].substr(5, 5), "     ");
    EXPECT_EQ(professions[1].substr(50), "  2  1M002O001");
    // The check reads the built files through the program's reader and finds nothing.
    CheckContext ctx(out.path());
    checkProfessions(ctx);
    EXPECT_TRUE(ctx.problems.empty()) << allErrors(ctx.problems);
    // A study code written past the seventh is never read: the check says so.
    out.writeLines("profesio", {professions[0] + std::string(40, ' ') + "O001", professions[1]});
    CheckContext wide(out.path());
    checkProfessions(wide);
    EXPECT_TRUE(anyErrorContains(wide.problems, "profesio line 1: text past column 84"))
        << allErrors(wide.problems);
}

TEST(ProfessionsCompiler, NamesTheSourceLineOfWhatCannotBeUsed) {
    TempFolder out;
    Sources s;
    s.professions =
        "SANI\tCUID\tEnfermero o enfermera de un nombre demasiado largo\tcurar\tC:enfermeria\n"
        "SANI\tXXXX\tDentista\tdesconocida\tC:odontologia\n"
        "CUID\t-\tGerocultor\tmayores\tM:gm-aux\n";
    auto errors = compile(s, out);
    EXPECT_TRUE(anyErrorContains(errors, "professions/profesiones.tsv:1")) << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "activity code \"XXXX\"")) << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "unknown short phrase \"desconocida\""));
    EXPECT_TRUE(anyErrorContains(errors, "unknown CARRERA key \"odontologia\""));

    // An activity no long phrase leads to is found on the written files, at its source line.
    s = Sources{};
    s.activities += "EDUC\tEnseñanza\n";
    errors = compile(s, out);
    EXPECT_TRUE(anyErrorContains(errors, "professions/actividades.tsv:3")) << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "no long phrase leads to"));
}

}  // namespace
}  // namespace rumbelo::data
