// The catalogue pass resolves degree, title and FP family keys into the rows of "indices",
// and refuses a qualification left without a family.
#include <gtest/gtest.h>

#include <fstream>

#include "common/data/text_lines.h"
#include "data/catalogue/catalogue_pass.h"
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

// Keys as the degree and FP passes register them: CARRERA 1 medicina, 2 enfermeria,
// 3 a closing line; FP 1 the sanidad header, 2-3 its titles, 4 the quimica header, 5 its
// title; FP2 1 the sanidad header, 2 its title.
std::vector<std::string> compile(const TempFolder& src, const TempFolder& out,
                                 const std::string& index) {
    src.write("catalogo/familias.tsv", "S\tSanidad\nZ\tIndustrias químicas\n");
    src.write("catalogo/indices.tsv", index);
    src.write("fp/familias.tsv", "sanidad\t1\nquimica\t1\n");
    src.write("fp/medio/familias.tsv", "sanidad\t1\n");
    src.write("degrees/cierre.tsv", "cualquier-diplomatura\tCualquier diplomatura\n");
    CompileContext ctx(src.path(), out.path());
    const SourcePos pos{"test", 1};
    int line = 0;
    for (const char* key : {"medicina", "enfermeria", "cualquier-diplomatura"})
        ctx.keys.add("CARRERA", key, ++line, pos, ctx.diag);
    line = 0;
    for (const char* key : {"sanidad", "san-a", "san-b", "quimica", "qui-a"})
        ctx.keys.add("FP", key, ++line, pos, ctx.diag);
    ctx.keys.add("FP2", "sanidad", 1, pos, ctx.diag);
    ctx.keys.add("FP2", "gm-san", 2, pos, ctx.diag);
    compileCatalogue(ctx);
    return ctx.diag.errors();
}

TEST(CatalogueCompiler, FamiliesOfRowsByKeyAndOfTitlesThroughTheirFamily) {
    TempFolder src, out;
    const auto errors = compile(src, out,
                                "carrera\tmedicina\tS\ncarrera\tenfermeria\tS\n"
                                "fp-familia\tsanidad\tS\nfp\tsan-b\tSZ\nfp-familia\tquimica\tZ\n"
                                "fp2\tgm-san\tS\n");
    ASSERT_TRUE(errors.empty()) << allErrors(errors);
    EXPECT_EQ(linesOf(out.path() / "familias"),
              (std::vector<std::string>{"SSanidad", "ZIndustrias qu\xEDmicas"}));
    // As many lines as the longest table; headers and the closing line stay blank.
    EXPECT_EQ(linesOf(out.path() / "indices"),
              (std::vector<std::string>{"S     ", "S S S ", "  SZ  ", "      ", "  Z   "}));
}

TEST(CatalogueCompiler, RefusesRowsWithoutFamilyAndKeysNamingNone) {
    TempFolder src, out;
    const auto errors = compile(src, out,
                                "carrera\tmedicina\tS\ncarrera\tenfermeria\tSX\n"
                                "fp\tsan-a\tS\nfp-familia\tquimica\tZ\nfp2\tgm-san\tS\n"
                                "fp\tsanidad\tS\n");
    EXPECT_TRUE(anyErrorContains(errors, "FP san-b belongs to no family")) << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "family key X is not in familias.tsv"));
    EXPECT_TRUE(anyErrorContains(errors, "sanidad is not a qualification of FP"));
    EXPECT_FALSE(anyErrorContains(errors, "cualquier-diplomatura"));
}

}  // namespace
}  // namespace rumbelo::data
