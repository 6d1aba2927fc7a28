// The built professions files read as the questionnaire reads them, with what would go
// wrong on screen: codes naming no activity, activities or professions the questionnaire
// can never reach, study codes naming no title, choices that overflow the pages.
#include "common/text/cp1252.h"
#include "data/professions/professions_pass.h"
#include "professions/core/data_rules.h"
#include "professions/data/professions_files.h"

namespace rumbelo::data {

void checkProfessions(CheckContext& ctx) {
    professions::ProfessionsData data;
    if (!professions::loadProfessionsData(ctx.files, data)) return;
    for (const auto& problem : professions::professionsDataProblems(data))
        ctx.problem(cp1252ToUtf8(problem.describe()));
}

}  // namespace rumbelo::data
