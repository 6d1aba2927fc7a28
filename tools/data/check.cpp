#include "data/check.h"

#include <functional>

#include "common/data/readers.h"
#include "common/text/cp1252.h"
#include "common/texts/interface_texts.h"
#include "data/catalogue/catalogue_pass.h"
#include "data/certificates/certificates_pass.h"
#include "data/degrees/degrees_pass.h"
#include "data/fp/fp2_check.h"
#include "data/fp/fp_check.h"
#include "data/geography/geography_check.h"
#include "data/initial/initial_pass.h"
#include "data/interest/interest_check.h"
#include "data/secondary/secondary_pass.h"

namespace rumbelo::data {

void checkTextos(CheckContext& ctx) {
    TextTable table;
    ReadTextsFile(ctx.files, "textos", table);
    if (ctx.aborted) return;
    if (table.count() < InterfaceTexts::kLastUsed)
        ctx.problem("textos: " + std::to_string(table.count()) + " lines; the program uses " +
                    std::to_string(InterfaceTexts::kLastUsed));
}

std::vector<std::string> checkFolder(const std::filesystem::path& dir) {
    CheckContext ctx(dir);
    const std::vector<std::function<void(CheckContext&)>> checks = {
        checkTextos,      checkGeography,         checkInterestGroups,
        checkFpCatalogue, checkMediumFpCatalogue, checkDegrees,
        checkSecondary,   checkCertificates,      checkInitialProgrammes,
    };
    for (const auto& check : checks)
        check(ctx);
    std::vector<std::string> problems;
    for (const auto& message : ctx.sink.messages)
        problems.push_back(cp1252ToUtf8(message));
    problems.insert(problems.end(), ctx.problems.begin(), ctx.problems.end());
    return problems;
}

}  // namespace rumbelo::data
