// The degree sources compiled into the program's files: what the program then reads back,
// and the faults the compiler refuses with the source line that causes them.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "common/data/readers.h"
#include "common/text/fixed_text.h"
#include "common/texts/interface_texts.h"
#include "data/degrees/degrees_pass.h"
#include "degrees/data/degree_catalog.h"
#include "degrees/data/fp_catalog.h"
#include "support/compile_errors.h"
#include "support/temp_folder.h"

namespace rumbelo::data {
namespace {

const char* const kRequirements =
    "pau\tBachillerato y PAU\n"
    "consejo-notas\tLas notas cambian\n"
    "elige-via\tElija su v\xC3\xAD"
    "a\n"
    "filtro-tipo\tTipo de carrera\n"
    "cualquier-via\tCualquier v\xC3\xAD"
    "a\n"
    "via-cientifico-tecnologica\tCient\xC3\xAD"
    "fico-Tecnol\xC3\xB3gica\n"
    "via-ciencias-salud\tCiencias de la Salud\n"
    "via-humanidades\tHumanidades\n"
    "via-ciencias-sociales\tCiencias Sociales\n"
    "via-artes\tArtes\n"
    "titulo\tIngenier\xC3\xAD"
    "a t\xC3\xA9"
    "cnica\n";

const char* const kClosing =
    "cualquier-diplomatura\tCualquier diplomatura\n"
    "cualquier-primer-ciclo\tPrimer ciclo\n"
    "cualquier-ingenieria-tecnica\tCualquier ingenier\xC3\xAD"
    "a t\xC3\xA9"
    "cnica\n"
    "musica\tConservatorio\n";

std::string degreeBlock(const std::string& key, const std::string& name, const std::string& kind,
                        const std::string& extra = "", int subjectLines = 3) {
    std::string block = "[" + key + "]\nnombre: " + name + "\ntipo: " + kind +
                        "\ngrupos: ingenieria\nrequisitos: via-cientifico-tecnologica pau\n"
                        "salidas: industria\ndificultad: 5\n" +
                        extra + "asignaturas:\n| Tres cursos.\n";
    for (int i = 2; i <= subjectLines; ++i)
        block += "|Asignatura " + std::to_string(i) + "\n";
    return block;
}

// A small catalogue: two universities, one interest group, the degrees given.
struct Sources {
    testing::TempFolder src, out;
    std::string degrees = degreeBlock("industrial",
                                      "Ingenier\xC3\xAD"
                                      "a Industrial",
                                      "ingenieria") +
                          degreeBlock("it-mecanica", "I T Industrial: Mec\xC3\xA1nica",
                                      "ingenieria-tecnica", "afines: industrial\n") +
                          degreeBlock("organizacion",
                                      "Ingenier\xC3\xAD"
                                      "a en Organizaci\xC3\xB3n (2\xC2\xBA ciclo)",
                                      "segundo-ciclo", "afines: cualquier-ingenieria-tecnica\n");
    std::string places =
        "[industrial]\nugr 6,1\nus 6,5\n[it-mecanica]\nus 5\n[organizacion]\nus -\n";
    std::string others =
        "[danza]\nnombre: Danza\ntexto:\n|Conservatorios de danza.\n|\n|Cuatro cursos.\n";
    std::string doubles = "[us]\n6 industrial it-mecanica\n";
    std::string requirements = kRequirements;
    CompileContext ctx{src.path(), out.path()};

