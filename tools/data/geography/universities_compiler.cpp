// data/geography/universidades.tsv -> LUGAR: one university or campus per line (community
// number in columns 1-2, name in 3-37, web domain from 38). Each line's key is registered
// in "LUGAR" so that the degrees catalogue can name the places offering a degree.
#include <map>

#include "common/text/fixed_text.h"
#include "data/geography/geography.h"
#include "data/source.h"

namespace rumbelo::data {
namespace {

constexpr std::size_t kNameColumns = 35;
constexpr std::size_t kDomainLength = 60;  // the program keeps 60 characters
constexpr int kPlacesPerCommunity = 28;    // the pupil's place list holds 28
constexpr int kMaxPlaces = 255;            // place numbers are bytes

bool isDomain(const std::string& text) {
    if (text.empty() || text.rfind("http", 0) == 0 || text.rfind("www.", 0) == 0) return false;
    for (const char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '/'))
            return false;
    return text.find('.') != std::string::npos;
}

}  // namespace

void compileUniversities(CompileContext& ctx, const PlacesSource& places) {
    const auto source = readSource(ctx.src, "geography/universidades.tsv", ctx.diag);
    if (!source) return;
    std::vector<std::string> lines;
    std::map<int, int> perCommunity;
    for (const auto& line : source->lines) {
        const auto community = parseNumber(line.field(1));
        if (line.field(0).empty() || line.field(2).empty() || !community) {
            ctx.diag.error(line.pos, "expected key<TAB>community number<TAB>name<TAB>domain");
            continue;
        }
        if (*community < 1 || *community > static_cast<int>(places.communities.size()) - 2) {
            // Ceuta and Melilla are listed with Andalucía: their own codes are never asked.
            ctx.diag.error(line.pos, "community " + line.field(1) +
                                         " is never listed; universities take 1 to 17 "
                                         "(Ceuta and Melilla belong to 1)");
            continue;
        }
        if (!isDomain(line.field(3)) || line.field(3).size() > kDomainLength)
            ctx.diag.error(line.pos, "\"" + line.field(3) +
                                         "\" is not a web domain as opened after \"http://www.\"");
        if (++perCommunity[*community] == kPlacesPerCommunity + 1)
            ctx.diag.error(line.pos, "community " + std::to_string(*community) +
                                         " has more than 28 places; its list holds 28");
        const std::string name = toCp1252(line.field(2), line.pos, ctx.diag);
        lines.push_back(numberField(*community, 2, line.pos, ctx.diag, "community") +
                        fixedField(name, kNameColumns, line.pos, ctx.diag, "name") + line.field(3));
        ctx.keys.add("LUGAR", line.field(0), static_cast<int>(lines.size()), line.pos, ctx.diag);
    }
    if (static_cast<int>(lines.size()) > kMaxPlaces)
        ctx.diag.error({source->name, 0}, "at most 255 places can be numbered");
    ctx.output.writeText("LUGAR", lines);
}

}  // namespace rumbelo::data
