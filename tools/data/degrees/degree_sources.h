#pragma once
// The readable sources of the university degrees under data/degrees/:
//   requisitos.tsv       requirement texts ("REQUISIT"): key<TAB>text
//   salidas.tsv          career outlets ("SALIDAS"): key<TAB>text
//   carreras/*.txt       one block per degree (fields below); "CARRERA" lists them in
//                        alphabetical order of their names, whatever file holds them
//   cierre.tsv           the four closing lines of "CARRERA": key<TAB>text
//   plazas.txt           [degree] then one row per place: place-key mark ("6,5" or "-")
//   otros.txt            other studies ("OTROS", "asignaot"): nombre: and texto:
//   dobles.txt           [place] then one row per double degree: years degree degree
//
// A degree block:
//   [key]
//   nombre: the name as listed (at most 45 characters, with its kind marker)
//   tipo: diplomatura | licenciatura | segundo-ciclo | ingenieria | ingenieria-tecnica |
//         arquitectura | arquitectura-tecnica
//   grupos: interest group keys          requisitos: requirement keys
//   salidas: outlet keys                 afines: related degree keys (closing lines too)
//   desde-fp: the "carreFP" keys that stand for this degree, given exactly when the
//             requirements list "fp-superior"
//   dificultad: 1-7
//   asignaturas:
//   |one line of the subject list (capitalised lines get a bullet on screen)
#include <string>
#include <vector>

#include "data/compile.h"

namespace rumbelo::data::degrees {

struct KeyedText {
    SourcePos pos;
    std::string key;
    std::string text;  // Windows-1252
};

struct KeyList {
    SourcePos pos;
    std::vector<std::string> keys;
};

struct TextLine {
    SourcePos pos;
    std::string text;  // Windows-1252
};

struct PlaceOffer {
    SourcePos pos;
    std::string place;  // key of "LUGAR"
    int mark = 0;       // cut-off mark x 10, or the byte for "no mark known"
};

struct Degree {
    SourcePos pos;
    std::string key;
    std::string name;  // Windows-1252
    int expectedKind = 0;
    KeyList groups, requirements, outlets, related;
    KeyList fpEntries;  // desde-fp
    int difficulty = 0;
    std::vector<TextLine> subjects;
    std::vector<PlaceOffer> places;  // filled from plazas.txt
};

struct OtherStudy {
    SourcePos pos;
    std::string key;
    std::string name;  // Windows-1252
    std::vector<TextLine> text;
};

struct DoubleDegreeSource {
    SourcePos pos;
    int years = 0;
    std::string first, second;  // degree keys
};

struct UniversityDoubles {
    SourcePos pos;
    std::string place;  // key of "LUGAR"
    std::vector<DoubleDegreeSource> members;
};

// Lines of key<TAB>text; a missing text or a duplicate key is an error.
std::vector<KeyedText> readKeyedTexts(CompileContext& ctx, const std::string& name);

// Every degree of carreras/*.txt, sorted by name as a pupil looks names up: accents and
// case do not count, "ñ" comes after "n".
std::vector<Degree> readDegrees(CompileContext& ctx);

// Adds the places of plazas.txt to their degrees.
void readPlaces(CompileContext& ctx, std::vector<Degree>& degrees);

std::vector<OtherStudy> readOtherStudies(CompileContext& ctx);
std::vector<UniversityDoubles> readDoubleDegrees(CompileContext& ctx);

// The order in which names are listed: true when a comes before b.
bool listedBefore(const std::string& a, const std::string& b);

// The degree kind a "tipo" word stands for, or -1 for an unknown word.
int kindOfWord(const std::string& word);

}  // namespace rumbelo::data::degrees
