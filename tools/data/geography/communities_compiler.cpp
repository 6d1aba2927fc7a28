// COMUNIDA: lines 1-19 are the communities (base position in the place-key list, name),
// lines 20 onward the provinces (community number, name). COMUINT: line k is community k's
// page on vocational training, from column 15; columns 1-14 carry a label for people.
#include "common/text/fixed_text.h"
#include "data/geography/geography.h"

namespace rumbelo::data {
namespace {
constexpr std::size_t kLabelColumns = 14;
}  // namespace

void compileCommunities(CompileContext& ctx, const PlacesSource& places) {
    std::vector<std::string> comunida;
    std::vector<std::string> comuint;
    for (const auto& community : places.communities) {
        comunida.push_back(
            numberField(community.basePosition, 2, community.pos, ctx.diag, "base position") +
            community.name);
        comuint.push_back(padTo(cut(community.name, kLabelColumns - 1), kLabelColumns) +
                          community.fpWeb);
    }
    for (const auto& province : places.provinces)
        comunida.push_back(
            numberField(province.community, 2, province.pos, ctx.diag, "community number") +
            province.name);
    ctx.output.writeText("COMUNIDA", comunida);
    ctx.output.writeText("COMUINT", comuint);
}

}  // namespace rumbelo::data
