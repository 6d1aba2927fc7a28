// data/geography/comarcas.tsv, comarcas_barcelones.tsv and areas_madrid.tsv.
#include "data/geography/districts.h"

#include <set>

#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/output.h"
#include "data/source.h"

namespace rumbelo::data {
namespace {

constexpr std::size_t kComarcaNameLength = 20;
constexpr std::size_t kFinerNameLength = 30;
constexpr std::size_t kAreaNameLength = 25;
constexpr std::size_t kMaxFinerEntries = 19;  // 60 entries in all, 41 of them coded

// Key, program key and province of one line; false when the line is unusable. The province
// must lie in the community of the map, and the program key starts with its centres' letter.
bool readCommon(const SourceLine& line, std::size_t programKeyField, const PlacesSource& places,
                int community, Diagnostics& diag, DistrictSource& out) {
    out.key = line.field(0);
    out.programKey = line.field(programKeyField);
    out.province = line.field(programKeyField + 1);
    out.pos = line.pos;
    const ProvinceSource* province = places.province(out.province);
    if (out.key.empty() || !province) {
        diag.error(line.pos,
                   province ? "a key is needed" : "unknown province \"" + out.province + "\"");
        return false;
    }
    if (province->community != community) {
        diag.error(line.pos, "province " + out.province + " is not in community " +
                                 std::to_string(community));
        return false;
    }
    const char expectedLetter = rekeyedLetter(*province);
    if (out.programKey.size() != 2 || out.programKey[0] != expectedLetter ||
        out.programKey[1] == ' ')
        diag.error(line.pos, "the program key must be \"" + std::string(1, expectedLetter) +
                                 "\" and one more character, as the centres carry it");
    return true;
}

void checkName(const std::string& name, std::size_t limit, const SourcePos& pos,
               Diagnostics& diag) {
    if (name.empty()) diag.error(pos, "a name is needed");
    if (name.size() > limit)
        diag.error(pos, "\"" + cp1252ToUtf8(name) + "\" is " + std::to_string(name.size()) +
                            " characters long; " + std::to_string(limit) + " are shown");
}

void readComarcas(const std::filesystem::path& src, const PlacesSource& places, Diagnostics& diag,
                  DistrictsSource& out) {
    const auto source = readSource(src, "geography/comarcas.tsv", diag);
    if (!source) return;
    std::set<int> codes;
    for (const auto& line : source->lines) {
        DistrictSource comarca;
        if (!readCommon(line, 2, places, kComarcaCommunity, diag, comarca)) continue;
        const auto code = parseNumber(line.field(1));
        if (!code || *code < 1 || *code > kComarcaCount || !codes.insert(*code).second)
            diag.error(line.pos, "each comarca takes one code from 1 to 41");
        comarca.code = code.value_or(0);
        comarca.names.push_back(toCp1252(line.field(4), line.pos, diag));
        checkName(comarca.names[0], kComarcaNameLength, line.pos, diag);
        out.comarcas.push_back(comarca);
    }
    if (out.comarcas.size() != kComarcaCount)
        diag.error({source->name, 0}, "the comarca map has 41 comarcas; " +
                                          std::to_string(out.comarcas.size()) + " given");
}

void readFinerList(const std::filesystem::path& src, const PlacesSource& places, Diagnostics& diag,
                   DistrictsSource& out) {
    const auto source = readSource(src, "geography/comarcas_barcelones.tsv", diag);
    if (!source) return;
    for (const auto& line : source->lines) {
        DistrictSource entry;
        if (line.field(0) == "-") {
            entry.heading = true;
            entry.pos = line.pos;
            entry.names.push_back(toCp1252(line.field(3), line.pos, diag));
            checkName(entry.names[0], kFinerNameLength, line.pos, diag);
            if (out.finer.size() != kInertFinerEntry)
                diag.error(line.pos,
                           "only the fifth entry of the list is inert; a heading "
                           "anywhere else would list nothing when clicked");
            out.finer.push_back(entry);
            continue;
        }
        if (out.finer.size() == kInertFinerEntry)
            diag.error(line.pos,
                       "the fifth entry of the list does nothing when clicked: make "
                       "it a heading line");
        if (!readCommon(line, 1, places, kComarcaCommunity, diag, entry)) continue;
        entry.names.push_back(toCp1252(line.field(3), line.pos, diag));
        checkName(entry.names[0], kFinerNameLength, line.pos, diag);
        out.finer.push_back(entry);
    }
    if (out.finer.size() > kMaxFinerEntries)
        diag.error({source->name, 0}, "at most 19 entries fit after the 41 comarcas");
}

void readAreas(const std::filesystem::path& src, const PlacesSource& places, Diagnostics& diag,
               DistrictsSource& out) {
    const auto source = readSource(src, "geography/areas_madrid.tsv", diag);
    if (!source) return;
    std::set<int> codes;
    for (const auto& line : source->lines) {
        DistrictSource area;
        if (!readCommon(line, 2, places, kAreaCommunity, diag, area)) continue;
        const auto code = parseNumber(line.field(1));
        if (!code || *code < 1 || *code > kAreaCount || !codes.insert(*code).second)
            diag.error(line.pos, "each area takes one code from 1 to 28");
        area.code = code.value_or(0);
        for (std::size_t i = 4; i < line.fields.size() && !line.field(i).empty(); ++i) {
            area.names.push_back(toCp1252(line.field(i), line.pos, diag));
            checkName(area.names.back(), kAreaNameLength, line.pos, diag);
        }
        if (area.names.empty() || area.names.size() > 3)
            diag.error(line.pos, "an area is named by one to three lines");
        out.areas.push_back(area);
    }
    if (out.areas.size() != kAreaCount)
        diag.error({source->name, 0},
                   "the area map has 28 areas; " + std::to_string(out.areas.size()) + " given");
}

void checkUniqueKeys(const DistrictsSource& districts, Diagnostics& diag) {
    std::set<std::string> keys;
    std::set<std::string> comarcaProgramKeys;
    std::set<std::string> areaProgramKeys;
    const auto visit = [&](const DistrictSource& d, std::set<std::string>& programKeys) {
        if (d.heading) return;
        if (!keys.insert(d.key).second) diag.error(d.pos, "duplicate key \"" + d.key + "\"");
        if (!programKeys.insert(d.programKey).second)
            diag.error(d.pos, "program key \"" + d.programKey + "\" is used twice");
    };
    for (const auto& d : districts.comarcas)
        visit(d, comarcaProgramKeys);
    for (const auto& d : districts.finer)
        visit(d, comarcaProgramKeys);
    for (const auto& d : districts.areas)
        visit(d, areaProgramKeys);
}

}  // namespace

char rekeyedLetter(const ProvinceSource& province) {
    if (province.placeKey == "4A") return '5';
    if (province.placeKey == "2H") return '8';
    return province.letter();
}

const DistrictSource* DistrictsSource::find(const std::string& key) const {
    for (const auto* list : {&comarcas, &finer, &areas})
        for (const auto& d : *list)
            if (!d.heading && d.key == key) return &d;
    return nullptr;
}

DistrictsSource readDistricts(const std::filesystem::path& src, const PlacesSource& places,
                              Diagnostics& diag) {
    DistrictsSource districts;
    readComarcas(src, places, diag, districts);
    readFinerList(src, places, diag, districts);
    readAreas(src, places, diag, districts);
    checkUniqueKeys(districts, diag);
    return districts;
}

}  // namespace rumbelo::data
