// data/fp/medio/cuestionario.tsv -> CUESGM: the ten interest areas and the way out (lines
// 1-11), then the statements. Each statement names what it points to by the keys of
// data/fp/medio/familias*, and the compiler writes the program's two-character code:
// family number ("1"-"9", "A"-"U") and "T" all its titles, "Z" its first two, or the digit
// of one title (1-9).
#include <map>

#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/fp/fp_passes.h"
#include "data/source.h"

namespace rumbelo::data::fp {
namespace {

constexpr int kAreas = 10;
constexpr int kMaxStatements = 100;
constexpr std::size_t kLineWidth = 75;
constexpr std::size_t kStatementWidth = 70;
constexpr int kMaxFamilies = 30;
constexpr int kMaxTitleDigit = 9;

// Where a key of FP2 stands: its family number (header order) and its place in the family
// (0 for the header itself).
struct Place {
    int family = 0;
    int position = 0;
};

std::map<std::string, Place> placesOf(const std::vector<FpLine>& lines) {
    std::map<std::string, Place> places;
    int family = 0;
    int position = 0;
    for (const auto& line : lines) {
        if (!line.title) {
            ++family;
            position = 0;
            places[line.family->key] = {family, 0};
        } else {
            places[line.title->key] = {family, ++position};
        }
    }
    return places;
}

char familyChar(int family) {
    return family <= 9 ? static_cast<char>('0' + family) : static_cast<char>('A' + family - 10);
}

// The code of a statement's targets: one family key, one title key, or the first two
// titles of a family. Empty after an error.
std::string targetCode(const std::vector<std::string>& keys,
                       const std::map<std::string, Place>& places, const SourcePos& pos,
                       Diagnostics& diag) {
    std::vector<Place> found;
    for (const auto& key : keys) {
        const auto p = places.find(key);
        if (p == places.end()) {
            diag.error(pos, "unknown FP2 key \"" + key + "\"");
            return {};
        }
        found.push_back(p->second);
    }
    if (found.empty() || found.size() > 2) {
        diag.error(pos,
                   "a statement points to one family, one title or a family's first two titles");
        return {};
    }
    const Place& first = found.front();
    if (first.family > kMaxFamilies) {
        diag.error(pos, "only the first 30 families of FP2 can be suggested");
        return {};
    }
    const std::string family(1, familyChar(first.family));
    if (found.size() == 2) {
        const Place& second = found.back();
        if (second.family != first.family || first.position != 1 || second.position != 2) {
            diag.error(pos, "two keys must be the first two titles of one family, in order");
            return {};
        }
        return family + "Z";
    }
    if (first.position == 0) return family + "T";
    if (first.position > kMaxTitleDigit) {
        diag.error(pos, "only the first nine titles of a family can be named one by one");
        return {};
    }
    return family + static_cast<char>('0' + first.position);
}

// The area digits: area k is the digit k, area 10 the digit 0; a second area of 10 would
// read as "none".
std::string areaDigits(const std::string& field, const SourcePos& pos, Diagnostics& diag) {
    const auto words = splitWords(field);
    if (words.empty() || words.size() > 2) {
        diag.error(pos, "expected one or two area numbers (1-10)");
        return "00";
    }
    std::string digits;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto n = parseNumber(words[i]);
        if (!n || *n < 1 || *n > kAreas) {
            diag.error(pos, "area \"" + words[i] + "\" is not a number from 1 to 10");
            return "00";
        }
        if (i == 1 && *n == kAreas) {
            diag.error(pos, "area 10 can only be a statement's first area");
            return "00";
        }
        digits += static_cast<char>('0' + *n % 10);
    }
    if (digits.size() == 1) digits += '0';
    return digits;
}

}  // namespace

void compileMediumQuestionnaire(CompileContext& ctx, const std::vector<FpLine>& lines) {
    const std::string name = "fp/medio/cuestionario.tsv";
    const auto source = readSource(ctx.src, name, ctx.diag);
    if (!source) return;
    const auto places = placesOf(lines);
    std::vector<std::string> header;
    std::vector<std::string> statements;
    bool wayOut = false;
    for (const auto& line : source->lines) {
        const std::string& kind = line.field(0);
        if (kind == "area" || kind == "salida") {
            const std::string text = toCp1252(line.field(1), line.pos, ctx.diag);
            if (text.empty()) ctx.diag.error(line.pos, "expected " + kind + "<TAB>text");
            if (text.size() > kLineWidth)
                ctx.diag.error(line.pos, "an area holds at most 75 characters");
            if (!statements.empty() || wayOut)
                ctx.diag.error(line.pos, "the areas and the way out come before the statements");
            if (kind == "area" && static_cast<int>(header.size()) == kAreas)
                ctx.diag.error(line.pos, "there are ten areas");
            if (kind == "salida" && static_cast<int>(header.size()) != kAreas)
                ctx.diag.error(line.pos, "the way out follows the ten areas");
            header.push_back(text);
            wayOut = wayOut || kind == "salida";
        } else if (kind == "frase") {
            const std::string text = toCp1252(line.field(3), line.pos, ctx.diag);
            if (text.empty())
                ctx.diag.error(line.pos, "expected frase<TAB>keys<TAB>areas<TAB>text");
            if (text.size() > kStatementWidth)
                ctx.diag.error(
                    line.pos, "a statement holds at most 70 characters: \"" + line.field(3) + "\"");
            const std::string code =
                targetCode(splitWords(line.field(1)), places, line.pos, ctx.diag);
            statements.push_back((code.empty() ? "  " : code) +
                                 areaDigits(line.field(2), line.pos, ctx.diag) + text);
        } else {
            ctx.diag.error(line.pos, "expected area, salida or frase");
        }
    }
    if (!wayOut) ctx.diag.error({name, 0}, "ten areas and the way out (salida) are needed");
    if (static_cast<int>(statements.size()) > kMaxStatements)
        ctx.diag.error({name, 0}, std::to_string(statements.size()) +
                                      " statements; the questionnaire holds 100");
    for (int area = 1; area <= kAreas; ++area) {
        const char digit = static_cast<char>('0' + area % 10);
        bool used = false;
        for (const auto& s : statements)
            used = used || s[2] == digit || (area != kAreas && s[3] == digit);
        if (!used && static_cast<int>(header.size()) >= area)
            ctx.diag.error({name, 0}, "area " + std::to_string(area) + " has no statement");
    }
    header.insert(header.end(), statements.begin(), statements.end());
    ctx.output.writeText("CUESGM", header);
}

}  // namespace rumbelo::data::fp
