// The programmes pass writes the groups, sub-headings and programmes with five module
// lines each, gives every centre at most ten programmes, and refuses what the files cannot
// hold.
#include <gtest/gtest.h>

#include <fstream>

#include "common/data/text_lines.h"
#include "data/initial/initial_pass.h"
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

std::string groups() {
    std::string text = "grupo\tAH\tOficina y cocina\n";
    for (int g = 2; g <= 8; ++g)
        text += "grupo\tA\tGrupo " + std::to_string(g) + "\n";
    return text + "lugar\tBuscar por lugar\n";
}

std::vector<CentreRecord> centres(int count) {
    std::vector<CentreRecord> out;
    for (int k = 1; k <= count; ++k) {
        CentreRecord centre;
        centre.key = "centro-" + std::to_string(k);
        centre.zone = 1;
        centre.line = k;
        centre.letter = 'A';
        centre.province = "huesca";
        out.push_back(centre);
    }
    return out;
}

std::vector<std::string> compile(const TempFolder& src, const TempFolder& out,
                                 const std::string& body, std::vector<CentreRecord>& list) {
    src.write("initial/programas.txt", groups() + body);
    CompileContext ctx(src.path(), out.path());
    compileInitialProgrammes(ctx, list);
    return ctx.diag.errors();
}

TEST(ProgrammesCompiler, WritesFiveModuleLinesPerLineAndAtMostTenProgrammesACentre) {
    TempFolder src, out;
    std::string body = "familia\tA\tOficina\n";
    for (int p = 1; p <= 12; ++p)
        body += "programa\tp" + std::to_string(p) + "\tPrograma " + std::to_string(p) +
                "\tgeneral\nmodulo\tUno\nmodulo\tDos\n";
    body += "familia\tH\tCocina\nprograma\tcocina\tAyudante de cocina\tescasa\nmodulo\tCocinar\n";
    auto list = centres(3);
    const auto errors = compile(src, out, body, list);
    ASSERT_TRUE(errors.empty()) << allErrors(errors);
    const auto fpip = linesOf(out.path() / "fpip");
    ASSERT_EQ(fpip.size(), 9u + 15u);
    EXPECT_EQ(fpip[0], "AH  Oficina y cocina");
    EXPECT_EQ(fpip[8], "0   Buscar por lugar");
    EXPECT_EQ(fpip[9], "A-Oficina");
    EXPECT_EQ(fpip[10], "APrograma 1");
    EXPECT_EQ(fpip[23], "HAyudante de cocina");
    const auto modules = linesOf(out.path() / "IPmodulos");
    ASSERT_EQ(modules.size(), 5u * 15u);
    EXPECT_EQ(modules[5], "Uno");
    EXPECT_EQ(modules[6], "Dos");
    EXPECT_EQ(modules[7], "");
    EXPECT_EQ(modules[70], "Cocinar");
    int offersOfCooking = 0;
    for (const auto& centre : list) {
        EXPECT_LE(centre.programmes.size(), 10u);
        for (const int p : centre.programmes) {
            EXPECT_NE(p, 1) << "a sub-heading is not a programme";
            offersOfCooking += p == 15;
        }
    }
    EXPECT_GE(offersOfCooking, 1);
}

TEST(ProgrammesCompiler, RefusesASixthModuleAGroupLetterWithoutProgrammesAndLongLines) {
    TempFolder src, out;
    auto list = centres(2);
    const auto errors =
        compile(src, out,
                "familia\tA\tOficina\nprograma\tp\tAuxiliar\tgeneral\nmodulo\t1\nmodulo\t2\n"
                "modulo\t3\nmodulo\t4\nmodulo\t5\nmodulo\t6\n"
                "programa\tlargo\t" +
                    std::string(60, 'x') + "\tgeneral\n",
                list);
    EXPECT_TRUE(anyErrorContains(errors, "at most five module lines")) << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "group letter H has no programme"));
    EXPECT_TRUE(anyErrorContains(errors, "more than the 59 characters"));
}

}  // namespace
}  // namespace rumbelo::data
