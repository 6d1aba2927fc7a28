#include "data/fp/fp_check.h"

#include <map>
#include <set>

#include "common/data/readers.h"
#include "common/data/text_lines.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/fp/hours_check.h"
#include "degrees/data/fp_catalog.h"

namespace rumbelo::data {
namespace {

using degrees::FpCatalog;

constexpr std::size_t kBlockWidth = 50;
constexpr int kMaxTitlesPerDegree = 50;

std::string titleText(const FpCatalog& fp, int t) {
    return "FP line " + std::to_string(t) + " (" + cp1252ToUtf8(TrimRight(fp.titleName(t))) + ")";
}

void checkFamilies(CheckContext& ctx, const FpCatalog& fp) {
    if (fp.families.count() == 0) ctx.problem("FP: no family header");
    if (fp.titleCount() > 0 && fp.families.headerLine(1) != 1)
        ctx.problem("FP: titles before the first family header belong to no family");
    bool secondGroup = false;
    for (int f = 1; f <= fp.families.count(); ++f) {
        const std::string& name = fp.familyName(f);
        const bool marked = !name.empty() && name[0] == '|';
        if (secondGroup && !marked)
            ctx.problem("FP: family \"" + cp1252ToUtf8(TrimRight(name)) +
                        "\" comes after a \"|\" family; the families list would cut its name");
        if (!marked && !name.empty() && static_cast<unsigned char>(name[0]) > '|')
            ctx.problem("FP: family \"" + cp1252ToUtf8(TrimRight(name)) +
                        "\" sorts after the \"|\" families");
        secondGroup = secondGroup || marked;
        if (fp.familyTitles(f).empty())
            ctx.problem("FP: family \"" + cp1252ToUtf8(TrimRight(name)) + "\" has no titles");
    }
    if (!secondGroup)
        ctx.problem("FP: no \"|\" family, so every family name would lose its first letter");
}

void checkBlocks(CheckContext& ctx, const FpCatalog& fp) {
    if (fp.blocks.count() != fp.titleCount())
        ctx.problem("asignafp: " + std::to_string(fp.blocks.count()) + " blocks for " +
                    std::to_string(fp.titleCount()) + " lines of FP");
    for (int t = 1; t <= fp.titleCount() && t <= fp.blocks.count(); ++t) {
        if (fp.isFamilyHeader(t)) continue;
        const int family = fp.familyOf(t);
        const bool ownLengths = family > 0 && fp.familyName(family).rfind('|', 0) == 0;
        const std::string problem = blockHoursProblem(fp.blocks, t, ownLengths);
        if (!problem.empty()) ctx.problem("asignafp block of " + titleText(fp, t) + ": " + problem);
    }
    // The reader cuts lines at 50 characters: anything longer would lose its end.
    const auto bytes = ctx.files.read("asignafp");
    if (!bytes) return;
    int number = 0;
    for (const auto& line : splitLines(*bytes)) {
        ++number;
        if (TrimRight(line).size() > kBlockWidth)
            ctx.problem("asignafp:" + std::to_string(number) + ": longer than 50 characters");
    }
}

void checkRequirementLines(CheckContext& ctx, const FpCatalog& fp) {
    if (fp.requirements.count() < degrees::kThirdRouteAlsoLine)
        ctx.problem("REQFP: " + std::to_string(fp.requirements.count()) +
                    " lines; lines 1, 8-12 and 31 have fixed roles");
    for (int line = degrees::kFirstRouteLine; line <= degrees::kEveryRouteLine; ++line)
        if (IsBlank(colsFrom(fp.requirements[line], 4)))
            ctx.problem("REQFP line " + std::to_string(line) + ": no route name from column 4");
    // Without Bachillerato the access test asks for 19 years in the year of the test, or 18
    // with a related Técnico title.
    for (int line = 1; line <= fp.requirements.count(); ++line) {
        const std::string& text = fp.requirements[line];
        for (const int age : agesIn(text))
            if (age != 19 && !(age == 18 && text.find("T\xE9"
                                                      "cnico") != std::string::npos))
                ctx.problem("REQFP line " + std::to_string(line) + ": " + std::to_string(age) +
                            " a\xC3\xB1os; the access test asks for 19, or 18 with a T\xC3\xA9"
                            "cnico title");
    }
}

void checkLinks(CheckContext& ctx, const FpCatalog& fp, int groupCount) {
    std::map<int, int> titlesPerDegree;
    auto inRange = [&](int t, const std::vector<int>& numbers, int last, const char* table) {
        for (const int n : numbers)
            if (n < 1 || n > last)
                ctx.problem(titleText(fp, t) + ": " + table + " number " + std::to_string(n) +
                            " beyond its " + std::to_string(last) + " lines");
    };
    for (int t = 1; t <= fp.titleCount(); ++t) {
        const auto& links = fp.links[static_cast<std::size_t>(t)];
        if (fp.isFamilyHeader(t)) {
            if (!links.requirements.empty() || !links.degrees.empty() || !links.groups.empty())
                ctx.problem(titleText(fp, t) + ": a family header with links in datFPR");
            continue;
        }
        inRange(t, links.requirements, fp.requirements.count(), "REQFP");
        inRange(t, links.degrees, fp.reachableDegrees.count(), "carreFP");
        inRange(t, links.groups, groupCount, "GRUPOS");
        if (links.groups.empty()) ctx.problem(titleText(fp, t) + ": in no interest group");
        bool someRoute = false;
        for (int route = 1; route <= degrees::kRouteCount; ++route)
            someRoute = someRoute || fp.qualifies(t, route);
        if (!someRoute) ctx.problem(titleText(fp, t) + ": open to no Bachillerato route");
        for (const int degree : links.degrees)
            if (++titlesPerDegree[degree] == kMaxTitlesPerDegree + 1)
                ctx.problem("carreFP line " + std::to_string(degree) +
                            ": reached by more than 50 titles");
    }
}

// The loader never reads past a row; a count larger than its row is still a fault.
void checkLinkCounts(CheckContext& ctx) {
    const auto bytes = ctx.files.read("datFPR");
    if (!bytes || bytes->size() < degrees::kFpLinksRecordSize) return;
    struct Table {
        const char* name;
        std::size_t offset;
        int rowBytes;
    };
    const Table tables[] = {
        {"access requirements", 0, degrees::kRequirementRowBytes},
        {"reachable degrees", degrees::kDegreeTableOffset, degrees::kDegreeRowBytes},
        {"groups", degrees::kGroupTableOffset, degrees::kGroupRowBytes}};
    for (const auto& table : tables)
        for (int t = 1; t <= degrees::kFpTitleRows; ++t) {
            const int n = static_cast<unsigned char>(
                (*bytes)[table.offset + static_cast<std::size_t>(t - 1) * table.rowBytes]);
            if (n > table.rowBytes - 1)
                ctx.problem("datFPR row " + std::to_string(t) + ": " + std::to_string(n) + " " +
                            table.name + "; the row holds " + std::to_string(table.rowBytes - 1));
        }
}

void checkOffer(CheckContext& ctx, FpCatalog& fp) {
    const auto records =
        ReadBinaryRecords(ctx.files, "datFPL", degrees::kFpOfferRecordSize, degrees::kFpZones);
    if (!records) return;
    for (std::size_t z = 0; z < degrees::kFpZones; ++z)
        fp.offer[z] = degrees::decodeOfferRecord((*records)[z]);
    std::set<int> taught;
    for (int z = 1; z <= degrees::kFpZones; ++z) {
        ZoneTable zone;
        ReadZoneFile(ctx.files, "LU" + std::to_string(z), zone);
        const std::string& record = (*records)[static_cast<std::size_t>(z - 1)];
        std::set<int> centresTeaching;
        for (int t = 1; t <= degrees::kFpTitleRows; ++t) {
            const std::size_t at = static_cast<std::size_t>(t - 1) * degrees::kOfferRowWords * 2;
            const int n = static_cast<unsigned char>(record[at]) |
                          static_cast<unsigned char>(record[at + 1]) << 8;
            if (n > degrees::kOfferRowWords - 1)
                ctx.problem("datFPL zone " + std::to_string(z) + " row " + std::to_string(t) +
                            ": " + std::to_string(n) + " centres; a row holds 325");
            const auto& centres = fp.centres(t, z);
            if (!centres.empty() && (t > fp.titleCount() || fp.isFamilyHeader(t)))
                ctx.problem("datFPL zone " + std::to_string(z) + " row " + std::to_string(t) +
                            ": centres for a line that is no title");
            for (const int c : centres) {
                if (c < 1 || c > zone.count())
                    ctx.problem("datFPL zone " + std::to_string(z) + " row " + std::to_string(t) +
                                ": centre " + std::to_string(c) + " beyond the " +
                                std::to_string(zone.count()) + " lines of LU" + std::to_string(z));
                centresTeaching.insert(c);
            }
            if (!centres.empty()) taught.insert(t);
        }
        for (int c = 1; c <= zone.count(); ++c)
            if (!centresTeaching.count(c))
                ctx.problem("LU" + std::to_string(z) + " line " + std::to_string(c) +
                            ": the centre teaches no higher-FP title");
    }
    for (int t = 1; t <= fp.titleCount(); ++t)
        if (!fp.isFamilyHeader(t) && !taught.count(t))
            ctx.problem(titleText(fp, t) + ": taught in no centre");
}

}  // namespace

void checkFpCatalogue(CheckContext& ctx) {
    FpCatalog fp;
    degrees::loadFpTexts(ctx.files, fp);
    degrees::loadFpBlocks(ctx.files, fp);
    LineTable groups;
    ReadLineTable(ctx.files, "GRUPOS", groups, kStandardWidth);
    if (ctx.aborted) return;
    if (fp.titleCount() > degrees::kFpTitleRows) {
        // Every table behind the titles has 130 rows: nothing more can be checked against them.
        ctx.problem("FP: " + std::to_string(fp.titleCount()) + " lines; the tables hold 130");
        return;
    }
    checkFamilies(ctx, fp);
    checkBlocks(ctx, fp);
    checkRequirementLines(ctx, fp);
    degrees::loadFpLinks(ctx.files, fp);
    if (!fp.links.empty()) checkLinks(ctx, fp, groups.count());
    checkLinkCounts(ctx);
    checkOffer(ctx, fp);
}

}  // namespace rumbelo::data
