#pragma once
// The geography the degrees form loads and the intermediate-FP form shares: communities
// and provinces, universities, the training centres of the four zones with their comarca
// and area keys, the comarcas of Cataluña and the areas of Madrid. Qt-free.
#include <array>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/line_order.h"
#include "common/data/readers.h"

namespace rumbelo {

constexpr int kCommunityCount = 19;
constexpr int kComarcaMapCommunity = 9;  // Cataluña has the comarca map
constexpr int kAreaMapCommunity = 13;    // Madrid has the area map
constexpr int kComarcaWithList = 37;     // opens listBarcelona instead of listing
constexpr int kInertListEntry = 4;       // the fifth entry of listBarcelona
constexpr int kFirstListedComarca = 42;  // listBarcelona entry i is comarca 42 + i
constexpr int kCommunityFileWidth = 53;

struct GeographyData {
    LineTable communities;  // "COMUNIDA" at width 53: 1-19 communities, 20+ provinces
    int communityLines = 0;
    PlaceList places;                // "LUGAR"
    LineTable communityWeb;          // "COMUINT"
    std::array<ZoneTable, 5> zones;  // zones[1..4] = "LU1".."LU4"
    // District key of each centre line once keyed (zones 4 and 2), "" when none;
    // districtKeys[z][k] for line k.
    std::array<std::vector<std::string>, 5> districtKeys;
    Districts comarcas;                      // "comarcas"
    std::vector<std::string> listBarcelona;  // names of the comarcas 42, 43, ...
    DistrictGroups areas;                    // "comarcasm"
    PlaceKeys placeKeys = FillPlaceKeys();
};

// The first part of the geography, in loading order: "COMUNIDA", "LUGAR", "COMUINT",
// "LU1".."LU4". Missing files are reported through `files` (message and abort flag).
void loadPlaceFiles(DataFiles& files, GeographyData& geo);

// The last part, after the catalogue's own files: "comarcas" (and the further comarcas
// of listBarcelona), the re-keying of "LU4", "comarcasm", the re-keying of "LU2".
void loadDistrictFiles(DataFiles& files, GeographyData& geo);

// Zone 4: "A" lines become "5"; from the first "5" line to the end each line gets the key
// column 1 + column 45, and column 45 is blanked. keys[k] for line k.
void keyComarcaCentres(ZoneTable& zone, std::vector<std::string>& keys);
// Zone 2: "H" lines become "8"; from the first "8" line up to (not including) the first "D"
// line each line gets the key column 1 + column 45, and column 45 is blanked. With no "D"
// line the run goes to the end of the file.
void keyAreaCentres(ZoneTable& zone, std::vector<std::string>& keys);

// Communities 18 and 19 (Ceuta, Melilla) count as 1 for universities and double degrees.
int universityCommunity(int community);

// A province of a community, as the place listings use it.
struct ProvinceEntry {
    std::string listName;         // "COMUNIDA" from column 3 to the end of the line
    std::string headingName;      // from column 3, cut to 35
    std::string placeKey;         // position v + k - 1 of the place-key list
    char zone = ' ';              // the centre file, "1".."4"
    char letter = ' ';            // the centres' column 1
    bool longLocalities = false;  // localities of 35 characters instead of 17
};
// The provinces of community c (1..19); a community without province lines is its own
// single province. Empty for a number outside 1..19.
std::vector<ProvinceEntry> provincesOf(const GeographyData& geo, int community);

// The hint of community c: "COMUNIDA" line c from column 3, trimmed.
std::string communityHint(const GeographyData& geo, int community);

// The "LUGAR" lines (place numbers) of community c, with 18 and 19 counting as 1.
std::vector<int> placesOf(const GeographyData& geo, int community);

// The lines of "LU4" of comarca k (1..41 by code, 42 and above from listBarcelona).
std::vector<int> centresOfComarca(const GeographyData& geo, int comarca);
// The lines of "LU2" of area k (1..28).
std::vector<int> centresOfArea(const GeographyData& geo, int area);

// The name of comarca k, as stored; "" for an unknown comarca.
std::string comarcaName(const GeographyData& geo, int comarca);
// Area k's hint: its first name, " - ", its second, and " - " and the third when there is
// one. "" for an area without lines.
std::string areaHint(const GeographyData& geo, int area);

}  // namespace rumbelo
