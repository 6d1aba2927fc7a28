// The built programmes read as the section reads them, with what would go wrong on screen:
// group letters naming nothing, too many sub-headings or popup rows, programmes no centre
// offers, and centre codes naming no programme.
#include <set>

#include "common/data/readers.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/initial/initial_pass.h"
#include "vocational/initial/data/programme_files.h"

namespace rumbelo::data {
namespace {

using namespace initial;

std::string programmeName(const ProgrammeFiles& files, int p) {
    return "\"" + cp1252ToUtf8(TrimRight(files.text(p))) + "\"";
}

void checkGroups(CheckContext& ctx, const ProgrammeFiles& files) {
    std::set<char> letters;
    for (int p = 1; p <= files.count(); ++p)
        letters.insert(files.category(p));
    bool placeMode = false;
    for (int g = 1; g <= kGroups; ++g) {
        const std::string code = files.groupCode(g);
        const std::string at = "fpip line " + std::to_string(g);
        if (files.isPlaceModeGroup(g)) {
            placeMode = true;
            continue;
        }
        if (IsBlank(code)) ctx.problem(at + ": no group letters");
        for (const char letter : TrimRight(code))
            if (!letters.count(letter))
                ctx.problem(at + ": letter \"" + std::string(1, letter) +
                            "\" names no programme line");
        const auto rows = groupRows(files, g);
        if (rows.size() > static_cast<std::size_t>(kMaxPopupRows))
            ctx.problem(at + ": " + std::to_string(rows.size()) + " popup rows; at most 200");
    }
    if (!placeMode) ctx.problem("fpip: no group starts with 0, so places cannot be searched");
}

void checkLines(CheckContext& ctx, const ProgrammeFiles& files) {
    if (files.subHeadings.size() > static_cast<std::size_t>(kMaxSubHeadings))
        ctx.problem("fpip: " + std::to_string(files.subHeadings.size()) +
                    " sub-headings; at most 23");
    if (files.count() > kMaxCentreProgramme)
        ctx.problem("fpip: " + std::to_string(files.count()) +
                    " lines after the groups; centres can name only the first 99");
    if (files.modules.count() != kModuleLines * files.count())
        ctx.problem("IPmodulos has " + std::to_string(files.modules.count()) +
                    " lines; five for each of the " + std::to_string(files.count()) +
                    " lines of fpip after the groups make " +
                    std::to_string(kModuleLines * files.count()));
    for (int p = 1; p <= files.count(); ++p) {
        if (files.isSubHeading(p)) continue;
        if (IsBlank(files.moduleLines(p)[0]))
            ctx.problem("IPmodulos: programme " + programmeName(files, p) + " has no modules");
    }
}

void checkCentres(CheckContext& ctx, const ProgrammeFiles& files) {
    std::set<int> offered;
    for (int zone = 1; zone <= 4; ++zone) {
        ZoneTable table;
        const std::string name = "LU" + std::to_string(zone);
        ReadZoneFile(ctx.files, name, table);
        if (ctx.aborted) return;
        for (int k = 1; k <= table.count(); ++k) {
            const auto& codes = table.codes[static_cast<std::size_t>(k)];
            for (int j = 0; j < codes.count; ++j) {
                const int p = codes.codes[static_cast<std::size_t>(j)];
                if (p < 1 || p > files.count() || files.isSubHeading(p))
                    ctx.problem(name + " line " + std::to_string(k) + ": programme code " +
                                std::to_string(p) + " names no programme of fpip");
                else
                    offered.insert(p);
            }
        }
    }
    for (int p = 1; p <= files.count(); ++p)
        if (!files.isSubHeading(p) && !offered.count(p))
            ctx.problem("fpip: no centre offers programme " + std::to_string(p) + " " +
                        programmeName(files, p));
}

}  // namespace

void checkInitialProgrammes(CheckContext& ctx) {
    ProgrammeFiles files;
    if (!loadProgrammeFiles(ctx.files, files)) return;
    checkGroups(ctx, files);
    checkLines(ctx, files);
    checkCentres(ctx, files);
}

}  // namespace rumbelo::data
