#pragma once
// The readable sources of the FP catalogues. Both grades share one format, each in its own
// folder: data/fp/ for grado superior ("FP"), data/fp/medio/ for grado medio ("FP2"):
//   familias.tsv            the families in file order: key<TAB>1|2 (2 = second group)
//   familias/<key>.txt      one family: its description and its titles (format below)
// and, for grado superior only,
//   requisitos.tsv          access requirements ("REQFP")
//   carreras.tsv            university degrees reachable from higher FP ("carreFP")
//
// A family file is a list of tab-separated directives:
//   familia  <name>                         once, first
//   texto    <text>                         the family's description (repeatable)
//   titulo   <key>  <name>                  opens a title; the directives below belong to it
//   decreto  <royal decree>  <total hours>  the decree that sets the title and its length
//   modulo   <name>  <hours>                one professional module
//   salidas  <text>                         where the title leads (repeatable)
//   oferta   <spread>  [<province keys>]    where it is taught (see offer_rule.h)
//   entorno  costa|montana|nieve            only at centres of a coastal, mountain or
//                                           ski-resort locality (geography/entornos.tsv):
//                                           a fishing title is not taught inland, nor
//                                           skiing by the sea
// grado superior only (they fill "datFPR"):
//   resumen  <text>                         what a pupil sees at a glance (repeatable)
//   acceso   <requirement keys>             keys of requisitos.tsv, blank-separated
//   carreras <degree keys>                  keys of carreras.tsv
//   grupos   <group keys>                   keys of interest/grupos.tsv (1 to 3)
// A LOGSE cycle lasts 1300, 1400, 1700 or 2000 hours and its modules add up to that total;
// the artistic and sports teachings of the second group have lengths of their own.
#include <string>
#include <vector>

#include "data/compile.h"

namespace rumbelo::data::fp {

struct Module {
    SourcePos pos;
    std::string name;  // Windows-1252
    int hours = 0;
};

struct KeyList {
    SourcePos pos;
    std::vector<std::string> keys;
};

struct Offer {
    SourcePos pos;
    std::string spread;                  // one of the spread classes of offer_rule.h
    std::vector<std::string> provinces;  // keys of geography/provincias.tsv
    std::string setting{};               // entorno of geography/entornos.tsv; "" anywhere
};

struct Decree {
    SourcePos pos;
    std::string name;  // Windows-1252, e.g. "RD 1659/1994"
    int hours = 0;     // 0 when no decreto line was given
};

struct Title {
    SourcePos pos;
    std::string key;
    std::string name;     // Windows-1252
    std::string summary;  // Windows-1252, one paragraph
    std::vector<Module> modules;
    std::string jobs;  // Windows-1252, one paragraph
    Decree decree;
    KeyList access, degrees, groups;
    Offer offer;
};

struct Family {
    SourcePos pos;
    std::string key;
    std::string name;  // Windows-1252
    bool secondGroup = false;
    std::string description;  // Windows-1252, one paragraph
    std::vector<Title> titles;
};

// What differs between the two grades of the catalogue.
struct Grade {
    std::string folder;     // of the sources, under data/
    std::string titles;     // the title file ("FP", "FP2"); also the key table
    std::string blocks;     // the text blocks ("asignafp", "asignagm")
    std::string offer;      // where the titles are taught ("datFPL", "datFPL2")
    std::string levelName;  // as a family's block names its titles
    int maxLines = 0;       // lines the title file may hold
    bool higher = false;    // grado superior: summaries and the links of "datFPR"
};
const Grade& higherGrade();
const Grade& intermediateGrade();

// The lengths a LOGSE cycle may have.
bool isLogseTotal(int hours);

// Every family of the grade in file order; errors (unknown directives, missing fields) go
// to ctx.diag.
std::vector<Family> readFamilies(CompileContext& ctx, const Grade& grade);

// A source with key<TAB>text lines (requisitos.tsv, carreras.tsv), with the optional third
// field kept.
struct KeyedLine {
    SourcePos pos;
    std::string key;
    std::string text;  // Windows-1252
    std::string role;  // third field, UTF-8, may be empty
};
std::vector<KeyedLine> readKeyedLines(CompileContext& ctx, const std::string& name);

}  // namespace rumbelo::data::fp
