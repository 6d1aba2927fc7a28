#include "data/fp/fp2_check.h"

#include <set>

#include "common/data/readers.h"
#include "common/data/text_lines.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/fp/hours_check.h"
#include "secondary/data/cuesgm_catalog.h"
#include "secondary/data/fp2_catalog.h"

namespace rumbelo::data {
namespace {

using secondary::Fp2Catalog;
using secondary::MediumQuestionnaire;

constexpr std::size_t kBlockWidth = 50;
constexpr int kBlockLineLimit = 5000;
constexpr int kMaxCentres = kOfferRowWords - 1;
// The common entry requirements of grado medio (interface texts 341-345).
constexpr int kFirstRequirementText = 341;
constexpr int kLastRequirementText = 345;
constexpr int kMediumAccessAge = 17;
// From grado medio to grado superior (interface texts 480-482).
constexpr int kFirstBridgeText = 480;
constexpr int kLastBridgeText = 482;

std::string lineText(const Fp2Catalog& fp2, int t) {
    return "FP2 line " + std::to_string(t) + " (" + cp1252ToUtf8(TrimRight(fp2.titles[t])) + ")";
}

bool isMarked(const Fp2Catalog& fp2, int family) {
    return fp2.families.names[family].rfind('|', 0) == 0;
}

void checkFamilies(CheckContext& ctx, const Fp2Catalog& fp2) {
    if (fp2.families.count() == 0) ctx.problem("FP2: no family header");
    if (fp2.titleCount() > 0 && fp2.families.headerLine(1) != 1)
        ctx.problem("FP2: titles before the first family header belong to no family");
    bool secondGroup = false;
    for (int f = 1; f <= fp2.families.count(); ++f) {
        const std::string name = cp1252ToUtf8(TrimRight(fp2.families.names[f]));
        if (secondGroup && !isMarked(fp2, f))
            ctx.problem("FP2: family \"" + name +
                        "\" comes after a \"|\" family; the families list would cut its name");
        secondGroup = secondGroup || isMarked(fp2, f);
        if (fp2.familyTitles(f).empty()) ctx.problem("FP2: family \"" + name + "\" has no titles");
    }
    if (!secondGroup)
        ctx.problem("FP2: no \"|\" family, so every family name would lose its first letter");
}

void checkBlocks(CheckContext& ctx, const Fp2Catalog& fp2) {
    if (fp2.blocks.count() != fp2.titleCount())
        ctx.problem("asignagm: " + std::to_string(fp2.blocks.count()) + " blocks for " +
                    std::to_string(fp2.titleCount()) + " lines of FP2");
    for (int t = 1; t <= fp2.titleCount() && t <= fp2.blocks.count(); ++t) {
        if (fp2.isFamilyHeader(t)) continue;
        const int family = fp2.familyOf(t);
        const std::string problem =
            blockHoursProblem(fp2.blocks, t, family > 0 && isMarked(fp2, family));
        if (!problem.empty()) ctx.problem("asignagm block of " + lineText(fp2, t) + ": " + problem);
    }
    const auto bytes = ctx.files.read("asignagm");
    if (!bytes) return;
    const auto lines = splitLines(*bytes);
    if (static_cast<int>(lines.size()) > kBlockLineLimit)
        ctx.problem("asignagm: " + std::to_string(lines.size()) + " lines; the reader takes 5000");
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (TrimRight(lines[i]).size() > kBlockWidth)
            ctx.problem("asignagm:" + std::to_string(i + 1) + ": longer than 50 characters");
}

void checkOffer(CheckContext& ctx, const Fp2Catalog& fp2) {
    const auto records = ReadRecords(ctx.files, "datFPL2");
    if (!records) return;
    std::set<int> taught;
    for (int z = 1; z <= secondary::kFp2Zones; ++z) {
        ZoneTable zone;
        ReadZoneFile(ctx.files, "LU" + std::to_string(z), zone);
        const std::string& record = (*records)[static_cast<std::size_t>(z - 1)];
        const std::string where = "datFPL2 zone " + std::to_string(z) + " row ";
        for (int t = 1; t <= kOfferRows; ++t) {
            const std::size_t at = static_cast<std::size_t>(t - 1) * kOfferRowWords * 2;
            const int n = static_cast<unsigned char>(record[at]) |
                          static_cast<unsigned char>(record[at + 1]) << 8;
            if (n > kMaxCentres)
                ctx.problem(where + std::to_string(t) + ": " + std::to_string(n) +
                            " centres; a row holds 325");
            const auto& centres = fp2.centres(t, z);
            if (!centres.empty() && (t > fp2.titleCount() || fp2.isFamilyHeader(t)))
                ctx.problem(where + std::to_string(t) + ": centres for a line that is no title");
            for (const int c : centres)
                if (c < 1 || c > zone.count())
                    ctx.problem(where + std::to_string(t) + ": centre " + std::to_string(c) +
                                " beyond the " + std::to_string(zone.count()) + " lines of LU" +
                                std::to_string(z));
            if (!centres.empty()) taught.insert(t);
        }
    }
    for (int t = 1; t <= fp2.titleCount(); ++t)
        if (!fp2.isFamilyHeader(t) && !taught.count(t))
            ctx.problem(lineText(fp2, t) + ": taught in no centre");
}

// The family a code's first character names ("1"-"9", "A"-"U"), or 0.
int familyOfCode(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'U') return c - 'A' + 10;
    return 0;
}

void checkQuestionnaire(CheckContext& ctx, const Fp2Catalog& fp2, const MediumQuestionnaire& q) {
    for (int k = 1; k <= secondary::kMediumHeaderLines; ++k)
        if (IsBlank(q.header[k]))
            ctx.problem("CUESGM line " + std::to_string(k) + ": an area or the way out is missing");
    std::set<int> areasUsed;
    for (int i = 1; i <= q.count(); ++i) {
        const std::string where = "CUESGM statement " + std::to_string(i) + " (line " +
                                  std::to_string(i + secondary::kMediumHeaderLines) + "): ";
        const std::string code = q.code(i);
        const int family = code.empty() ? 0 : familyOfCode(code[0]);
        if (family == 0 || family > fp2.families.count()) {
            ctx.problem(where + "code \"" + cp1252ToUtf8(code) + "\" names no family of FP2");
        } else {
            const int titles = static_cast<int>(fp2.familyTitles(family).size());
            const char which = code.size() > 1 ? code[1] : ' ';
            const int needed = which == 'T'                   ? 1
                               : which == 'Z'                 ? 2
                               : which >= '1' && which <= '9' ? which - '0'
                                                              : -1;
            if (needed < 0)
                ctx.problem(where + "code \"" + cp1252ToUtf8(code) +
                            "\" names no title (T, Z or a digit 1-9)");
            else if (titles < needed)
                ctx.problem(where + "code \"" + cp1252ToUtf8(code) + "\" needs " +
                            std::to_string(needed) + " titles; the family has " +
                            std::to_string(titles));
        }
        const int first = q.firstArea[static_cast<std::size_t>(i)];
        const int second = q.secondArea[static_cast<std::size_t>(i)];
        if (first == secondary::kNoArea || second == secondary::kNoArea)
            ctx.problem(where + "columns 3 and 4 must be area digits");
        else {
            areasUsed.insert(first == 0 ? 10 : first);
            if (second != 0) areasUsed.insert(second);
        }
        if (IsBlank(q.text(i))) ctx.problem(where + "no text");
    }
    for (int area = 1; area <= 10; ++area)
        if (!areasUsed.count(area))
            ctx.problem("CUESGM: area " + std::to_string(area) + " has no statement");
}

void checkAccessAge(CheckContext& ctx) {
    TextTable texts;
    ReadTextsFile(ctx.files, "textos", texts);
    std::string requirements;
    for (int k = kFirstRequirementText; k <= kLastRequirementText; ++k)
        requirements += texts[k] + " ";
    const auto ages = agesIn(requirements);
    if (ages.empty())
        ctx.problem("textos 341-345: the grado medio requirements name no age for the test");
    for (const int age : ages)
        if (age != kMediumAccessAge)
            ctx.problem("textos 341-345: " + std::to_string(age) +
                        " a\xC3\xB1os; the grado medio access test asks for 17");
    // With a Técnico title the grado superior test is open at 18, otherwise at 19.
    std::string bridge;
    for (int k = kFirstBridgeText; k <= kLastBridgeText; ++k)
        bridge += texts[k] + " ";
    for (const int age : agesIn(bridge))
        if (age != 18 && age != 19)
            ctx.problem("textos 480-482: " + std::to_string(age) +
                        " a\xC3\xB1os; the grado superior access test asks for 19, or 18 "
                        "with a T\xC3\xA9"
                        "cnico title");
}

}  // namespace

void checkMediumFpCatalogue(CheckContext& ctx) {
    Fp2Catalog fp2;
    secondary::loadFp2Texts(ctx.files, fp2);
    MediumQuestionnaire questionnaire;
    secondary::loadMediumQuestionnaire(ctx.files, questionnaire);
    if (ctx.aborted) return;
    checkFamilies(ctx, fp2);
    checkBlocks(ctx, fp2);
    checkQuestionnaire(ctx, fp2, questionnaire);
    checkAccessAge(ctx);
    secondary::loadFp2Offer(ctx.files, fp2);
    checkOffer(ctx, fp2);
}

}  // namespace rumbelo::data
