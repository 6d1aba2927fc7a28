// degrees/dobles.txt -> dobles: one group per university (its community number and its
// name as "LUGAR" gives them), one member per double degree (years, then the two degree
// numbers). A double degree is only offered where both of its degrees are.
#include <map>
#include <set>

#include "common/data/readers.h"
#include "common/messages.h"
#include "common/text/fixed_text.h"
#include "data/degrees/degrees_pass.h"

namespace rumbelo::data::degrees {
namespace {

constexpr int kMaxGroupsPerCommunity = 28;  // the place list of a community holds 28

// Ceuta and Melilla count as Andalucía for universities.
int foldedCommunity(int code) {
    return code == 18 || code == 19 ? 1 : code;
}

bool offeredAt(const Degree& degree, const std::string& place) {
    for (const auto& offer : degree.places)
        if (offer.place == place) return true;
    return false;
}

}  // namespace

void compileDoubleDegrees(CompileContext& ctx, const std::vector<Degree>& degrees) {
    const auto universities = readDoubleDegrees(ctx);
    RecordingSink sink;
    bool aborted = false;
    DataFiles built(ctx.output.dir(), sink, aborted);
    PlaceList places;
    ReadPlaceList(built, "LUGAR", places);
    if (aborted) {
        ctx.diag.error({"degrees/dobles.txt", 0}, "LUGAR must be compiled before dobles");
        return;
    }
    std::map<std::string, const Degree*> byKey;
    for (const auto& degree : degrees)
        byKey[degree.key] = &degree;
    const auto degreeNumber = [&](const std::string& key, const SourcePos& pos) {
        const int n = ctx.keys.resolve("CARRERA", key, pos, ctx.diag);
        if (n > static_cast<int>(degrees.size()))
            ctx.diag.error(pos, "\"" + key + "\" is a closing line, not a degree");
        return n;
    };

    std::vector<std::string> lines;
    std::map<int, int> groupsPerCommunity;
    std::set<std::string> seenPlaces;
    for (const auto& university : universities) {
        const int place = ctx.keys.resolve("LUGAR", university.place, university.pos, ctx.diag);
        if (place <= 0) continue;
        if (!seenPlaces.insert(university.place).second)
            ctx.diag.error(university.pos, "\"" + university.place + "\" given twice");
        const int code = places.code(place);
        if (++groupsPerCommunity[foldedCommunity(code)] == kMaxGroupsPerCommunity + 1)
            ctx.diag.error(university.pos,
                           "more than 28 universities with double degrees in "
                           "community " +
                               std::to_string(code));
        if (static_cast<int>(university.members.size()) > DoubleDegrees::kMemberCapacity)
            ctx.diag.error(university.pos,
                           "\"" + university.place + "\" has more than 25 double degrees");
        lines.push_back(TrimRight(rightAligned(code, 2) + places.names[place]));
        for (const auto& member : university.members) {
            const int a = degreeNumber(member.first, member.pos);
            const int b = degreeNumber(member.second, member.pos);
            for (const auto* key : {&member.first, &member.second}) {
                const auto degree = byKey.find(*key);
                if (degree != byKey.end() && !offeredAt(*degree->second, university.place))
                    ctx.diag.error(member.pos, "\"" + *key + "\" is not offered at \"" +
                                                   university.place + "\"");
            }
            if (a == b && a > 0) ctx.diag.error(member.pos, "a double degree of one degree");
            lines.push_back("   " + std::to_string(member.years) + rightAligned(a, 3) +
                            rightAligned(b, 3));
        }
    }
    if (static_cast<int>(universities.size()) > DoubleDegrees::kGroupCapacity)
        ctx.diag.error({"degrees/dobles.txt", 0}, "more than 199 universities");
    ctx.output.writeText("dobles", lines);
}

}  // namespace rumbelo::data::degrees
