// data/interest/cualidades.tsv -> CUALIDAD, data/interest/intereses.tsv -> INTERES, and
// from both, datgru: for each interest group, the statements of each questionnaire that
// count for it.
//
// Source lines: key<TAB>statement<TAB>group keys[<TAB>chain]. A group key may carry a weight,
// "salud*2", and is then listed that many times. In cualidades.tsv the first six statements
// are two graded scales (ticking a later one ticks the earlier ones of its scale); they carry
// the chain marks A1 A2 A3 B1 B2 B3, and no other statement does.
#include <array>
#include <sstream>

#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/compile.h"
#include "data/source.h"
#include "data/wording.h"
#include "degrees/data/interest_catalog.h"

namespace rumbelo::data {
namespace {

using degrees::kGroupItemRowBytes;
using degrees::kGroupItemsRecordSize;

constexpr std::size_t kStatementWidth = 60;
constexpr int kMaxItems = 255;  // item numbers are stored in bytes
constexpr int kMaxWeight = 9;
const std::array<std::string, 6> kChainMarks = {"A1", "A2", "A3", "B1", "B2", "B3"};

struct Questionnaire {
    const char* source;
    const char* output;  // also the key table's name
    bool chains;
};
constexpr Questionnaire kQualities{"interest/cualidades.tsv", "CUALIDAD", true};
constexpr Questionnaire kInterests{"interest/intereses.tsv", "INTERES", false};

using GroupItems = std::vector<std::vector<int>>;  // [group] -> item numbers

void checkChain(const SourceLine& line, int item, Diagnostics& diag) {
    const std::string& mark = line.field(3);
    const std::string expected = item <= static_cast<int>(kChainMarks.size())
                                     ? kChainMarks[static_cast<std::size_t>(item - 1)]
                                     : "";
    if (mark != expected)
        diag.error(line.pos, expected.empty() ? "only the first six statements carry a chain mark"
                                              : "statement " + std::to_string(item) +
                                                    " must carry the chain mark " + expected +
                                                    " (the two graded scales open the list)");
}

// Adds the item to each group it names, as often as the weight says.
void addToGroups(CompileContext& ctx, const SourceLine& line, int item, GroupItems& groups) {
    if (line.field(2).empty())
        ctx.diag.error(line.pos, "the statement counts for no interest group");
    if (item > kMaxItems) return;  // reported with the file: it could never be scored
    std::istringstream in(line.field(2));
    for (std::string word; in >> word;) {
        int weight = 1;
        const auto star = word.find('*');
        if (star != std::string::npos) {
            const auto w = parseNumber(word.substr(star + 1));
            if (!w || *w < 1 || *w > kMaxWeight)
                ctx.diag.error(line.pos, "a weight is a number from 1 to 9: \"" + word + "\"");
            weight = w && *w >= 1 && *w <= kMaxWeight ? *w : 1;
            word.resize(star);
        }
        const int group = ctx.keys.resolve("GRUPOS", word, line.pos, ctx.diag);
        if (group < 1) continue;
        if (static_cast<std::size_t>(group) >= groups.size())
            groups.resize(static_cast<std::size_t>(group) + 1);
        for (int i = 0; i < weight; ++i)
            groups[static_cast<std::size_t>(group)].push_back(item);
    }
}

GroupItems compileQuestionnaire(CompileContext& ctx, const Questionnaire& q) {
    GroupItems groups;
    const auto source = readSource(ctx.src, q.source, ctx.diag);
    if (!source) return groups;
    std::vector<std::string> lines;
    for (const auto& line : source->lines) {
        const int item = static_cast<int>(lines.size()) + 1;
        checkWording(line.field(1), line.pos, ctx.diag);
        const std::string text = toCp1252(line.field(1), line.pos, ctx.diag);
        if (line.field(0).empty() || text.empty())
            ctx.diag.error(line.pos, "expected key<TAB>statement<TAB>groups");
        if (text.size() > kStatementWidth)
            ctx.diag.error(line.pos,
                           "a statement holds at most 60 characters: \"" + line.field(1) + "\"");
        if (q.chains)
            checkChain(line, item, ctx.diag);
        else if (!line.field(3).empty())
            ctx.diag.error(line.pos, "only the qualities have chain marks");
        addToGroups(ctx, line, item, groups);
        ctx.keys.add(q.output, line.field(0), item, line.pos, ctx.diag);
        lines.push_back(text);
    }
    if (q.chains && lines.size() < kChainMarks.size())
        ctx.diag.error({q.source, 0}, "the two graded scales need six statements");
    if (static_cast<int>(lines.size()) > kMaxItems)
        ctx.diag.error({q.source, 0}, "at most 255 statements can be scored");
    ctx.output.writeText(q.output, lines);
    return groups;
}

// One record of datgru; every group must list at least one item (the score divides by the
// count) and at most 100.
std::string groupRecord(CompileContext& ctx, const Questionnaire& q, GroupItems groups) {
    const int groupCount = static_cast<int>(ctx.keys.table("GRUPOS").size());
    groups.resize(static_cast<std::size_t>(std::max(groupCount, 0)) + 1);
    Record record(kGroupItemsRecordSize);
    for (int g = 1; g <= groupCount; ++g) {
        auto& items = groups[static_cast<std::size_t>(g)];
        if (items.empty())
            ctx.diag.error({q.source, 0}, "interest group " + std::to_string(g) +
                                              " has no statement in this questionnaire");
        if (static_cast<int>(items.size()) > kGroupItemRowBytes - 1) {
            ctx.diag.error({q.source, 0}, "interest group " + std::to_string(g) +
                                              " lists more than 100 statements");
            items.resize(kGroupItemRowBytes - 1);
        }
        const std::size_t offset = static_cast<std::size_t>(g - 1) * kGroupItemRowBytes;
        record.setByte(offset, static_cast<int>(items.size()));
        for (std::size_t i = 0; i < items.size(); ++i)
            record.setByte(offset + 1 + i, items[i]);
    }
    return record.bytes();
}

}  // namespace

void compileQuestionnaires(CompileContext& ctx) {
    const auto qualities = compileQuestionnaire(ctx, kQualities);
    const auto interests = compileQuestionnaire(ctx, kInterests);
    ctx.output.writeBinary("datgru", groupRecord(ctx, kQualities, qualities) +
                                         groupRecord(ctx, kInterests, interests));
}

}  // namespace rumbelo::data
