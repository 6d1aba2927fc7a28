#pragma once
// The readable sources of the higher-FP catalogue under data/fp/:
//   familias.tsv            the families in the order of "FP": key<TAB>1|2 (2 = second group)
//   familias/<key>.txt      one family: its description and its titles (format below)
//   requisitos.tsv          access requirements ("REQFP")
//   carreras.tsv            university degrees reachable from higher FP ("carreFP")
//
// A family file is a list of tab-separated directives:
//   familia  <name>                         once, first
//   texto    <text>                         the family's description (repeatable)
//   titulo   <key>  <name>                  opens a title; the directives below belong to it
//   resumen  <text>                         what a pupil sees at a glance (repeatable)
//   modulo   <name>  <hours>                one professional module
//   salidas  <text>                         where the title leads (repeatable)
//   acceso   <requirement keys>             keys of requisitos.tsv, blank-separated
//   carreras <degree keys>                  keys of carreras.tsv
//   grupos   <group keys>                   keys of interest/grupos.tsv (1 to 3)
//   oferta   <spread>  [<province keys>]    where it is taught (see offer_rule.h)
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
};

struct Title {
    SourcePos pos;
    std::string key;
    std::string name;     // Windows-1252
    std::string summary;  // Windows-1252, one paragraph
    std::vector<Module> modules;
    std::string jobs;  // Windows-1252, one paragraph
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

// Every family in "FP" order; errors (unknown directives, missing fields) go to ctx.diag.
std::vector<Family> readFamilies(CompileContext& ctx);

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