    bool compile() {
        src.write("degrees/requisitos.tsv", requirements);
        src.write("degrees/salidas.tsv", "industria\tIndustria\n");
        src.write("degrees/carreras/todas.txt", degrees);
        src.write("degrees/cierre.tsv", kClosing);
        src.write("degrees/plazas.txt", places);
        src.write("degrees/otros.txt", others);
        src.write("degrees/dobles.txt", doubles);
        out.writeLines("LUGAR", {" 1Universidad de Sevilla                us.es",
                                 " 1Universidad de Granada                ugr.es"});
        ctx.keys.add("LUGAR", "us", 1, {}, ctx.diag);
        ctx.keys.add("LUGAR", "ugr", 2, {}, ctx.diag);
        ctx.keys.add("GRUPOS", "ingenieria", 1, {}, ctx.diag);
        compileDegrees(ctx);
        return !ctx.diag.failed();
    }
    bool hasError(const std::string& text) const {
        return rumbelo::testing::anyErrorContains(ctx.diag.errors(), text);
    }
    std::string allErrors() const { return rumbelo::testing::allErrors(ctx.diag.errors()); }
};

struct Loaded {
    RecordingSink sink;
    bool aborted = false;
    rumbelo::degrees::DegreeCatalog catalog;
    explicit Loaded(const std::filesystem::path& dir) {
        DataFiles files(dir, sink, aborted);
        rumbelo::degrees::loadDegreeCatalog(files, InterfaceTexts{}, catalog);
    }
};

TEST(DegreeCompiler, TheProgramReadsBackWhatTheSourcesSay) {
    Sources sources;
    ASSERT_TRUE(sources.compile()) << sources.allErrors();
    Loaded loaded(sources.out.path());
    ASSERT_FALSE(loaded.aborted) << loaded.sink.messages.front();
    const auto& catalog = loaded.catalog;
    // Listing order: "I T ..." before "Ingenier\xED" "a ...", the prefix before its extensions.
    ASSERT_EQ(catalog.degreeCount, 3);
    EXPECT_EQ(TrimRight(catalog.name(1)), "I T Industrial: Mec\xE1nica");
    EXPECT_EQ(TrimRight(catalog.name(2)),
              "Ingenier\xED"
              "a en Organizaci\xF3n (2\xBA ciclo)");
    EXPECT_EQ(TrimRight(catalog.name(3)),
              "Ingenier\xED"
              "a Industrial");
    EXPECT_EQ(catalog.kind(1), 1);
    EXPECT_EQ(catalog.kind(2), 3);
    EXPECT_EQ(catalog.kind(3), 2);
    // Places in "LUGAR" order, whatever the source order, with their marks.
    const auto places = catalog.places(3);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].place, 1);
    EXPECT_EQ(places[0].mark, 65);
    EXPECT_EQ(places[1].mark, 61);
    EXPECT_EQ(catalog.places(2)[0].mark, rumbelo::degrees::kNoMark);
    EXPECT_EQ(catalog.places(1)[0].mark, 50);
    // The fixed requirement lines, and the free ones around them.
    EXPECT_EQ(TrimRight(catalog.requirements[1]), "Bachillerato y PAU");
    EXPECT_EQ(TrimRight(catalog.requirements[2]),
              "Ingenier\xED"
              "a t\xE9"
              "cnica");
    EXPECT_EQ(TrimRight(catalog.requirements[11]), "Las notas cambian");
    EXPECT_EQ(TrimRight(catalog.requirements[13]), "Tipo de carrera");
    EXPECT_EQ(TrimRight(catalog.requirements[15]),
              "Cualquier v\xED"
              "a");
    EXPECT_EQ(TrimRight(catalog.requirements[19]),
              "Cient\xED"
              "fico-Tecnol\xF3gica");
    EXPECT_EQ(TrimRight(catalog.requirements[23]), "Artes");
    EXPECT_EQ(catalog.requirementsOf(1), (std::vector<int>{19, 1}));
    // The technical engineering meets the degree open to any of them, through line 6.
    EXPECT_EQ(catalog.anyTechnicalEngineeringLine(), 6);
    EXPECT_EQ(catalog.relatedOf(2), (std::vector<int>{6}));
    EXPECT_EQ(catalog.relatedTo(1), (std::vector<int>{2}));
    EXPECT_EQ(catalog.relatedTo(3), (std::vector<int>{1}));
    EXPECT_EQ(catalog.difficulty(1), 5);
    EXPECT_EQ(catalog.otherCount, 1);
    EXPECT_EQ(catalog.otherStudyRows(1).size(), 3u);
}

TEST(DegreeCompiler, DoubleDegreesNameTheUniversityAndBothDegrees) {
    Sources sources;
    ASSERT_TRUE(sources.compile()) << sources.allErrors();
    RecordingSink sink;
    bool aborted = false;
    DataFiles files(sources.out.path(), sink, aborted);
    DoubleDegrees doubles;
    ASSERT_EQ(ReadDoubleDegrees(files, "dobles", doubles), 1);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doubles.groups[1].code, 1);
    EXPECT_EQ(TrimRight(doubles.groups[1].name), "Universidad de Sevilla");
    ASSERT_EQ(doubles.groups[1].members.size(), 1u);
    EXPECT_EQ(doubles.groups[1].members[0].kind, 6);
    EXPECT_EQ(doubles.groups[1].members[0].a, 3);
    EXPECT_EQ(doubles.groups[1].members[0].b, 1);
}

