#include "data/interest/interest_check.h"

#include "common/data/readers.h"
#include "degrees/data/interest_catalog.h"

namespace rumbelo::data {
namespace {

using degrees::InterestCatalog;
using degrees::Questionnaire;

constexpr int kChainLength = 6;  // statements 1-3 and 4-6 are graded scales
constexpr int kMaxScoredItem = 255;
// "datcar": groups of five records of 200 rows of 101 bytes; record 5 holds the groups.
constexpr std::size_t kDegreeRecordSize = 20200;
constexpr int kDegreeRecords = 5;
constexpr int kDegreeRowBytes = 101;
constexpr int kDegreeRows = 200;
constexpr int kMaxDegreeGroups = 9;
constexpr int kTrailingNonDegrees = 4;  // the last four lines of "CARRERA" are no degrees

// The loader never reads past a row; a count larger than its row is still a fault.
void checkItemCounts(CheckContext& ctx) {
    const auto bytes = ctx.files.read("datgru");
    if (!bytes || bytes->size() < 2 * degrees::kGroupItemsRecordSize) return;
    for (std::size_t at = 0; at < 2 * degrees::kGroupItemsRecordSize;
         at += degrees::kGroupItemRowBytes)
        if (static_cast<unsigned char>((*bytes)[at]) > degrees::kGroupItemRowBytes - 1)
            ctx.problem("datgru: a row lists more than 100 items");
}

void checkItems(CheckContext& ctx, const InterestCatalog& interest, Questionnaire q,
                const char* name) {
    const int statements = interest.statements(q).count();
    if (statements > kMaxScoredItem)
        ctx.problem(std::string(name) + ": statements beyond 255 can never be scored");
    for (int g = 1; g <= interest.groupCount(); ++g) {
        const auto& items = interest.groupItems(q, g);
        if (items.empty())
            ctx.problem("datgru: group " + std::to_string(g) + " has no item of " + name);
        for (const int item : items)
            if (item < 1 || item > statements)
                ctx.problem("datgru: group " + std::to_string(g) + " lists " + name + " item " +
                            std::to_string(item) + " beyond its " + std::to_string(statements) +
                            " lines");
    }
}

// Every degree must belong to a group, or the questionnaire can never suggest it. Skipped
// while the degrees are not in the folder.
void checkDegreeGroups(CheckContext& ctx, int groupCount) {
    if (!ctx.files.exists("CARRERA") || !ctx.files.exists("datcar")) return;
    LineTable degreesTable;
    int degrees =
        ReadLineTable(ctx.files, "CARRERA", degreesTable, kStandardWidth) - kTrailingNonDegrees;
    if (degrees > kDegreeRows) {
        ctx.problem("CARRERA: " + std::to_string(degrees) + " degrees; datcar holds " +
                    std::to_string(kDegreeRows));
        degrees = kDegreeRows;
    }
    const auto bytes = ctx.files.read("datcar");
    const std::size_t groupSize = kDegreeRecordSize * kDegreeRecords;
    if (!bytes || bytes->size() < groupSize) return;  // the degrees' own check reports it
    const std::size_t record5 = (bytes->size() / groupSize - 1) * groupSize + 4 * kDegreeRecordSize;
    for (int j = 1; j <= degrees; ++j) {
        const std::size_t row = record5 + static_cast<std::size_t>(j - 1) * kDegreeRowBytes;
        const int n = static_cast<unsigned char>((*bytes)[row]);
        if (n == 0 || n > kMaxDegreeGroups)
            ctx.problem("datcar: degree " + std::to_string(j) + " has " + std::to_string(n) +
                        " interest groups (1 to 9)");
        for (int i = 1; i <= std::min(n, kMaxDegreeGroups); ++i) {
            const int g = static_cast<unsigned char>((*bytes)[row + static_cast<std::size_t>(i)]);
            if (g < 1 || g > groupCount)
                ctx.problem("datcar: degree " + std::to_string(j) + " names group " +
                            std::to_string(g) + " beyond the " + std::to_string(groupCount) +
                            " lines of GRUPOS");
        }
    }
}

}  // namespace

void checkInterestGroups(CheckContext& ctx) {
    InterestCatalog interest;
    degrees::loadInterestTexts(ctx.files, interest);
    if (ctx.aborted) return;
    if (interest.groupCount() < 1 || interest.groupCount() > degrees::kMaxInterestGroups)
        ctx.problem("GRUPOS: " + std::to_string(interest.groupCount()) +
                    " groups; the questionnaire scores 1 to 12");
    if (interest.qualities.count() < kChainLength)
        ctx.problem("CUALIDAD: fewer than the six statements of the two graded scales");
    degrees::loadGroupItems(ctx.files, interest);
    if (ctx.aborted) return;
    checkItemCounts(ctx);
    checkItems(ctx, interest, Questionnaire::Qualities, "CUALIDAD");
    checkItems(ctx, interest, Questionnaire::Interests, "INTERES");
    checkDegreeGroups(ctx, interest.groupCount());
}

}  // namespace rumbelo::data
