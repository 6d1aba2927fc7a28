#pragma once
// The comarcas of Cataluña, the finer list of Barcelonès and the areas of the Comunidad de
// Madrid, as written in data/geography.
#include <string>
#include <vector>

#include "data/geography/places.h"

namespace rumbelo::data {

struct DistrictSource {
    std::string key;                 // stable key, e.g. "osona"
    int code = 0;                    // map code (comarcas 1-41, areas 1-28); 0 in the finer list
    std::string programKey;          // the two characters the centres carry
    std::string province;            // key of the place whose centres lie in it
    std::vector<std::string> names;  // Windows-1252; areas have 1 to 3
    bool heading = false;            // the inert heading of the finer list
    SourcePos pos;
};

struct DistrictsSource {
    std::vector<DistrictSource> comarcas;  // the 41 coded comarcas, in file order
    std::vector<DistrictSource> finer;     // the finer list of the comarca coded 37
    std::vector<DistrictSource> areas;     // the 28 Madrid areas, in file order
    // A comarca, finer entry or area by its stable key.
    const DistrictSource* find(const std::string& key) const;
};

constexpr int kComarcaCommunity = 9;  // Cataluña, with the comarca map
constexpr int kAreaCommunity = 13;    // Madrid, with the area map
constexpr int kComarcaCount = 41;
constexpr int kComarcaWithList = 37;
constexpr int kAreaCount = 28;
constexpr std::size_t kInertFinerEntry = 4;

// The letter a place's centres carry once the program has re-keyed its zone file: Barcelona
// (ciudad) "4A" centres become "5", Madrid (ciudad) "2H" ones "8".
char rekeyedLetter(const ProvinceSource& province);

DistrictsSource readDistricts(const std::filesystem::path& src, const PlacesSource& places,
                              Diagnostics& diag);

}  // namespace rumbelo::data