TEST(DegreeCompiler, AnUnknownUniversityIsRefusedAtItsLine) {
    Sources sources;
    sources.places += "[industrial]\n";  // and a second block for the same degree
    sources.places.replace(sources.places.find("ugr 6,1"), 7, "uhu 6,1");
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("degrees/plazas.txt:2: unknown LUGAR key \"uhu\""))
        << sources.allErrors();
    EXPECT_TRUE(sources.hasError("places of \"industrial\" given twice")) << sources.allErrors();
}

TEST(DegreeCompiler, ASubjectBlockOverThirtyLinesIsRefused) {
    Sources sources;
    sources.degrees += degreeBlock("larga", "Larga (Lic.)", "licenciatura", "", 30);
    sources.places += "[larga]\nus 5\n";
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("the subject block is over 30 lines")) << sources.allErrors();
    // The line named is the first that does not fit.
    const auto lines = std::count(sources.degrees.begin(), sources.degrees.end(), '\n');
    EXPECT_TRUE(sources.hasError("degrees/carreras/todas.txt:" + std::to_string(lines) + ":"))
        << sources.allErrors();
}

TEST(DegreeCompiler, MoreDegreesThanSubjectBlocksTheReaderTakesAreRefused) {
    Sources sources;
    for (int i = 1; i <= 159; ++i) {
        const std::string key = "d" + std::to_string(i);
        sources.degrees +=
            degreeBlock(key, "Carrera " + std::to_string(i) + " (Lic.)", "licenciatura");
        sources.places += "[" + key + "]\nus 5\n";
    }
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("162 degrees: more blocks than the subject reader takes"))
        << sources.allErrors();
}

TEST(DegreeCompiler, OneHundredSixtyOneDegreesFitTheSubjectReader) {
    Sources sources;
    for (int i = 1; i <= 158; ++i) {
        const std::string key = "d" + std::to_string(i);
        sources.degrees +=
            degreeBlock(key, "Carrera " + std::to_string(i) + " (Lic.)", "licenciatura");
        sources.places += "[" + key + "]\nus 5\n";
    }
    ASSERT_TRUE(sources.compile()) << sources.allErrors();
    Loaded loaded(sources.out.path());
    EXPECT_EQ(loaded.catalog.degreeCount, 161);
    EXPECT_EQ(loaded.catalog.subjects.count(), 161);
    EXPECT_EQ(loaded.catalog.difficulty(161), 5);
}

TEST(DegreeCompiler, ANameWithoutItsKindMarkerIsRefused) {
    Sources sources;
    sources.degrees += degreeBlock("enfermeria",
                                   "Enfermer\xC3\xAD"
                                   "a",
                                   "diplomatura");
    sources.places += "[enfermeria]\nus 7,1\n";
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("\"enfermeria\": its name reads as kind 0 but its tipo is kind 1"))
        << sources.allErrors();
}

TEST(DegreeCompiler, ANameLongerThanTheListsShowIsRefused) {
    Sources sources;
    sources.degrees += degreeBlock("larga", std::string(40, 'x') + " (Lic.)", "licenciatura");
    sources.places += "[larga]\nus 5\n";
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("the listed name of \"larga\" is 47 characters long"))
        << sources.allErrors();
}

TEST(DegreeCompiler, SubjectLinesTheScreenWouldMangleAreRefused) {
    Sources sources;
    sources.degrees += degreeBlock("fisica", "F\xC3\xADsica (Lic.)", "licenciatura") +
                       "|\xC3\x81lgebra lineal\n|    nota\n|    otra\n|" + std::string(51, 'x') +
                       "\n";
    sources.places += "[fisica]\nus 5\n";
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("accented capital gets no bullet")) << sources.allErrors();
    EXPECT_TRUE(sources.hasError("two lines beginning with four blanks")) << sources.allErrors();
    EXPECT_TRUE(sources.hasError("subject line is 51 characters long")) << sources.allErrors();
}

TEST(DegreeCompiler, RelatedDegreesWrittenOnBothSidesAreRefused) {
    Sources sources;
    sources.degrees.replace(sources.degrees.find("salidas: industria\ndificultad"), 18,
                            "salidas: industria\nafines: it-mecanica");
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("list each other")) << sources.allErrors();
}

TEST(DegreeCompiler, CaptionLinesOfRequisitAreNotRequirements) {
    Sources sources;
    sources.degrees.replace(sources.degrees.find("requisitos: via-cientifico-tecnologica pau"), 42,
                            "requisitos: filtro-tipo pau");
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("REQUISIT line 13 is a caption")) << sources.allErrors();
}

