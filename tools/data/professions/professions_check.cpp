// The built professions files read as the questionnaire reads them, with what would go
// wrong on screen: codes naming no activity, activities or professions the questionnaire
// can never reach, study codes naming no title, choices that overflow the pages.
#include "common/data/text_lines.h"
#include "common/text/cp1252.h"
#include "data/professions/professions_pass.h"
#include "professions/core/data_rules.h"
#include "professions/data/professions_files.h"

namespace rumbelo::data {
namespace {

// Text past a file's last column is never read: a name or a code written too far.
void checkWidths(CheckContext& ctx) {
    const std::pair<const char*, std::size_t> widths[] = {
        {"FRALARGAS", 134}, {"FRACORTAS", 70}, {"ACTIVIDA", 65}, {"profesio", 84}};
    for (const auto& [name, width] : widths) {
        const auto bytes = ctx.files.read(ctx.files.localized(name));
        if (!bytes) continue;
        const auto lines = splitLines(*bytes);
        for (std::size_t k = 0; k < lines.size(); ++k)
            if (lines[k].size() > width)
                ctx.problem(std::string(name) + " line " + std::to_string(k + 1) +
                            ": text past column " + std::to_string(width) + " is never read");
    }
}

}  // namespace

void checkProfessions(CheckContext& ctx) {
    professions::ProfessionsData data;
    if (!professions::loadProfessionsData(ctx.files, data)) return;
    for (const auto& problem : professions::professionsDataProblems(data))
        ctx.problem(cp1252ToUtf8(problem.describe()));
    checkWidths(ctx);
}

}  // namespace rumbelo::data
