#pragma once
// The communities and provinces of data/geography, as every geography pass reads them.
#include <optional>
#include <string>
#include <vector>

#include "data/compile.h"

namespace rumbelo::data {

struct CommunitySource {
    int number = 0;        // 1..19, the program's fixed numbering
    std::string key;       // "andalucia"
    std::string name;      // Windows-1252
    std::string fpWeb;     // Windows-1252, without "http://"
    int basePosition = 0;  // position (1..64) of its first province in the place-key list
    SourcePos pos;
};

struct ProvinceSource {
    std::string key;       // "sevilla"
    int community = 0;     // community number
    std::string placeKey;  // "3D": zone digit, then the centres' letter
    int position = 0;      // 1..64 in the place-key list
    std::string name;      // Windows-1252
    SourcePos pos;
    char zone() const { return placeKey[0]; }
    char letter() const { return placeKey[1]; }
};

struct PlacesSource {
    std::vector<CommunitySource> communities;  // communities[c-1] = community c
    std::vector<ProvinceSource> provinces;     // in place-key order
    const CommunitySource* community(const std::string& key) const;
    const ProvinceSource* province(const std::string& key) const;
};

constexpr int kCommunityCount = 19;

// Reads comunidades.tsv and provincias.tsv and checks that the provinces take the 64 place
// keys in order, each community's provinces forming one run. Problems go to `diag`.
std::optional<PlacesSource> readPlaces(const std::filesystem::path& src, Diagnostics& diag);

}  // namespace rumbelo::data
