#pragma once
// Which centres teach each higher-FP title. The sources do not list centres per title (a
// few thousand pairs nobody could keep up to date); each title has a spread class and, if
// needed, provinces where it is surely taught, and this rule derives the offer from them.
//
// The rule, deterministic for given sources:
//  1. A province is a zone file and a province letter. A title is taught in a province when
//     the province is named in its oferta line, or when the title's spread class takes it:
//       general  every province
//       amplia   a province whose draw is below 0.75
//       media    a province whose draw is below 0.40
//       escasa   a province whose draw is below 0.12 (at least the province of lowest draw)
//       solo     only the named provinces
//     The draw of (title, province) is a hash of the title key and the province key, read
//     as a number from 0 to 1. A place with fewer than 8 centres scales these limits down
//     by its centres / 8 (except for general), so that an island with one centre does not
//     end up teaching most of the catalogue.
//  2. In each such province the title goes to the centres of lowest draw (title, centre
//     key), as many as the class's share of the province's centres, at least one:
//     general 22 %, amplia 12 %, media 6 %, escasa 3 %, solo 4 %.
//     A title with an entorno (costa, montana, nieve: geography/entornos.tsv) counts only
//     the centres whose locality has it, for the share as for the draw; a province without
//     such a centre is passed over, and a title left with no province at all is an error,
//     never taught elsewhere. Its province of lowest draw (escasa) is one with such centres.
//  3. A centre that teaches nothing after step 2 gets the "general" title of lowest draw
//     (title, centre key) among those its locality may teach.
#include <array>
#include <string>
#include <vector>

#include "data/diagnostics.h"

namespace rumbelo::data::fp {

struct OfferCentre {
    int zone = 0;                         // 1..4: "LU1".."LU4"
    int line = 0;                         // line in its zone file: the centre number
    char province = ' ';                  // province letter (column 1)
    std::string provinceKey;              // key of geography/provincias.tsv
    std::string key;                      // the centre's stable key: what the draw hashes
    std::vector<std::string> settings{};  // the entornos of its locality
};

struct OfferTitle {
    int line = 0;  // line of "FP"
    std::string key;
    std::string spread;
    std::vector<std::string> provinces;  // province keys
    SourcePos pos;
    std::string setting{};  // entorno its centres need; "" for any centre
};

// rows[z-1][t] = the centre numbers of zone z that teach title t, ascending.
using OfferRows = std::array<std::vector<std::vector<int>>, 4>;

// Known spread classes.
bool isSpreadClass(const std::string& spread);

// A number in [0, 1) drawn from the text: FNV-1a 64 of the bytes.
double draw(const std::string& text);

OfferRows distributeOffer(const std::vector<OfferCentre>& centres,
                          const std::vector<OfferTitle>& titles, int rowCount, Diagnostics& diag);

}  // namespace rumbelo::data::fp
