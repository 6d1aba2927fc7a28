#include "data/fp/offer_rule.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <set>

namespace rumbelo::data::fp {
namespace {

struct SpreadClass {
    const char* name;
    double provinceShare;  // provinces whose draw is below this take the title
    double centreShare;    // share of a province's centres that teach it
};

constexpr SpreadClass kClasses[] = {
    {"general", 1.01, 0.22}, {"amplia", 0.75, 0.12}, {"media", 0.40, 0.06},
    {"escasa", 0.12, 0.03},  {"solo", 0.0, 0.04},
};

const SpreadClass* findClass(const std::string& name) {
    for (const auto& c : kClasses)
        if (name == c.name) return &c;
    return nullptr;
}

using ProvinceId = std::pair<int, char>;  // zone, letter

struct Province {
    std::string key;
    std::vector<const OfferCentre*> centres;
};

// A title bound to an entorno is only taught where the centre's locality has it.
bool fits(const OfferTitle& title, const OfferCentre& centre) {
    return title.setting.empty() || std::find(centre.settings.begin(), centre.settings.end(),
                                              title.setting) != centre.settings.end();
}

bool anyFits(const OfferTitle& title, const Province& province) {
    return std::any_of(province.centres.begin(), province.centres.end(),
                       [&](const auto* centre) { return fits(title, *centre); });
}

// The centres of a province that may teach this title, ordered by their draw for it.
std::vector<const OfferCentre*> byDraw(const Province& province, const OfferTitle& title) {
    std::vector<const OfferCentre*> centres;
    for (const auto* centre : province.centres)
        if (fits(title, *centre)) centres.push_back(centre);
    std::stable_sort(centres.begin(), centres.end(), [&](const auto* a, const auto* b) {
        return draw(title.key + "|" + a->key) < draw(title.key + "|" + b->key);
    });
    return centres;
}

// A small place (an island, a city kept apart from its province) has room for fewer titles:
// below kSmallProvince centres its chance of a title that is not general shrinks in step.
constexpr double kSmallProvince = 8;

double sizeFactor(const SpreadClass& spread, const Province& province) {
    if (spread.provinceShare > 1) return 1;  // general: everywhere
    return std::min(1.0, static_cast<double>(province.centres.size()) / kSmallProvince);
}

}  // namespace

bool isSpreadClass(const std::string& spread) {
    return findClass(spread) != nullptr;
}

double draw(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    // Mix the high bits down so that similar keys spread evenly.
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ull;
    hash ^= hash >> 32;
    return static_cast<double>(hash >> 11) / static_cast<double>(1ull << 53);
}

OfferRows distributeOffer(const std::vector<OfferCentre>& centres,
                          const std::vector<OfferTitle>& titles, int rowCount, Diagnostics& diag) {
    OfferRows rows;
    for (auto& zone : rows)
        zone.assign(static_cast<std::size_t>(rowCount) + 1, {});
    std::map<ProvinceId, Province> provinces;
    std::map<std::string, ProvinceId> provinceByKey;
    for (const auto& centre : centres) {
        const ProvinceId id{centre.zone, centre.province};
        auto& province = provinces[id];
        province.key = centre.provinceKey;
        province.centres.push_back(&centre);
        provinceByKey.emplace(centre.provinceKey, id);
    }
    std::set<std::pair<int, int>> teaching;  // (zone, centre) pairs with a title
    auto teach = [&](const OfferCentre& centre, int titleLine) {
        auto& row =
            rows[static_cast<std::size_t>(centre.zone - 1)][static_cast<std::size_t>(titleLine)];
        if (std::find(row.begin(), row.end(), centre.line) == row.end()) row.push_back(centre.line);
        teaching.insert({centre.zone, centre.line});
    };

    for (const auto& title : titles) {
        const SpreadClass* spread = findClass(title.spread);
        if (!spread) {
            diag.error(title.pos, title.key + ": unknown or missing oferta class \"" +
                                      title.spread + "\" (general, amplia, media, escasa, solo)");
            continue;
        }
        std::set<ProvinceId> chosen;
        for (const auto& name : title.provinces) {
            const auto found = provinceByKey.find(name);
            if (found == provinceByKey.end())
                diag.error(title.pos,
                           title.key + ": no centre lies in the province \"" + name + "\"");
            else
                chosen.insert(found->second);
        }
        if (std::string(spread->name) == "solo" && title.provinces.empty())
            diag.error(title.pos, title.key + ": oferta solo needs the provinces");
        const ProvinceId* lowest = nullptr;
        double lowestDraw = 2;
        for (const auto& [id, province] : provinces) {
            const double d = draw(title.key + "|" + province.key);
            if (d < spread->provinceShare * sizeFactor(*spread, province)) chosen.insert(id);
            if (d < lowestDraw && anyFits(title, province)) {
                lowestDraw = d;
                lowest = &id;
            }
        }
        if (chosen.empty() && lowest) chosen.insert(*lowest);
        bool taught = false;
        for (const auto& id : chosen) {
            const auto ordered = byDraw(provinces.at(id), title);
            const auto share = static_cast<std::size_t>(
                std::ceil(spread->centreShare * static_cast<double>(ordered.size())));
            for (std::size_t i = 0; i < std::max<std::size_t>(share, 1) && i < ordered.size(); ++i)
                teach(*ordered[i], title.line);
            taught = taught || !ordered.empty();
        }
        if (!taught && !title.setting.empty()) {
            const std::string entorno = "entorno \"" + title.setting + "\"";
            diag.error(title.pos, title.key +
                                      ": no centre of its provinces lies in a locality of " +
                                      entorno + " (geography/entornos.tsv)");
        }
    }

    // Every centre teaches something: the general title it draws lowest among those it may
    // teach.
    std::vector<const OfferTitle*> general;
    for (const auto& title : titles)
        if (title.spread == "general") general.push_back(&title);
    for (const auto& centre : centres) {
        if (teaching.count({centre.zone, centre.line})) continue;
        if (general.empty()) {
            diag.error("fp: centre " + centre.key + " teaches nothing and no title is general");
            break;
        }
        const OfferTitle* best = nullptr;
        for (const auto* title : general)
            if (fits(*title, centre) &&
                (!best || draw(title->key + "|" + centre.key) < draw(best->key + "|" + centre.key)))
                best = title;
        if (!best) {
            diag.error("fp: centre " + centre.key +
                       " teaches nothing and every general title needs another entorno");
            break;
        }
        teach(centre, best->line);
    }
    for (auto& zone : rows)
        for (auto& row : zone)
            std::sort(row.begin(), row.end());
    return rows;
}

}  // namespace rumbelo::data::fp
