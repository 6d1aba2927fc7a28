#include "data/compile.h"

#include <functional>
#include <vector>

#include "data/catalogue/catalogue_pass.h"
#include "data/certificates/certificates_pass.h"
#include "data/degrees/degrees_pass.h"
#include "data/geography/geography.h"
#include "data/secondary/secondary_pass.h"

namespace rumbelo::data {

void KeyRegistry::add(const std::string& table, const std::string& key, int line,
                      const SourcePos& pos, Diagnostics& diag) {
    auto& keys = tables_[table];
    if (!keys.emplace(key, line).second)
        diag.error(pos, "duplicate " + table + " key \"" + key + "\"");
}

int KeyRegistry::resolve(const std::string& table, const std::string& key, const SourcePos& pos,
                         Diagnostics& diag) const {
    const auto t = tables_.find(table);
    if (t != tables_.end()) {
        const auto k = t->second.find(key);
        if (k != t->second.end()) return k->second;
    }
    diag.error(pos, "unknown " + table + " key \"" + key + "\"");
    return 0;
}

bool KeyRegistry::has(const std::string& table, const std::string& key) const {
    const auto t = tables_.find(table);
    return t != tables_.end() && t->second.count(key) > 0;
}

const std::map<std::string, int>& KeyRegistry::table(const std::string& name) const {
    static const std::map<std::string, int> kNone;
    const auto t = tables_.find(name);
    return t == tables_.end() ? kNone : t->second;
}

bool compileAll(CompileContext& ctx) {
    // Order matters: geography registers the keys the catalogues refer to.
    const std::vector<std::function<void(CompileContext&)>> passes = {
        compileTextos,  compileGeography, compileGrupos,  compileQuestionnaires, compileFp,
        compileDegrees, compileSecondary, compileCredits, compileCertificates,   compileCatalogue,
    };
    for (const auto& pass : passes)
        pass(ctx);
    return !ctx.diag.failed();
}

}  // namespace rumbelo::data
