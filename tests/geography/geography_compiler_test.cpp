// The geography pass on the project's sources and on deliberately broken copies of them:
// every broken reference or layout rule must be reported at its source line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "data/geography/geography.h"
#include "geography/geography_fixture.h"
#include "support/temp_folder.h"

namespace rumbelo::data {
namespace {

using testing::anyErrorContains;

// A copy of the project's geography sources that a test may break.
class BrokenCopy {
  public:
    BrokenCopy() {
        std::filesystem::copy(std::filesystem::path(RUMBELO_SOURCE_DIR) / "data/geography",
                              src_.path() / "geography", std::filesystem::copy_options::recursive);
    }
    std::string read(const std::string& name) const {
        return testing::readFile(src_.path() / "geography" / name);
    }
    void write(const std::string& name, const std::string& text) const {
        src_.write("geography/" + name, text);
    }
    // Replaces the first occurrence of `from`; returns the line number where it stood.
    int replace(const std::string& name, const std::string& from, const std::string& to) const {
        std::string text = read(name);
        const auto at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        write(name, text);
        return 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
    }
    std::vector<std::string> compile() const {
        CompileContext ctx(src_.path(), out_.path());
        compileGeography(ctx);
        return ctx.diag.errors();
    }

  private:
    testing::TempFolder src_;
    testing::TempFolder out_;
};

TEST(GeographyCompiler, TheProjectSourcesCompileWithoutErrors) {
    const auto& compiled = testing::compiledGeography();
    EXPECT_TRUE(compiled.errors.empty()) << compiled.errors.front();
    for (const char* name : {"COMUNIDA", "COMUINT", "LUGAR", "LU1", "LU2", "LU3", "LU4", "comarcas",
                             "comarcasm", "mapa", "mapac", "mapam", "puntos3"})
        EXPECT_TRUE(std::filesystem::exists(compiled.folder / name)) << name;
}

TEST(GeographyCompiler, AnUnknownProvinceOfACentreIsReportedAtItsLine) {
    BrokenCopy copy;
    const int line = copy.replace("centros/LU3.tsv", "\tsevilla\t", "\tatlantida\t");
    EXPECT_TRUE(anyErrorContains(
        copy.compile(),
        "geography/centros/LU3.tsv:" + std::to_string(line) + ": unknown province \"atlantida\""));
}

TEST(GeographyCompiler, AnUnknownComarcaOfACentreIsReportedAtItsLine) {
    BrokenCopy copy;
    const int line = copy.replace("centros/LU4.tsv", "\tosona\t", "\tosana\t");
    EXPECT_TRUE(
        anyErrorContains(copy.compile(), "geography/centros/LU4.tsv:" + std::to_string(line) +
                                             ": unknown comarca or area \"osana\""));
}

TEST(GeographyCompiler, UniversitiesOfCeutaAreRefusedAndKeysMustBeUnique) {
    BrokenCopy copy;
    const int ceuta = copy.replace("universidades.tsv", "ugr-ceuta\t1\t", "ugr-ceuta\t18\t");
    // "upo" follows "us" in the file: its line is the second use of the key.
    const int twice = copy.replace("universidades.tsv", "upo\t1\t", "us\t1\t");
    const auto errors = copy.compile();
    EXPECT_TRUE(anyErrorContains(errors, "geography/universidades.tsv:" + std::to_string(ceuta) +
                                             ": community 18 is never listed"));
    EXPECT_TRUE(anyErrorContains(errors, "geography/universidades.tsv:" + std::to_string(twice) +
                                             ": duplicate LUGAR key \"us\""));
}

TEST(GeographyCompiler, AProvinceOutOfPlaceKeyOrderIsRefused) {
    BrokenCopy copy;
    const int line = copy.replace("provincias.tsv", "jaen\tandalucia\t3C", "jaen\tandalucia\t3G");
    EXPECT_TRUE(anyErrorContains(
        copy.compile(),
        "geography/provincias.tsv:" + std::to_string(line) + ": place 6 has the key \"3C\""));
}

TEST(GeographyCompiler, ACentreInsideTheKeyedRunOfMadridIsRefused) {
    BrokenCopy copy;
    // A Toledo centre put between the Madrid centres and Cuenca would be keyed by area.
    const std::string toledo = "toledo-extra-1\ttoledo\tToledo\tIES Prueba\t925000000\ties\t\t\n";
    std::string lu2 = copy.read("centros/LU2.tsv");
    const auto cuenca = lu2.find("\ncuenca-");
    ASSERT_NE(cuenca, std::string::npos);
    lu2.insert(cuenca + 1, toledo);
    copy.write("centros/LU2.tsv", lu2);
    const auto errors = copy.compile();
    EXPECT_TRUE(anyErrorContains(errors, "falls in the run of LU2 that the program keys"));
    EXPECT_TRUE(anyErrorContains(errors, "the centres of toledo must stay together"));
}

TEST(GeographyCompiler, TheFifthEntryOfTheBarcelonesListMustBeTheHeading) {
    BrokenCopy copy;
    std::string list = copy.read("comarcas_barcelones.tsv");
    const auto heading = list.find("-\t\t\t");
    const auto end = list.find('\n', heading) + 1;
    const std::string line = list.substr(heading, end - heading);
    list.erase(heading, end - heading);
    list += line;
    copy.write("comarcas_barcelones.tsv", list);
    const auto errors = copy.compile();
    EXPECT_TRUE(anyErrorContains(errors, "the fifth entry of the list does nothing"));
    EXPECT_TRUE(anyErrorContains(errors, "only the fifth entry of the list is inert"));
}

TEST(GeographyCompiler, AComarcaWithoutCentresIsReported) {
    BrokenCopy copy;
    std::string lu4 = copy.read("centros/LU4.tsv");
    std::string kept;
    std::size_t start = 0;
    while (start < lu4.size()) {
        const auto end = lu4.find('\n', start);
        const std::string line = lu4.substr(start, end - start + 1);
        if (line.find("\taran\t") == std::string::npos) kept += line;
        start = end + 1;
    }
    copy.write("centros/LU4.tsv", kept);
    EXPECT_TRUE(anyErrorContains(copy.compile(), "aran lists no centre"));
}

}  // namespace
}  // namespace rumbelo::data
