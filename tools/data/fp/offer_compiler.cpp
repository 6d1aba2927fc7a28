// The training centres of the geography and each title's spread -> datFPL or datFPL2: for
// each zone, which of its centres teach each title (offer_rule.h says how).
#include <algorithm>
#include <map>
#include <set>

#include "common/text/cp1252.h"
#include "data/fp/fp_passes.h"
#include "data/geography/centres.h"
#include "data/source.h"
#include "degrees/data/fp_catalog.h"

namespace rumbelo::data::fp {
namespace {

constexpr const char* kSettingsSource = "geography/entornos.tsv";

// (province key, locality as the centre files write it, UTF-8) -> its entornos. A line
// naming a locality where no centre lies is an error: a misspelt town would otherwise
// quietly leave its titles elsewhere.
using Settings = std::map<std::pair<std::string, std::string>, std::vector<std::string>>;

Settings readSettings(CompileContext& ctx, const std::vector<CentreRecord>& centres) {
    std::set<std::pair<std::string, std::string>> localities;
    for (const auto& centre : centres)
        localities.insert({centre.province, cp1252ToUtf8(centre.locality)});
    Settings settings;
    const auto source = readSource(ctx.src, kSettingsSource, ctx.diag);
    if (!source) return settings;
    for (const auto& line : source->lines) {
        const std::string& setting = line.field(0);
        const std::pair<std::string, std::string> place{line.field(1), line.field(2)};
        if (setting.empty() || place.first.empty() || place.second.empty()) {
            ctx.diag.error(line.pos, "expected entorno<TAB>province<TAB>locality");
            continue;
        }
        if (!localities.count(place)) {
            ctx.diag.error(line.pos, "no centre of " + place.first + " lies in \"" + place.second +
                                         "\" (as the centre files write it)");
            continue;
        }
        auto& list = settings[place];
        if (std::find(list.begin(), list.end(), setting) == list.end()) list.push_back(setting);
    }
    return settings;
}

}  // namespace

std::vector<OfferCentre> readOfferCentres(CompileContext& ctx) {
    const auto records = readCentres(ctx);
    const auto settings = readSettings(ctx, records);
    std::vector<OfferCentre> centres;
    for (const auto& centre : records) {
        const auto found = settings.find({centre.province, cp1252ToUtf8(centre.locality)});
        centres.push_back({centre.zone, centre.line, centre.letter, centre.province, centre.key,
                           found == settings.end() ? std::vector<std::string>{} : found->second});
    }
    return centres;
}

void compileFpOffer(CompileContext& ctx, const Grade& grade,
                    const std::vector<OfferCentre>& centres, const std::vector<FpLine>& lines) {
    if (centres.empty()) {
        ctx.diag.error("fp: no training centres to teach the titles (data/geography/centros)");
        return;
    }
    std::vector<OfferTitle> titles;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (const Title* title = lines[i].title)
            titles.push_back(
                {static_cast<int>(i) + 1, title->key, title->offer.spread, title->offer.provinces,
                 title->offer.pos.line ? title->offer.pos : title->pos, title->offer.setting});
    const auto rows = distributeOffer(centres, titles, degrees::kFpTitleRows, ctx.diag);

    std::string bytes;
    for (int z = 1; z <= degrees::kFpZones; ++z) {
        Record record(degrees::kFpOfferRecordSize);
        for (int t = 1; t <= degrees::kFpTitleRows; ++t) {
            const auto& row = rows[static_cast<std::size_t>(z - 1)][static_cast<std::size_t>(t)];
            const std::size_t offset =
                static_cast<std::size_t>(t - 1) * degrees::kOfferRowWords * 2;
            if (static_cast<int>(row.size()) > degrees::kOfferRowWords - 1) {
                ctx.diag.error("fp: " + grade.titles + " line " + std::to_string(t) +
                               " is taught in " + std::to_string(row.size()) + " centres of LU" +
                               std::to_string(z) + "; a row holds 325");
                continue;
            }
            record.setU16(offset, static_cast<int>(row.size()));
            for (std::size_t i = 0; i < row.size(); ++i)
                record.setU16(offset + 2 * (i + 1), row[i]);
        }
        bytes += record.bytes();
    }
    ctx.output.writeBinary(grade.offer, bytes);
}

}  // namespace rumbelo::data::fp
