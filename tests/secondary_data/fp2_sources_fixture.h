#pragma once
// A small, valid set of grado-medio sources (two families, the second one marked, and the
// questionnaire) compiled into a temporary folder; single tests then spoil it.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/text_lines.h"
#include "common/messages.h"
#include "data/compile.h"
#include "data/fp/fp_passes.h"
#include "support/temp_folder.h"

namespace rumbelo::data::testing {

using rumbelo::testing::TempFolder;

inline std::string title(const std::string& key, const std::string& total = "1400",
                         const std::string& lastHours = "1000") {
    return "\ntitulo\t" + key + "\tT\xC3\xADtulo " + key +
           "\n"
           "decreto\tRD 1/1995\t" +
           total +
           "\n"
           "modulo\tPrimero\t400\n"
           "modulo\tSegundo\t" +
           lastHours +
           "\n"
           "salidas\tOperario de " +
           key +
           ".\n"
           "oferta\tgeneral\n";
}

inline const char* const kQuestionnaire =
    "area\tUno\narea\tDos\narea\tTres\narea\tCuatro\narea\tCinco\narea\tSeis\n"
    "area\tSiete\narea\tOcho\narea\tNueve\narea\tDiez\nsalida\tAl mapa\n"
    "frase\tuno\t1 2\tTodo uno\n"
    "frase\tm-b\t3\tSegundo t\xC3\xADtulo\n"
    "frase\tm-a m-b\t4 5\tLos dos primeros\n"
    "frase\tm-d\t10\tDeporte\n"
    "frase\tm-c\t6 7\tTercero\n"
    "frase\tdep\t8 9\tFamilia deportiva\n";

struct MediumSources {
    TempFolder src, out;
    CompileContext ctx{src.path(), out.path()};
    RecordingSink sink;
    bool aborted = false;
    DataFiles files{out.path(), sink, aborted};

    MediumSources() {
        src.write("fp/medio/familias.tsv", "uno\t1\ndep\t2\n");
        src.write("fp/medio/familias/uno.txt", "familia\tUno\ntexto\tLa primera familia.\n" +
                                                   title("m-a") + title("m-b") + title("m-c"));
        src.write("fp/medio/familias/dep.txt",
                  "familia\tDeportes\ntexto\tOtra.\n" + title("m-d", "990", "590"));
        src.write("fp/medio/cuestionario.tsv", kQuestionnaire);
    }
    void compile() {
        const auto families = fp::readFamilies(ctx, fp::intermediateGrade());
        const auto lines = fp::compileTitleLines(ctx, fp::intermediateGrade(), families);
        fp::compileMediumQuestionnaire(ctx, lines);
    }
    // The compiled asignagm, a line each.
    std::vector<std::string> blockLines() const {
        std::ifstream in(out.path() / "asignagm", std::ios::binary);
        return splitLines(std::string(std::istreambuf_iterator<char>(in), {}));
    }
};

}  // namespace rumbelo::data::testing
