// comarcas: lines 1-41 are the coded comarcas (key, code, name), then the finer list of the
// comarca coded 37 (key, name), whose fifth entry is a heading. comarcasm: one to three
// lines per Madrid area (key, code, name), so that the area's hint joins their names.
// Every comarca and area must list at least one centre.
#include <set>

#include "common/text/fixed_text.h"
#include "data/geography/geography.h"
#include "data/output.h"

namespace rumbelo::data {
namespace {

void checkListed(const DistrictSource& district, const std::set<std::string>& withCentres,
                 Diagnostics& diag) {
    if (!district.heading && !withCentres.count(district.key))
        diag.error(district.pos, district.key + " lists no centre; pupils would find it empty");
}

}  // namespace

void compileDistricts(CompileContext& ctx, const DistrictsSource& districts,
                      const std::vector<CentreRecord>& centres) {
    std::set<std::string> withCentres;
    for (const auto& centre : centres)
        withCentres.insert(centre.district);

    std::vector<std::string> comarcas;
    for (const auto& comarca : districts.comarcas) {
        comarcas.push_back(comarca.programKey +
                           numberField(comarca.code, 2, comarca.pos, ctx.diag, "code") +
                           comarca.names[0]);
        if (comarca.code != kComarcaWithList) checkListed(comarca, withCentres, ctx.diag);
    }
    for (const auto& entry : districts.finer) {
        comarcas.push_back((entry.heading ? std::string("  ") : entry.programKey) + entry.names[0]);
        checkListed(entry, withCentres, ctx.diag);
    }
    ctx.output.writeText("comarcas", comarcas);

    std::vector<std::string> comarcasm;
    for (const auto& area : districts.areas) {
        for (const auto& name : area.names)
            comarcasm.push_back(area.programKey +
                                numberField(area.code, 2, area.pos, ctx.diag, "code") + name);
        checkListed(area, withCentres, ctx.diag);
    }
    ctx.output.writeText("comarcasm", comarcasm);
}

}  // namespace rumbelo::data