TEST(DegreeCompiler, ADoubleDegreeMustBeTaughtWhereItIsOffered) {
    Sources sources;
    sources.doubles = "[ugr]\n6 industrial it-mecanica\n[us]\n6 industrial cualquier-diplomatura\n";
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("degrees/dobles.txt:2: \"it-mecanica\" is not offered at \"ugr\""))
        << sources.allErrors();
    EXPECT_TRUE(sources.hasError("\"cualquier-diplomatura\" is a closing line, not a degree"))
        << sources.allErrors();
}

TEST(DegreeCompiler, AnOtherStudyTextThatWouldEndEarlyIsRefused) {
    Sources sources;
    sources.others = "[danza]\nnombre: Danza\ntexto:\n|Uno.\n|\n|\n|Dos.\n";
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("degrees/otros.txt:6: two lines beginning with 16 blanks"))
        << sources.allErrors();
}

TEST(DegreeCompiler, AMissingFixedRequirementIsNamed) {
    testing::TempFolder src, out;
    src.write("degrees/requisitos.tsv", "pau\tBachillerato y PAU\n");
    CompileContext ctx{src.path(), out.path()};
    degrees::compileRequirements(ctx);
    ASSERT_TRUE(ctx.diag.failed());
    bool named = false;
    for (const auto& error : ctx.diag.errors())
        named = named || error.find(
                             "the fixed line 19 (\"via-cientifico-tecnologica\") is "
                             "missing") != std::string::npos;
    EXPECT_TRUE(named);
}

TEST(DegreeCompiler, NamesAreListedAsAPupilReadsThem) {
    using degrees::listedBefore;
    // The kind marker does not count: the bare name comes before its extensions.
    EXPECT_TRUE(
        listedBefore("Historia (Lic.)", "Historia y Ciencias de la M\xFAsica (2\xBA ciclo)"));
    EXPECT_TRUE(listedBefore("Historia (Lic.)", "Historia del Arte (Lic.)"));
    EXPECT_TRUE(listedBefore("Historia del Arte (Lic.)", "Historia y Ciencias (2\xBA ciclo)"));
    // Then it decides between the same name of two kinds.
    EXPECT_TRUE(
        listedBefore("Ingenier\xED"
                     "a Naval",
                     "Ingenier\xED"
                     "a Naval (2\xBA ciclo)"));
    EXPECT_TRUE(listedBefore("M\xE1quinas Navales (Dipl.)", "M\xE1quinas Navales (Lic.)"));
    EXPECT_FALSE(listedBefore("M\xE1quinas Navales (Lic.)", "M\xE1quinas Navales (Dipl.)"));
    // Accents aside, "\xF1" after "n".
    EXPECT_TRUE(listedBefore("\xD3ptica (Dipl.)",
                             "Pedagog\xED"
                             "a (Lic.)"));
    EXPECT_TRUE(listedBefore("Cana",
                             "Ca\xF1"
                             "a"));
    EXPECT_TRUE(
        listedBefore("Ca\xF1"
                     "a",
                     "Caoba"));
}

TEST(DegreeCompiler, AUniversityThatTeachesNoDegreeIsRefusedAtItsLine) {
    Sources sources;
    sources.src.write("geography/universidades.tsv",
                      "# key\tcommunity\tname\tdomain\nus\t1\tSevilla\tus.es\n"
                      "uhu\t1\tHuelva\tuhu.es\n");
    sources.ctx.keys.add("LUGAR", "uhu", 3, {}, sources.ctx.diag);
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("geography/universidades.tsv:3: \"uhu\" teaches no degree"))
        << sources.allErrors();
}

// "carreFP" entries 1-3, and a "datFPR" whose only title reaches the given entries.
void fpTitlesReach(Sources& sources, const std::vector<int>& entries) {
    int line = 0;
    for (const char* key : {"it-mec", "ind", "huerfana"})
        sources.ctx.keys.add("carreFP", key, ++line, {}, sources.ctx.diag);
    std::string record(rumbelo::degrees::kFpLinksRecordSize, '\0');
    record[rumbelo::degrees::kDegreeTableOffset] = static_cast<char>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        record[rumbelo::degrees::kDegreeTableOffset + 1 + i] = static_cast<char>(entries[i]);
    sources.out.write("datFPR", record);
    sources.requirements +=
        "fp-superior\tT\xC3\xA9"
        "cnico Superior de FP\n";
}

