// The degrees -> datcar: five records of 200 rows of 101 bytes, row j for degree j:
// places, requirements, marks (beside the places), outlets, groups and related degrees.
#include <algorithm>
#include <map>
#include <set>

#include "data/degrees/degrees_pass.h"
#include "degrees/data/degree_catalog.h"

namespace rumbelo::data::degrees {
namespace {

using rumbelo::degrees::kDegreeRecordCount;
using rumbelo::degrees::kDegreeRecordSize;
using rumbelo::degrees::kDegreeRowSize;

constexpr int kMaxListed = 100;
constexpr int kMaxGroups = 9;
constexpr int kMaxRelated = 90;

class RowWriter {
  public:
    explicit RowWriter(std::vector<Record>& records) : records_(records) {}
    // Writes count and values at byte `at` of row j of record r (1-based).
    void list(int r, int j, std::size_t at, const std::vector<int>& values) {
        Record& record = records_[static_cast<std::size_t>(r - 1)];
        const std::size_t row = static_cast<std::size_t>(j - 1) * kDegreeRowSize;
        record.setByte(row + at, static_cast<int>(values.size()));
        for (std::size_t i = 0; i < values.size(); ++i)
            record.setByte(row + at + 1 + i, values[i]);
    }
    void bytes(int r, int j, std::size_t at, const std::vector<int>& values) {
        Record& record = records_[static_cast<std::size_t>(r - 1)];
        const std::size_t row = static_cast<std::size_t>(j - 1) * kDegreeRowSize;
        for (std::size_t i = 0; i < values.size(); ++i)
            record.setByte(row + at + i, values[i]);
    }

  private:
    std::vector<Record>& records_;
};

// A list too long for its row is reported; what fits is still written.
std::vector<int> firstOf(std::vector<int> list, int limit) {
    if (static_cast<int>(list.size()) > limit) list.resize(static_cast<std::size_t>(limit));
    return list;
}

std::vector<int> resolveAll(CompileContext& ctx, const std::string& table, const KeyList& list) {
    std::vector<int> numbers;
    for (const auto& key : list.keys)
        if (const int n = ctx.keys.resolve(table, key, list.pos, ctx.diag); n > 0)
            numbers.push_back(n);
    return numbers;
}

void requireCount(CompileContext& ctx, const Degree& degree, const SourcePos& pos,
                  const std::string& what, std::size_t count, int low, int high) {
    if (static_cast<int>(count) < low || static_cast<int>(count) > high)
        ctx.diag.error(pos, "\"" + degree.key + "\" has " + std::to_string(count) + " " + what +
                                "; from " + std::to_string(low) + " to " + std::to_string(high) +
                                " fit");
}

std::vector<PlaceOffer> sortedPlaces(CompileContext& ctx, const Degree& degree,
                                     std::vector<int>& numbers) {
    std::vector<std::pair<int, PlaceOffer>> resolved;
    std::set<int> seen;
    for (const auto& offer : degree.places) {
        const int n = ctx.keys.resolve("LUGAR", offer.place, offer.pos, ctx.diag);
        if (n <= 0) continue;
        if (!seen.insert(n).second)
            ctx.diag.error(offer.pos,
                           "\"" + offer.place + "\" listed twice for \"" + degree.key + "\"");
        resolved.emplace_back(n, offer);
    }
    // In "LUGAR" order, so that a degree's places come by community.
    std::stable_sort(resolved.begin(), resolved.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<PlaceOffer> offers;
    for (const auto& [n, offer] : resolved) {
        numbers.push_back(n);
        offers.push_back(offer);
    }
    return offers;
}

void writeDegree(CompileContext& ctx, RowWriter& rows, int j, const Degree& degree) {
    std::vector<int> places;
    const auto offers = sortedPlaces(ctx, degree, places);
    requireCount(ctx, degree, degree.pos, "places", degree.places.size(), 1, kMaxListed);
    std::vector<int> marks;
    for (const auto& offer : offers)
        marks.push_back(offer.mark);
    rows.list(1, j, 0, firstOf(places, kMaxListed));
    rows.bytes(3, j, 1, firstOf(marks, kMaxListed));

    const auto requirements = resolveAll(ctx, "REQUISIT", degree.requirements);
    requireCount(ctx, degree, degree.requirements.pos, "requirements", requirements.size(), 1,
                 kMaxListed);
    for (const int n : requirements)
        if (n >= kFirstCaptionLine && n <= kLastCaptionLine)
            ctx.diag.error(degree.requirements.pos, "REQUISIT line " + std::to_string(n) +
                                                        " is a caption of the form, "
                                                        "not a requirement");
    rows.list(2, j, 0, firstOf(requirements, kMaxListed));

    const auto outlets = resolveAll(ctx, "SALIDAS", degree.outlets);
    requireCount(ctx, degree, degree.outlets.pos, "outlets", outlets.size(), 1, kMaxListed);
    rows.list(4, j, 0, firstOf(outlets, kMaxListed));

    const auto groups = resolveAll(ctx, "GRUPOS", degree.groups);
    requireCount(ctx, degree, degree.groups.pos, "interest groups", groups.size(), 1, kMaxGroups);
    rows.list(5, j, 0, firstOf(groups, kMaxGroups));

    const auto related = resolveAll(ctx, "CARRERA", degree.related);
    requireCount(ctx, degree, degree.related.pos, "related degrees", related.size(), 0,
                 kMaxRelated);
    if (std::find(related.begin(), related.end(), j) != related.end())
        ctx.diag.error(degree.related.pos, "\"" + degree.key + "\" is related to itself");
    rows.list(5, j, 10, firstOf(related, kMaxRelated));
}

// The degree view lists both a degree's related list and the degrees that list it, so a
// pair written on both sides would show twice.
void checkOneSided(CompileContext& ctx, const std::vector<Degree>& degrees) {
    std::map<std::string, std::set<std::string>> lists;
    for (const auto& degree : degrees)
        lists[degree.key].insert(degree.related.keys.begin(), degree.related.keys.end());
    for (const auto& degree : degrees)
        for (const auto& other : degree.related.keys)
            if (other < degree.key && lists[other].count(degree.key))
                ctx.diag.error(degree.related.pos,
                               "\"" + degree.key + "\" and \"" + other +
                                   "\" list each other; one side is enough, the other is shown "
                                   "in reverse");
}

}  // namespace

void compileDegreeRecords(CompileContext& ctx, const std::vector<Degree>& degrees) {
    std::vector<Record> records(kDegreeRecordCount, Record(kDegreeRecordSize));
    RowWriter rows(records);
    int j = 0;
    for (const auto& degree : degrees) {
        if (++j > rumbelo::degrees::kDegreeRows) break;
        writeDegree(ctx, rows, j, degree);
    }
    checkOneSided(ctx, degrees);
    std::string bytes;
    for (const auto& record : records)
        bytes += record.bytes();
    ctx.output.writeBinary("datcar", bytes);
}

}  // namespace rumbelo::data::degrees
