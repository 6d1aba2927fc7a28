// The secondary files as rumbelo-data builds them from the bundled sources: they load as
// the secondary form loads them, agree with the degree and FP catalogues, and point at
// faulty sources by file and line; the check finds what the program would miss.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "common/text/fixed_text.h"
#include "data/check.h"
#include "data/compile.h"
#include "secondary/data/line_fields.h"
#include "secondary/data/secondary_data.h"
#include "support/compile_errors.h"
#include "support/data_folder.h"

namespace rumbelo::data {
namespace {

using rumbelo::testing::allErrors;
using rumbelo::testing::anyErrorContains;
using rumbelo::testing::TempFolder;

// The bundled sources copied into a folder of their own, so that a test can spoil them.
struct Sources {
    TempFolder src, out;
    Sources() {
        std::filesystem::copy(std::filesystem::path(RUMBELO_SOURCE_DIR) / "data", src.path(),
                              std::filesystem::copy_options::recursive);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(src.path() / name, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void replace(const std::string& name, const std::string& from, const std::string& to) {
        auto text = read(name);
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        src.write(name, text);
    }
    std::vector<std::string> compile() const {
        CompileContext ctx(src.path(), out.path());
        compileAll(ctx);
        return ctx.diag.errors();
    }
};

std::vector<std::string> fileLines(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(TrimRight(line.substr(0, line.find('\r'))));
    return lines;
}

TEST(SecondaryCompiler, TheBundledFilesLoadPassTheCheckAndAgreeWithTheCatalogues) {
    Sources s;
    const auto errors = s.compile();
    ASSERT_TRUE(errors.empty()) << allErrors(errors);
    const auto problems = checkFolder(s.out.path());
    EXPECT_TRUE(problems.empty()) << allErrors(problems);

    RecordingSink sink;
    bool aborted = false;
    DataFiles files(s.out.path(), sink, aborted);
    secondary::SecondaryData data;
    secondary::loadSecondaryTexts(files, data);
    secondary::loadSecondaryTables(files, data);
    ASSERT_FALSE(aborted);

    // Every degree listed by modality is a degree of CARRERA, under the same name.
    const auto carrera = fileLines(s.out.path() / "CARRERA");
    const std::set<std::string> degreeNames(carrera.begin(), carrera.end());
    for (int k = 1; k <= data.degrees.count(); ++k)
        EXPECT_TRUE(degreeNames.count(TrimRight(secondary::degreeName(data.degrees[k]))))
            << data.degrees[k];
    // TITULOS keeps its first group in lines 1-88 and lists degrees from line 89.
    EXPECT_TRUE(degreeNames.count(TrimRight(data.titles[89]))) << data.titles[89];
    EXPECT_FALSE(degreeNames.count(TrimRight(data.titles[1]))) << data.titles[1];
    // The first 35 statements are the readiness block: each advice area is made of them.
    for (int h = secondary::kFirstAdviceArea; h <= secondary::kLastAdviceArea; ++h)
        for (const int i : data.areas.statementsOf(h))
            EXPECT_LE(i, 35) << h;
    EXPECT_GT(data.statements.count(), 35);
    EXPECT_EQ(data.itinerary.count(), secondary::kAreaCount);
    // The Bachillerato paragraphs end with paragraph 20, after an empty line.
    const auto common = secondary::paragraphLines(data.information, "20");
    const auto health = secondary::informationLines(data.information, 21);
    ASSERT_GT(health.size(), common.size());
    EXPECT_TRUE(IsBlank(common.front()));
    EXPECT_TRUE(std::equal(common.begin(), common.end(), health.end() - common.size()));
    EXPECT_FALSE(IsBlank(data.results.resultLine(52)));
}

TEST(SecondaryCompiler, FaultySourcesAreReportedByFileAndLine) {
    Sources s;
    s.replace("secondary/areas.txt", "carreras: medicina ", "carreras: medicinas ");
    s.replace("secondary/areas.txt", "puesto: 12\n", "puesto: 11\n");
    s.replace("secondary/preparacion.tsv", "3\t4\tTomo apuntes en clase\tclase\n", "");
    s.replace("secondary/intereses.tsv", "4\t3\tMe gusta dibujar y pintar\tartes",
              "4\t5\tMe gusta dibujar y pintar\tartes pintura");
    s.replace("secondary/nombres_cortos.tsv", "vid-vidrio\t", "vid-vidrios\t");
    s.replace("secondary/informacion.txt", "[38]\n",
              "[38]\nSupercalifragilisticoespialidosoyalgunasletrasmas\n");
    const auto errors = s.compile();
    EXPECT_TRUE(anyErrorContains(errors, "unknown degree \"medicinas\"")) << allErrors(errors);
    EXPECT_TRUE(anyErrorContains(errors, "two areas at puesto 11"));
    EXPECT_TRUE(anyErrorContains(errors, "no area at puesto 12"));
    EXPECT_TRUE(anyErrorContains(errors, "34 statements: the first block holds exactly 35"));
    EXPECT_TRUE(anyErrorContains(errors, "weights 2-5 give no points for a fifth answer"));
    EXPECT_TRUE(anyErrorContains(errors, "unknown area \"pintura\""));
    EXPECT_TRUE(anyErrorContains(errors, "short name of an unknown title vid-vidrios"));
    EXPECT_TRUE(anyErrorContains(errors, "vid-vidrio longer than 43 characters"));
    EXPECT_TRUE(anyErrorContains(errors, "secondary/informacion.txt:"));
    EXPECT_TRUE(anyErrorContains(errors, "word longer than a line"));
    // The line that names the unknown area is the one pointed at.
    const auto interests = s.read("secondary/intereses.tsv");
    const auto before = interests.substr(0, interests.find("Me gusta dibujar"));
    const auto line = 1 + std::count(before.begin(), before.end(), '\n');
    EXPECT_TRUE(anyErrorContains(
        errors, "secondary/intereses.tsv:" + std::to_string(line) + ": unknown area"));
}

// A title linked to a modality is listed there even when any Bachillerato admits to it, and
// among the titles open from any Bachillerato; one that needs an earlier title is in no list.
TEST(SecondaryCompiler, ModalityListsKeepLinkedTitlesToTheirModalities) {
    Sources s;
    s.replace("fp/familias/hosteleria.txt", "prioridad todas\n", "prioridad ruta-art todas\n");
    s.replace("fp/familias/hosteleria.txt", "prioridad ruta-hcs ruta-ccss idioma geo\n",
              "tecnico-dep todas\n");
    ASSERT_TRUE(s.compile().empty());
    std::string restaurant, travel;
    for (const auto& line : fileLines(s.out.path() / "FPS")) {
        if (line.find("Restauraci") != std::string::npos) restaurant = line;
        if (line.find("Agencias de Viajes") != std::string::npos) travel = line;
    }
    EXPECT_EQ(restaurant.substr(0, 7), "1     7");
    EXPECT_EQ(travel, "");
}

TEST(SecondaryCheck, MissingParagraphsSubjectsAndReferencesOutOfRangeAreReported) {
    Sources s;
    ASSERT_TRUE(s.compile().empty());
    const auto out = s.out.path();
    // Paragraph 38 and the subjects with keys 5 1 disappear; area 3 names statement 250.
    std::string informa, materias;
    for (const auto& line : fileLines(out / "INFORMA"))
        if (line.rfind("38", 0) != 0) informa += line + "\r\n";
    for (const auto& line : fileLines(out / "MATERIAS"))
        if (line.rfind("51", 0) != 0) materias += line + "\r\n";
    s.out.write("INFORMA", informa);
    s.out.write("MATERIAS", materias);
    // The first degree by modality loses its links: it is listed for every route.
    auto degrees = fileLines(out / "CARRERAS");
    degrees.front().replace(0, 5, "12345");
    std::string carreras;
    for (const auto& line : degrees)
        carreras += line + "\r\n";
    s.out.write("CARRERAS", carreras);
    std::ifstream in(out / "datitine", std::ios::binary);
    std::string areas((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    areas[2 * secondary::kAreaRowBytes + 1] = static_cast<char>(250);
    s.out.write("datitine", areas);

    const auto problems = checkFolder(out);
    EXPECT_TRUE(anyErrorContains(problems, "INFORMA: no lines for paragraph 38"))
        << allErrors(problems);
    EXPECT_TRUE(anyErrorContains(problems, "subject code 501 finds no line with keys 51"));
    EXPECT_TRUE(anyErrorContains(problems, "area 3 names line 250 of CUESTION"));
    EXPECT_TRUE(anyErrorContains(problems, "is listed for all five routes"));
}

}  // namespace
}  // namespace rumbelo::data
