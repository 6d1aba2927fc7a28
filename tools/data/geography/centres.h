#pragma once
// The training centres of data/geography/centros/LU1.tsv .. LU4.tsv, as the passes that
// assign titles and programmes to centres need them. A centre is referred to by its key,
// registered in the tables "LU1".."LU4" (key -> line number in that zone's file).
#include <string>
#include <vector>

#include "data/compile.h"

namespace rumbelo::data {

struct CentreRecord {
    std::string key;              // stable, e.g. "sevilla-dos-hermanas-2"
    int zone = 0;                 // 1..4: the centre file LU1..LU4
    int line = 0;                 // its line number in that file (the centre number)
    char letter = ' ';            // column 1 as written (before the program re-keys it)
    std::string province;         // province key, e.g. "sevilla"
    std::string provinceName;     // Windows-1252
    int community = 0;            // 1..19
    std::string locality;         // Windows-1252, at most 17 characters
    std::string name;             // Windows-1252
    std::string phone;            // nine digits
    std::string kind;             // "ies" (public institute), "cifp" (integrated FP centre),
                                  // "privado" (private or state-funded private)
    std::string district;         // comarca, Barcelonès entry or Madrid area key; "" elsewhere
    std::vector<int> programmes;  // initial programmes offered (fpip numbers)
    SourcePos pos;
};

// Every centre of the four files, in zone and line order. Problems in the sources are not
// reported here (the geography pass reports them once); a line that cannot be read still
// keeps its number, so line numbers always match the compiled files.
std::vector<CentreRecord> readCentres(CompileContext& ctx);

}  // namespace rumbelo::data
