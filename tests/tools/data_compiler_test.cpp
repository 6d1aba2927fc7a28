#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "common/program/school_profile.h"
#include "data/check.h"
#include "data/compile.h"
#include "data/profile_tool.h"
#include "support/compile_errors.h"
#include "support/temp_folder.h"

namespace rumbelo::data {
namespace {

using rumbelo::testing::allErrors;
using rumbelo::testing::anyErrorContains;

TEST(TextosCompiler, WritesNumberedLinesInWindows1252WithCrLf) {
    testing::TempFolder src, out;
    src.write("texts/textos.es.tsv", "# comment\n141\tSí\n1\tFP I.P.\n");
    CompileContext ctx(src.path(), out.path());
    compileTextos(ctx);
    ASSERT_FALSE(ctx.diag.failed()) << ctx.diag.errors()[0];
    std::ifstream in(out.path() / "textos", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes.substr(0, 10), "FP I.P.\r\n\r");
    const std::size_t at141 = [&] {
        std::size_t pos = 0;
        for (int line = 1; line < 141; ++line)
            pos = bytes.find("\r\n", pos) + 2;
        return pos;
    }();
    EXPECT_EQ(bytes.substr(at141, 4), "S\xED\r\n");
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 663);
}

TEST(TextosCompiler, ATextLongerThanItsSlotIsAnErrorAtItsLine) {
    testing::TempFolder src, out;
    src.write("texts/textos.es.tsv", "# comment\n6\tTexto demasiado largo\n502\tnada\n6\totra\n");
    CompileContext ctx(src.path(), out.path());
    compileTextos(ctx);
    EXPECT_TRUE(
        anyErrorContains(ctx.diag.errors(), "texts/textos.es.tsv:2: text 6 is 21 characters long"));
    EXPECT_TRUE(anyErrorContains(ctx.diag.errors(), "texts/textos.es.tsv:3: text 502 has no slot"));
    EXPECT_TRUE(
        anyErrorContains(ctx.diag.errors(), "texts/textos.es.tsv:4: text 6 is given twice"));
}

TEST(TextosCompiler, CharactersOutsideWindows1252AreRefused) {
    testing::TempFolder src, out;
    src.write("texts/textos.es.tsv", "163\tflecha \xE2\x86\x92\n");
    CompileContext ctx(src.path(), out.path());
    compileTextos(ctx);
    EXPECT_TRUE(anyErrorContains(ctx.diag.errors(), "texts/textos.es.tsv:1: text has characters"));
}

TEST(TextosCompiler, TextsSpeakAsTuAndFitEveryPupil) {
    testing::TempFolder src, out;
    src.write("texts/textos.es.tsv",
              "163\tElija usted su v\xC3\xAD"
              "a\n"
              "164\ts\xC3\xA9 sincero/a\n"
              "165\tNosotros/as\n"
              "201\tUstedes, tambi\xC3\xA9n\n"
              "202\tA 90 km/h, con tu Bachillerato/a\xC3\xB1o 2\n");
    CompileContext ctx(src.path(), out.path());
    compileTextos(ctx);
    const auto& errors = ctx.diag.errors();
    EXPECT_TRUE(anyErrorContains(errors, "texts/textos.es.tsv:1: the texts speak to the pupil"));
    EXPECT_TRUE(anyErrorContains(errors, "texts/textos.es.tsv:2: write it so that it fits"));
    EXPECT_TRUE(anyErrorContains(errors, "texts/textos.es.tsv:3: write it so that it fits"));
    EXPECT_TRUE(anyErrorContains(errors, "texts/textos.es.tsv:4: the texts speak to the pupil"));
    EXPECT_FALSE(anyErrorContains(errors, "texts/textos.es.tsv:5:")) << allErrors(errors);
}

TEST(KeyRegistry, UnknownAndDuplicateKeysAreReportedWithTheirPlace) {
    Diagnostics diag;
    KeyRegistry keys;
    keys.add("LUGAR", "us", 1, {"geo/universidades.tsv", 3}, diag);
    keys.add("LUGAR", "us", 2, {"geo/universidades.tsv", 9}, diag);
    EXPECT_EQ(keys.resolve("LUGAR", "us", {"x", 1}, diag), 1);
    EXPECT_EQ(keys.resolve("LUGAR", "ucm", {"grados.tsv", 12}, diag), 0);
    EXPECT_TRUE(
        anyErrorContains(diag.errors(), "geo/universidades.tsv:9: duplicate LUGAR key \"us\""));
    EXPECT_TRUE(anyErrorContains(diag.errors(), "grados.tsv:12: unknown LUGAR key \"ucm\""));
}

TEST(ProfileTool, WritesARecordTheProgramReads) {
    testing::TempFolder out;
    const std::string file = (out.path() / "clave8demo").string();
    std::string error;
    ASSERT_EQ(writeProfileCommand({"--name", "IES Miguel Hernández", "--language", "0", "--theme",
                                   "C", "--animation", "1", file},
                                  error),
              0)
        << error;
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto profile = parseSchoolProfile(bytes);
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->schoolName, "IES Miguel Hern\xE1ndez");
    EXPECT_EQ(profile->themeLetter, "C");
    EXPECT_EQ(profile->animation, 1);
    EXPECT_NE(writeProfileCommand({"--theme", "Q", file}, error), 0);
    EXPECT_NE(writeProfileCommand({"--name", std::string(51, 'x'), file}, error), 0);
}

}  // namespace
}  // namespace rumbelo::data
