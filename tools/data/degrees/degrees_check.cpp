// `rumbelo-data check`: the degree files of a built folder, loaded as the degrees form
// loads them, against the capacities of the program's tables and the lines they refer to.
#include "common/data/readers.h"
#include "common/text/fixed_text.h"
#include "data/degrees/degrees_pass.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::data {
namespace {

using rumbelo::degrees::DegreeCatalog;
using rumbelo::degrees::kDegreeRowSize;

struct Limits {
    int places = 0;
    int groups = 0;
};

std::string degreeLabel(int j) {
    return "datcar degree " + std::to_string(j) + ": ";
}

int rawByte(const DegreeCatalog& catalog, int record, int j, std::size_t i) {
    const std::string& bytes = catalog.records[static_cast<std::size_t>(record - 1)];
    return static_cast<unsigned char>(bytes[static_cast<std::size_t>(j - 1) * kDegreeRowSize + i]);
}

void checkList(CheckContext& ctx, const DegreeCatalog& catalog, int j, int record, std::size_t at,
               int limit, int low, int high, const std::string& what) {
    const int n = rawByte(catalog, record, j, at);
    if (n > limit) {
        ctx.problem(degreeLabel(j) + "more " + what + " than a row holds");
        return;
    }
    for (int i = 1; i <= n; ++i) {
        const int value = rawByte(catalog, record, j, at + static_cast<std::size_t>(i));
        if (value < low || value > high)
            ctx.problem(degreeLabel(j) + what + " " + std::to_string(value) + " is not one of " +
                        std::to_string(low) + ".." + std::to_string(high));
    }
}

void checkDegree(CheckContext& ctx, const DegreeCatalog& catalog, const Limits& limits, int j) {
    checkList(ctx, catalog, j, 1, 0, 100, 1, limits.places, "place");
    for (const auto& [place, mark] : catalog.places(j))
        if (mark != rumbelo::degrees::kNoMark && (mark < 50 || mark > 100))
            ctx.problem(degreeLabel(j) + "mark " + std::to_string(mark) + " at place " +
                        std::to_string(place));
    checkList(ctx, catalog, j, 2, 0, 100, 1, catalog.requirementCount, "requirement");
    for (const int n : catalog.requirementsOf(j))
        if (n >= degrees::kFirstCaptionLine && n <= degrees::kLastCaptionLine)
            ctx.problem(degreeLabel(j) + "REQUISIT line " + std::to_string(n) + " is a caption");
    checkList(ctx, catalog, j, 4, 0, 100, 1, catalog.outletCount, "outlet");
    checkList(ctx, catalog, j, 5, 0, 9, 1, limits.groups, "group");
    checkList(ctx, catalog, j, 5, 10, 90, 1, catalog.degreeLines, "related degree");
    if (catalog.places(j).empty()) ctx.problem(degreeLabel(j) + "no place teaches it");
    if (catalog.requirementsOf(j).empty()) ctx.problem(degreeLabel(j) + "no requirement");
    if (catalog.groupsOf(j).empty()) ctx.problem(degreeLabel(j) + "no interest group");
    if (catalog.difficulty(j) < 1 || catalog.difficulty(j) > 7)
        ctx.problem("asignacar block " + std::to_string(j) + ": difficulty is not 1..7");
    if (catalog.kind(j) == 0)
        ctx.problem("CARRERA line " + std::to_string(j) + ": the name carries no kind marker");
}

void checkDoubles(CheckContext& ctx, int degreeCount) {
    DoubleDegrees doubles;
    ReadDoubleDegrees(ctx.files, "dobles", doubles);
    if (!doubles.groups[0].members.empty()) ctx.problem("dobles: members before the first group");
    std::vector<int> perCommunity(20, 0);
    for (int g = 1; g <= doubles.count(); ++g) {
        const auto& group = doubles.groups[static_cast<std::size_t>(g)];
        const std::string label = "dobles group " + std::to_string(g) + ": ";
        if (group.code < 1 || group.code > 19) {
            ctx.problem(label + "community " + std::to_string(group.code));
            continue;
        }
        const int community = group.code >= 18 ? 1 : group.code;
        if (++perCommunity[static_cast<std::size_t>(community)] == 29)
            ctx.problem(label + "more than 28 groups in community " + std::to_string(community));
        for (const auto& member : group.members)
            if (member.a < 1 || member.a > degreeCount || member.b < 1 || member.b > degreeCount)
                ctx.problem(label + "degree numbers " + std::to_string(member.a) + " and " +
                            std::to_string(member.b));
    }
}

// A university listed for the pupil must open a list that is not empty.
void checkEveryPlaceTeaches(CheckContext& ctx, const DegreeCatalog& catalog,
                            const PlaceList& places, int rows) {
    std::vector<bool> teaches(static_cast<std::size_t>(places.count()) + 1, false);
    for (int j = 1; j <= rows; ++j)
        for (const auto& offer : catalog.places(j))
            if (offer.place >= 1 && offer.place <= places.count())
                teaches[static_cast<std::size_t>(offer.place)] = true;
    for (int p = 1; p <= places.count(); ++p)
        if (!teaches[static_cast<std::size_t>(p)])
            ctx.problem("LUGAR line " + std::to_string(p) + " (" + TrimRight(places.names[p]) +
                        "): no degree is taught there");
}

}  // namespace

void checkDegrees(CheckContext& ctx) {
    DegreeCatalog catalog;
    if (!rumbelo::degrees::loadDegreeCatalog(ctx.files, InterfaceTexts{}, catalog)) return;
    PlaceList places;
    ReadPlaceList(ctx.files, "LUGAR", places);
    LineTable groups;
    Limits limits{places.count(),
                  ReadLineTable(ctx.files, ctx.files.localized("GRUPOS"), groups, kStandardWidth)};
    if (ctx.aborted) return;
    if (catalog.degreeCount < 1) ctx.problem("CARRERA: no degrees");
    if (catalog.degreeLines > degrees::kMaxDegreeLines) ctx.problem("CARRERA: over 200 lines");
    if (catalog.subjects.count() < catalog.degreeCount)
        ctx.problem("asignacar: " + std::to_string(catalog.subjects.count()) + " blocks for " +
                    std::to_string(catalog.degreeCount) + " degrees");
    if (catalog.otherBlocks.count() != catalog.otherCount)
        ctx.problem("asignaot: " + std::to_string(catalog.otherBlocks.count()) + " blocks for " +
                    std::to_string(catalog.otherCount) + " other studies");
    if (catalog.requirementCount < 23) ctx.problem("REQUISIT: the fixed lines need 23 lines");
    const int rows = std::min(catalog.degreeCount, rumbelo::degrees::kDegreeRows);
    for (int j = 1; j <= rows; ++j)
        checkDegree(ctx, catalog, limits, j);
    checkEveryPlaceTeaches(ctx, catalog, places, rows);
    for (int j = rows + 1; j <= rumbelo::degrees::kDegreeRows; ++j)
        for (int r = 1; r <= rumbelo::degrees::kDegreeRecordCount; ++r)
            if (r != 3 &&
                (rawByte(catalog, r, j, 0) != 0 || (r == 5 && rawByte(catalog, r, j, 10))))
                ctx.problem(degreeLabel(j) + "a row beyond the degrees is not empty");
    checkDoubles(ctx, catalog.degreeCount);
}

}  // namespace rumbelo::data
