#pragma once
// A small, valid set of higher-FP and questionnaire sources that single tests then spoil.
#include <string>

#include "data/compile.h"
#include "data/fp/fp_passes.h"
#include "support/temp_folder.h"

namespace rumbelo::data::testing {

// requisitos.tsv with 32 entries "rN", the fixed roles at their lines.
inline std::string requirementsSource() {
    std::string text = "# requirements\n";
    for (int n = 1; n <= 32; ++n) {
        std::string role;
        if (n == 1) role = "\tcabecera";
        if (n >= 8 && n <= 11) role = "\truta" + std::to_string(n - 7);
        if (n == 12) role = "\ttodas";
        if (n == 31) role = "\truta3-tambien";
        text += "r" + std::to_string(n) + "\tRequisito " + std::to_string(n) + role + "\n";
    }
    return text;
}

inline std::string titleSource(const std::string& key, const std::string& name,
                               const std::string& access, const std::string& groups) {
    return "titulo\t" + key + "\t" + name +
           "\n"
           "resumen\tUn resumen corto.\n"
           "modulo\tPrimer m\xC3\xB3"
           "dulo\t1000\n"
           "modulo\tSegundo m\xC3\xB3"
           "dulo\t300\n"
           "salidas\tT\xC3\xA9"
           "cnico.\n"
           "acceso\t" +
           access +
           "\n"
           "carreras\tgrado-a grado-b\n"
           "grupos\t" +
           groups +
           "\n"
           "oferta\tgeneral\n"
           "decreto\tRD 1/1994\t1300\n";
}

// Two families: "uno" (first group, two titles) and "dos" (second group, one title).
inline void writeSources(const rumbelo::testing::TempFolder& src) {
    src.write("interest/grupos.tsv", "salud\tSalud\nempresa\tEmpresa\n");
    src.write("interest/cualidades.tsv",
              "a1\tUno\tsalud\tA1\na2\tDos\tsalud\tA2\na3\tTres\tsalud*2\tA3\n"
              "b1\tCuatro\tempresa\tB1\nb2\tCinco\tempresa\tB2\nb3\tSeis\tempresa\tB3\n"
              "libre\tSiete\tsalud empresa*3\n");
    src.write("interest/intereses.tsv", "x\tEquis\tsalud\ny\tIgriega\tempresa salud\n");
    src.write("fp/requisitos.tsv", requirementsSource());
    src.write("fp/carreras.tsv", "grado-a\tGrado A\ngrado-b\tGrado B\n");
    src.write("fp/catalogo.tsv", "acceso\tr2 r12\n");
    src.write("fp/familias.tsv", "uno\t1\ndos\t2\n");
    src.write("fp/familias/uno.txt",
              "familia\tPrimera familia\ntexto\tDescripci\xC3\xB3n.\n\n" +
                  titleSource("t-uno", "T\xC3\xADtulo uno", "r2 r9", "salud") +
                  titleSource("t-dos", "T\xC3\xADtulo dos", "r31", "empresa"));
    src.write("fp/familias/dos.txt",
              "familia\tSegunda familia\ntexto\tOtra.\n" +
                  titleSource("t-tres", "T\xC3\xADtulo tres", "r12", "salud empresa"));
}

// Every pass of these sources but the offer, which needs the centres of the geography.
inline void compileTexts(CompileContext& ctx) {
    compileGrupos(ctx);
    compileQuestionnaires(ctx);
    fp::compileFpReferences(ctx);
    const auto families = fp::readFamilies(ctx, fp::higherGrade());
    fp::compileFpTitles(ctx, families);
}

}  // namespace rumbelo::data::testing
