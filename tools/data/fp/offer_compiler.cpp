// The training centres of the geography and each title's spread -> datFPL or datFPL2: for
// each zone, which of its centres teach each title (offer_rule.h says how).
#include "data/fp/fp_passes.h"
#include "data/fp/offer_rule.h"
#include "data/geography/centres.h"
#include "degrees/data/fp_catalog.h"

namespace rumbelo::data::fp {

void compileFpOffer(CompileContext& ctx, const Grade& grade, const std::vector<FpLine>& lines) {
    std::vector<OfferCentre> centres;
    for (const auto& centre : readCentres(ctx))
        centres.push_back({centre.zone, centre.line, centre.letter, centre.province, centre.key});
    if (centres.empty()) {
        ctx.diag.error("fp: no training centres to teach the titles (data/geography/centros)");
        return;
    }
    std::vector<OfferTitle> titles;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (const Title* title = lines[i].title)
            titles.push_back({static_cast<int>(i) + 1, title->key, title->offer.spread,
                              title->offer.provinces,
                              title->offer.pos.line ? title->offer.pos : title->pos});
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
