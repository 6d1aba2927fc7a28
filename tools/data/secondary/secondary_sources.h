#pragma once
// The readable sources of the secondary-education files under data/secondary/:
//   materias.tsv        subjects: keys<TAB>text ("MATERIAS")
//   informacion.txt     information paragraphs under [code] headers ("INFORMA")
//   modalidades.tsv     which routes and subjects mark each column of "CARRERAS" and "FPS"
//   nombres_cortos.tsv  shorter names of the higher-FP titles for "FPS"
//   areas.txt           the questionnaire's areas and the studies of each (blocks)
//   preparacion.tsv     the 35 readiness statements
//   intereses.tsv       the interest statements
//   resultados.tsv      the texts of the results page, by role
// Each file's own header describes its fields.
#include <string>
#include <vector>

#include "data/compile.h"

namespace rumbelo::data::secondary {

// A line split at its first tab; the text after it keeps its leading blanks.
struct TabbedLine {
    SourcePos pos;
    std::string head;  // UTF-8, trimmed
    std::string text;  // UTF-8, trailing blanks removed
};
std::vector<TabbedLine> readTabbedLines(CompileContext& ctx, const std::string& name);

struct Area {
    SourcePos pos;
    std::string key;
    int place = 0;                             // its line of "ITINERAR"
    std::string name;                          // Windows-1252
    std::vector<std::string> cycles, degrees;  // fp and degree keys
    SourcePos cyclesPos, degreesPos;
    std::vector<std::string> advice;  // Windows-1252 lines
};
std::vector<Area> readAreas(CompileContext& ctx);

struct Statement {
    SourcePos pos;
    int weight = 0;
    int format = 0;
    std::string text;  // Windows-1252
    std::vector<std::string> areas;
};
std::vector<Statement> readStatements(CompileContext& ctx, const std::string& name);

}  // namespace rumbelo::data::secondary
