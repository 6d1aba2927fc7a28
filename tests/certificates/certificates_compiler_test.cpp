// The certificates pass turns the readable sources into the aligned pair, refuses sources
// that would break it, and the check finds the same faults in a built pair.
#include <gtest/gtest.h>

#include <fstream>

#include "common/data/text_lines.h"
#include "data/certificates/certificates_pass.h"
#include "support/compile_errors.h"
#include "support/temp_folder.h"

namespace rumbelo::data {
namespace {

using rumbelo::testing::allErrors;
using rumbelo::testing::anyErrorContains;
using rumbelo::testing::TempFolder;

const std::string kRequirements =
    "S\tSin requisitos\nS\tLeer y escribir\nE\tESO\nB\tBachiller\nX\tExperiencia\n"
    "C\tCarné B\nF\tForma física\nM\tManipulador\nD\tDemandante de empleo\n";

std::string groups(const std::string& first) {
    std::string text = first + "\tOficina\n";
    for (int g = 2; g <= 9; ++g)
        text += "H\tGrupo " + std::to_string(g) + "\n";
    return text;
}

std::vector<std::string> linesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return splitLines(std::string((std::istreambuf_iterator<char>(in)), {}));
}

std::vector<std::string> compile(const TempFolder& src, const TempFolder& out) {
    CompileContext ctx(src.path(), out.path());
    compileCertificates(ctx);
    return ctx.diag.errors();
}

std::vector<std::string> check(const TempFolder& built) {
    CheckContext ctx(built.path());
    checkCertificates(ctx);
    auto problems = ctx.problems;
    for (const auto& message : ctx.sink.messages)
        problems.push_back(message);
    return problems;
}

TEST(CertificatesCompiler, WritesBothFilesAlignedLineByLine) {
    TempFolder src, out;
    src.write("certificates/requisitos.tsv", kRequirements);
    src.write("certificates/grupos.tsv", groups("AH"));
    src.write("certificates/certificados.tsv",
              "familia\tA\tAdministración\nEmpleado/a de oficina\tSD\t470\tArchivas papeles\n"
              "familia\tH\tHostelería\nCocinero/a\t-\t90\tCocinas\n");
    const auto errors = compile(src, out);
    ASSERT_TRUE(errors.empty()) << allErrors(errors);
    const auto certifica = linesOf(out.path() / "certifica");
    const auto details = linesOf(out.path() / "certificaH");
    ASSERT_EQ(certifica.size(), 13u);
    ASSERT_EQ(details.size(), 13u);
    EXPECT_EQ(certifica[0], "AH      Oficina");
    EXPECT_EQ(certifica[9], "A-Administraci\xF3n");
    EXPECT_EQ(certifica[10], "AEmpleado/a de oficina");
    EXPECT_EQ(details[1], "SLeer y escribir");
    EXPECT_EQ(details[9], "");
    EXPECT_EQ(details[10], "SD 470 Archivas papeles");
    EXPECT_EQ(details[12], "    90 Cocinas");
    EXPECT_TRUE(check(out).empty()) << allErrors(check(out));
}

TEST(CertificatesCompiler, LettersCodesAndFamilySizesThatBreakTheListsAreErrorsAtTheirLine) {
    TempFolder src, out;
    src.write("certificates/requisitos.tsv", kRequirements);
    src.write("certificates/grupos.tsv", groups("AQ"));
    std::string certificates = "familia\tA\tAdministración\nUno\tSZ\t10\tx\nDos\tSXF\t10\tx\n";
    certificates += "familia\tH\tHostelería\n";
    for (int i = 0; i < 16; ++i)
        certificates += "Oficio " + std::to_string(i) + "\tS\t100\tDescripción\n";
    src.write("certificates/certificados.tsv", certificates);
    const auto errors = compile(src, out);
    EXPECT_TRUE(anyErrorContains(errors, "certificates/grupos.tsv:1: family letter Q"))
        << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "certificates/certificados.tsv:2: requirement code Z"));
    EXPECT_TRUE(anyErrorContains(errors, "certificates/certificados.tsv:3: the codes give 4"));
    EXPECT_TRUE(anyErrorContains(errors, "certificates/certificados.tsv:4: the family has 16"));
}

TEST(CertificatesCheck, FindsMisalignmentUnknownLettersAndCodesAndCrowdedFamilies) {
    TempFolder built;
    std::vector<std::string> certifica = {"AQ      Oficina"};
    std::vector<std::string> details = {"SSin requisitos"};
    for (int g = 2; g <= 9; ++g) {
        certifica.push_back("A       Grupo");
        details.push_back("DDemandante");
    }
    certifica.push_back("A-Administracion");
    details.push_back("");
    for (int i = 0; i < 16; ++i) {
        certifica.push_back("AOficio");
        details.push_back(i == 0 ? "SZ 100 Uno" : "S  100 Otro");
    }
    details.push_back("S  100 Sobra");
    built.writeLines("certifica", certifica);
    built.writeLines("certificaH", details);
    const auto problems = check(built);
    EXPECT_TRUE(anyErrorContains(problems, "certifica has 26 lines but certificaH 27"))
        << allErrors(problems);
    EXPECT_TRUE(anyErrorContains(problems, "certifica line 1: letter Q names no family"));
    EXPECT_TRUE(anyErrorContains(problems, "certificaH line 11: requirement code Z"));
    EXPECT_TRUE(anyErrorContains(problems, "has 16 certificates; at most 15"));
}

}  // namespace
}  // namespace rumbelo::data
