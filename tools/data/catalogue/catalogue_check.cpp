// The built "familias" and "indices" read as the catalogue reads them, against the tables
// they index: keys naming no family, an index shorter than a table, qualifications in no
// family, and programme or certificate letters naming no family.
#include <algorithm>
#include <set>

#include "common/data/readers.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/catalogue/catalogue_pass.h"
#include "secondary/catalogue/data/catalogue_files.h"

namespace rumbelo::data {
namespace {

using namespace catalogue;

constexpr int kClosingDegreeLines = 4;
constexpr int kGroupLines = 9;

struct Indexed {
    const char* name;
    LineTable lines;
};

void checkIndexKeys(CheckContext& ctx, const CatalogueFiles& files, const std::set<char>& keys) {
    for (int r = 1; r <= files.indexCount(); ++r)
        for (const char c : files.index[static_cast<std::size_t>(r)])
            if (c != ' ' && !keys.count(c))
                ctx.problem("indices line " + std::to_string(r) + ": key " + std::string(1, c) +
                            " names no family of familias");
}

void checkQualifications(CheckContext& ctx, const CatalogueFiles& files) {
    std::array<Indexed, 3> tables{{{"CARRERA", {}}, {"FP", {}}, {"FP2", {}}}};
    for (auto& table : tables) {
        ReadLineTable(ctx.files, ctx.files.localized(table.name), table.lines, kStandardWidth);
        if (ctx.aborted) return;
        if (table.lines.count() > files.indexCount())
            ctx.problem(std::string("indices has ") + std::to_string(files.indexCount()) +
                        " lines but " + table.name + " " + std::to_string(table.lines.count()));
    }
    for (int level = 1; level <= 3; ++level) {
        const Indexed& table = tables[static_cast<std::size_t>(level - 1)];
        const int last = table.lines.count() - (level == 1 ? kClosingDegreeLines : 0);
        for (int r = 1; r <= last; ++r) {
            const std::string& line = table.lines[r];
            const bool header = level > 1 && !line.empty() && line[0] == '-';
            const std::string pair =
                cols(files.index[std::min<std::size_t>(static_cast<std::size_t>(r),
                                                       files.index.size() - 1)],
                     static_cast<std::size_t>(2 * level - 1), static_cast<std::size_t>(2 * level));
            if (header && !IsBlank(pair))
                ctx.problem(std::string(table.name) + " line " + std::to_string(r) +
                            " is a family header but indices gives it families");
            else if (!header && IsBlank(pair))
                ctx.problem(std::string(table.name) + " line " + std::to_string(r) + " \"" +
                            cp1252ToUtf8(TrimRight(line)) + "\" belongs to no family");
        }
    }
}

void checkLetters(CheckContext& ctx, const std::string& name, const std::set<char>& keys) {
    LineTable lines;
    ReadLineTable(ctx.files, ctx.files.localized(name), lines, kStandardWidth);
    if (ctx.aborted) return;
    for (int k = kGroupLines + 1; k <= lines.count(); ++k) {
        const std::string& line = lines[k];
        if (line.size() < 2 || line[1] == '-') continue;
        if (!keys.count(line[0]))
            ctx.problem(name + " line " + std::to_string(k) + ": letter " +
                        std::string(1, line[0]) +
                        " names no family of familias, so the catalogue never lists \"" +
                        cp1252ToUtf8(TrimRight(line.substr(1))) + "\"");
    }
}

}  // namespace

void checkCatalogue(CheckContext& ctx) {
    CatalogueFiles files;
    if (!loadCatalogueFiles(ctx.files, files)) return;
    std::set<char> keys;
    for (int p = 0; p < files.familyCount(); ++p)
        if (!keys.insert(files.familyKey(p)).second)
            ctx.problem("familias: key " + std::string(1, files.familyKey(p)) + " twice");
    checkIndexKeys(ctx, files, keys);
    checkQualifications(ctx, files);
    checkLetters(ctx, "fpip", keys);
    checkLetters(ctx, "certifica", keys);
}

}  // namespace rumbelo::data
