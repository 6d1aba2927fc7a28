// data/geography/centros/LU<z>.tsv: one training centre a line, in the order of the zone
// file. Besides each field, the layout the program relies on is checked: a province's
// centres stay together, a locality's centres follow one another, and the centres that the
// program keys by comarca or area are exactly those in the keyed run of lines.
#include "data/geography/centre_sources.h"

#include <algorithm>
#include <map>
#include <set>

#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/output.h"
#include "data/source.h"

namespace rumbelo::data {
namespace {

const std::set<std::string> kKinds = {"ies", "cifp", "privado"};
constexpr std::size_t kMaxProgrammes = 10;

std::string sourceName(int zone) {
    return "geography/centros/LU" + std::to_string(zone) + ".tsv";
}

bool isPhone(const std::string& text) {
    return text.size() == 9 && (text[0] == '9' || text[0] == '8') &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<int> readProgrammes(const std::string& text, const SourcePos& pos, Diagnostics& diag) {
    std::vector<int> programmes;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = std::min(text.find(' ', start), text.size());
        const std::string item = text.substr(start, end - start);
        if (!item.empty()) {
            const auto number = parseNumber(item);
            if (!number || *number < 1 || *number > 99)
                diag.error(pos, "programme \"" + item + "\" is not a number from 1 to 99");
            else
                programmes.push_back(*number);
        }
        start = end + 1;
    }
    if (programmes.size() > kMaxProgrammes) diag.error(pos, "a centre lists at most 10 programmes");
    return programmes;
}

// The district of a centre: needed exactly where the program lists centres by map.
void readDistrict(const std::string& key, const ProvinceSource& province,
                  const DistrictsSource& districts, const SourcePos& pos, Diagnostics& diag,
                  CentreRecord& centre) {
    const bool keyed =
        province.community == kComarcaCommunity || province.community == kAreaCommunity;
    if (!keyed) {
        if (!key.empty()) diag.error(pos, "only centres of Cataluña and Madrid have a district");
        return;
    }
    const DistrictSource* district = districts.find(key);
    if (!district) {
        diag.error(pos, key.empty() ? "a centre of " + province.key + " needs its comarca or area"
                                    : "unknown comarca or area \"" + key + "\"");
        return;
    }
    if (district->code == kComarcaWithList && province.community == kComarcaCommunity)
        diag.error(pos, "comarca " + key + " opens its finer list; name the list's entry");
    if (district->province != province.key)
        diag.error(pos, key + " belongs to " + district->province + ", not " + province.key);
    centre.district = key;
}

CentreRecord readLine(const SourceLine& line, int zone, const PlacesSource& places,
                      const DistrictsSource& districts, Diagnostics& diag) {
    CentreRecord centre;
    centre.key = line.field(0);
    centre.zone = zone;
    centre.pos = line.pos;
    centre.province = line.field(1);
    centre.kind = line.field(5);
    const ProvinceSource* province = places.province(centre.province);
    if (centre.key.empty() || !province) {
        diag.error(line.pos,
                   province ? "a key is needed" : "unknown province \"" + centre.province + "\"");
        return centre;
    }
    if (province->zone() - '0' != zone)
        diag.error(line.pos, centre.province + " is listed in LU" +
                                 std::string(1, province->zone()) + ", not here");
    centre.letter = province->letter();
    centre.provinceName = province->name;
    centre.community = province->community;
    centre.locality = toCp1252(line.field(2), line.pos, diag);
    centre.name = toCp1252(line.field(3), line.pos, diag);
    readDistrict(line.field(6), *province, districts, line.pos, diag, centre);
    // Column 45 is kept for the key of a comarca or area, whether the centre has one or not,
    // and column 44 stays blank: with the telephone after a full name, a listing line ran a
    // digit past the first column of the three-column printout.
    const std::size_t nameRoom = kNameFieldColumns - kLocalityColumns - 2;
    if (centre.locality.empty() || centre.locality.size() > kLocalityColumns)
        diag.error(line.pos, "the locality takes 1 to 17 characters");
    if (centre.name.empty() || centre.name.size() > nameRoom)
        diag.error(line.pos, "the name \"" + line.field(3) + "\" takes 1 to " +
                                 std::to_string(nameRoom) + " characters here");
    centre.phone = line.field(4);
    if (!isPhone(centre.phone))
        diag.error(line.pos, "the telephone must be nine digits: \"" + line.field(4) + "\"");
    if (!kKinds.count(centre.kind))
        diag.error(line.pos, "the kind is one of ies, cifp, privado: \"" + centre.kind + "\"");
    centre.programmes = readProgrammes(line.field(7), line.pos, diag);
    return centre;
}

// A province's centres together; within it, a locality's centres together.
void checkBlocks(const std::vector<CentreRecord>& centres, Diagnostics& diag) {
    std::set<std::string> closedProvinces;
    std::set<std::string> closedLocalities;
    for (std::size_t i = 1; i < centres.size(); ++i) {
        const auto& before = centres[i - 1];
        const auto& centre = centres[i];
        if (centre.province != before.province) {
            closedProvinces.insert(before.province);
            closedLocalities.clear();
            if (closedProvinces.count(centre.province))
                diag.error(centre.pos,
                           "the centres of " + centre.province + " must stay together in the file");
        } else if (centre.locality != before.locality) {
            closedLocalities.insert(before.locality);
            if (closedLocalities.count(centre.locality))
                diag.error(centre.pos, "the centres of " + cp1252ToUtf8(centre.locality) +
                                           " must follow one another");
        }
    }
}

// The program keys by district every line from the first line of a start letter (after
// renaming one letter) up to the first line of an end letter. Those must be exactly the
// centres with a district.
struct KeyedRun {
    int zone;
    char renamedFrom;
    char start;
    char end;  // 0: to the end of the file
};
constexpr KeyedRun kKeyedRuns[] = {{4, 'A', '5', 0}, {2, 'H', '8', 'D'}};

void checkKeyedRun(const std::vector<CentreRecord>& centres, const KeyedRun& run,
                   Diagnostics& diag) {
    bool inRun = false;
    bool ended = false;
    for (const auto& centre : centres) {
        if (centre.zone != run.zone) continue;
        const char letter = centre.letter == run.renamedFrom ? run.start : centre.letter;
        if (run.end && letter == run.end && !inRun && !ended) {
            diag.error(centre.pos, "a line of letter " + std::string(1, run.end) +
                                       " before the keyed run leaves that run undefined");
            ended = true;
        }
        if (!ended && !inRun && letter == run.start) inRun = true;
        if (inRun && run.end && letter == run.end) {
            inRun = false;
            ended = true;
        }
        if (inRun && centre.district.empty())
            diag.error(centre.pos, "this line falls in the run of LU" + std::to_string(run.zone) +
                                       " that the program keys by comarca or area; move it");
        if (!inRun && !centre.district.empty())
            diag.error(centre.pos,
                       "this centre would get no comarca or area key where it "
                       "stands; keep it in the keyed run of its file");
    }
}

}  // namespace

std::vector<CentreRecord> readCentreSources(const std::filesystem::path& src,
                                            const PlacesSource& places,
                                            const DistrictsSource& districts, Diagnostics& diag) {
    std::vector<CentreRecord> all;
    for (int zone = 1; zone <= kZoneCount; ++zone) {
        const auto source = readSource(src, sourceName(zone), diag);
        if (!source) continue;
        std::vector<CentreRecord> centres;
        for (const auto& line : source->lines) {
            centres.push_back(readLine(line, zone, places, districts, diag));
            centres.back().line = static_cast<int>(centres.size());
        }
        if (static_cast<int>(centres.size()) > kCentresPerZone)
            diag.error({source->name, 0}, "a centre file holds at most 1000 lines");
        checkBlocks(centres, diag);
        all.insert(all.end(), centres.begin(), centres.end());
    }
    for (const auto& run : kKeyedRuns)
        checkKeyedRun(all, run, diag);
    return all;
}

std::vector<CentreRecord> readCentres(CompileContext& ctx) {
    Diagnostics quiet;
    const auto places = readPlaces(ctx.src, quiet);
    if (!places) return {};
    const auto districts = readDistricts(ctx.src, *places, quiet);
    return readCentreSources(ctx.src, *places, districts, quiet);
}

}  // namespace rumbelo::data