TEST(DegreeCompiler, FpAccessIsClaimedExactlyWhereATitleLeads) {
    Sources sources;
    fpTitlesReach(sources, {1});
    const std::string route = "requisitos: via-cientifico-tecnologica pau";
    const auto mechanical = sources.degrees.find(route, sources.degrees.find("[it-mecanica]"));
    sources.degrees.replace(mechanical, route.size(), route + " fp-superior\ndesde-fp: it-mec");
    EXPECT_TRUE(sources.compile()) << sources.allErrors();
}

TEST(DegreeCompiler, FpAccessThatNoTitleGivesIsRefused) {
    Sources sources;
    fpTitlesReach(sources, {1, 3});
    const std::string route = "requisitos: via-cientifico-tecnologica pau";
    auto at = [&](const char* key) {
        return sources.degrees.find(route, sources.degrees.find(key));
    };
    sources.degrees.replace(at("[industrial]"), route.size(), route + " fp-superior");
    sources.degrees.replace(at("[it-mecanica]"), route.size(), route + "\ndesde-fp: it-mec");
    sources.degrees.replace(at("[organizacion]"), route.size(),
                            route + " fp-superior\ndesde-fp: ind");
    EXPECT_FALSE(sources.compile());
    EXPECT_TRUE(sources.hasError("\"industrial\" lists fp-superior but names no carreFP entry"))
        << sources.allErrors();
    EXPECT_TRUE(sources.hasError("\"it-mecanica\" names carreFP entries but does not list"))
        << sources.allErrors();
    EXPECT_TRUE(sources.hasError("\"organizacion\": no higher-FP title leads to carreFP \"ind\""))
        << sources.allErrors();
    EXPECT_TRUE(sources.hasError("titles lead to \"huerfana\" but no degree says"))
        << sources.allErrors();
}

// The check of a built folder loads it as the program does.
std::vector<std::string> checkBuilt(const std::filesystem::path& dir) {
    CheckContext ctx(dir);
    checkDegrees(ctx);
    auto problems = ctx.problems;
    for (const auto& message : ctx.sink.messages)
        problems.push_back(message);
    return problems;
}

TEST(DegreeCheck, ACompiledCatalogueHasNoProblems) {
    Sources sources;
    ASSERT_TRUE(sources.compile()) << sources.allErrors();
    sources.out.writeLines("GRUPOS", {"Ingenier\xED"
                                      "a"});
    EXPECT_EQ(checkBuilt(sources.out.path()), std::vector<std::string>{});
}

TEST(DegreeCheck, NumbersOutsideTheirFilesAreReported) {
    Sources sources;
    ASSERT_TRUE(sources.compile()) << sources.allErrors();
    sources.out.writeLines("GRUPOS", {"Ingenier\xED"
                                      "a"});
    std::ifstream in(sources.out.path() / "datcar", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    using rumbelo::degrees::kDegreeRecordSize;
    bytes[1] = 3;                           // degree 1 at place 3: "LUGAR" has 2 lines
    bytes[2 * kDegreeRecordSize + 1] = 30;  // a mark of 3,0
    bytes[7 * 101] = 1;                     // a place for row 8, beyond the 3 degrees
    sources.out.write("datcar", bytes);
    const auto problems = checkBuilt(sources.out.path());
    const auto reported = [&](const std::string& text) {
        for (const auto& problem : problems)
            if (problem.find(text) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(reported("datcar degree 1: place 3 is not one of 1..2"));
    EXPECT_TRUE(reported("datcar degree 1: mark 30 at place 3"));
    EXPECT_TRUE(reported("datcar degree 8: a row beyond the degrees is not empty"));
}

TEST(DegreeCheck, APlaceWithoutDegreesIsReported) {
    Sources sources;
    ASSERT_TRUE(sources.compile()) << sources.allErrors();
    sources.out.writeLines("GRUPOS", {"Ingenier\xED"
                                      "a"});
    sources.out.writeLines("LUGAR", {" 1Universidad de Sevilla                us.es",
                                     " 1Universidad de Granada                ugr.es",
                                     " 1Universidad de Huelva                 uhu.es"});
    EXPECT_EQ(checkBuilt(sources.out.path()),
              std::vector<std::string>{
                  "LUGAR line 3 (Universidad de Huelva): no degree is taught there"});
}

}  // namespace
}  // namespace rumbelo::data
