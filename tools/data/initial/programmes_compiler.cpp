// The groups, sub-headings and programmes of data/initial/programas.txt become "fpip" (lines
// 1-9 the groups, then one line a sub-heading or programme) and "IPmodulos" (five lines a
// programme line). Which centres offer a programme is derived from its spread class with
// the rule of the FP titles, each centre keeping the ten it draws lowest.
#include <algorithm>
#include <map>

#include "common/text/cp1252.h"
#include "data/fp/offer_rule.h"
#include "data/initial/initial_pass.h"
#include "data/source.h"
#include "vocational/initial/data/programme_files.h"

namespace rumbelo::data {
namespace {

using namespace initial;

constexpr const char* kSource = "initial/programas.txt";
constexpr std::size_t kLineWidth = 60;
constexpr std::size_t kGroupLetters = 4;
constexpr std::size_t kCentreProgrammes = 10;

struct Programme {
    SourcePos pos;
    int number = 0;  // line of "fpip" after the groups
    std::string key;
    std::string spread;
    std::vector<std::string> provinces;
};

struct Output {
    std::vector<std::string> groups;
    std::vector<std::string> lines;    // "fpip" from line 10
    std::vector<std::string> modules;  // "IPmodulos"
    std::vector<Programme> programmes;
    std::map<char, int> programmesOfLetter;
};

void addGroup(const SourceLine& line, const std::string& letters, const std::string& name,
              Output& out, Diagnostics& diag) {
    if (letters.empty() || letters.size() > kGroupLetters)
        diag.error(line.pos, "a group has one to four family letters");
    std::string code = letters.substr(0, std::min(letters.size(), kGroupLetters));
    code.resize(kGroupLetters, ' ');
    const std::string text = code + toCp1252(name, line.pos, diag);
    if (name.empty()) diag.error(line.pos, "a group needs a name");
    if (text.size() > kLineWidth)
        diag.error(line.pos, "the group name takes at most 56 characters");
    out.groups.push_back(text);
}

void addLine(const SourceLine& line, char letter, const std::string& text, Output& out,
             Diagnostics& diag) {
    const std::string full = std::string(1, letter) + toCp1252(text, line.pos, diag);
    if (full.size() > kLineWidth)
        diag.error(line.pos, "\"" + text + "\" takes more than the 59 characters of a line");
    out.lines.push_back(full);
    out.modules.resize(out.modules.size() + kModuleLines);
}

void addModule(const SourceLine& line, Output& out, Diagnostics& diag) {
    if (out.programmes.empty() ||
        out.programmes.back().number != static_cast<int>(out.lines.size())) {
        diag.error(line.pos, "a modulo line belongs to the programa above it");
        return;
    }
    const std::size_t first = (out.lines.size() - 1) * kModuleLines;
    for (std::size_t i = first; i < first + kModuleLines; ++i) {
        if (!out.modules[i].empty()) continue;
        const std::string text = toCp1252(line.field(1), line.pos, diag);
        if (text.empty() || text.size() > kLineWidth)
            diag.error(line.pos, "a module line takes 1 to 60 characters");
        out.modules[i] = text;
        return;
    }
    diag.error(line.pos, "a programme has at most five module lines");
}

Output readProgrammes(CompileContext& ctx) {
    Output out;
    const auto source = readSource(ctx.src, kSource, ctx.diag);
    if (!source) return out;
    char letter = 0;
    bool placeGroup = false;
    for (const auto& line : source->lines) {
        const std::string& directive = line.field(0);
        if (directive == "grupo") {
            if (line.field(1).find(kPlaceModeLetter) == 0)
                ctx.diag.error(line.pos,
                               "a group's letters may not start with 0 (the place search)");
            addGroup(line, line.field(1), line.field(2), out, ctx.diag);
        } else if (directive == "lugar") {
            placeGroup = true;
            addGroup(line, std::string(1, kPlaceModeLetter), line.field(1), out, ctx.diag);
        } else if (directive == "familia") {
            const std::string& key = line.field(1);
            if (key.size() != 1 || key[0] == ' ' || key[0] == '-' || key[0] == kPlaceModeLetter) {
                ctx.diag.error(line.pos, "a family letter is one character");
                continue;
            }
            letter = key[0];
            addLine(line, letter, "-" + line.field(2), out, ctx.diag);
        } else if (directive == "programa") {
            if (!letter) {
                ctx.diag.error(line.pos, "a programa needs a familia above it");
                continue;
            }
            const auto words = splitWords(line.field(3));
            Programme programme{line.pos, 0, line.field(1), words.empty() ? "" : words[0], {}};
            if (words.size() > 1) programme.provinces.assign(words.begin() + 1, words.end());
            if (programme.key.empty()) ctx.diag.error(line.pos, "a programme needs a key");
            if (line.field(2).empty()) ctx.diag.error(line.pos, "a programme needs a name");
            if (!fp::isSpreadClass(programme.spread))
                ctx.diag.error(line.pos, "unknown spread \"" + programme.spread +
                                             "\" (general, amplia, media, escasa, solo)");
            addLine(line, letter, line.field(2), out, ctx.diag);
            programme.number = static_cast<int>(out.lines.size());
            ctx.keys.add("fpip", programme.key, programme.number, line.pos, ctx.diag);
            out.programmes.push_back(programme);
            ++out.programmesOfLetter[letter];
        } else if (directive == "modulo") {
            addModule(line, out, ctx.diag);
        } else {
            ctx.diag.error(line.pos, "unknown directive \"" + directive + "\"");
        }
    }
    const SourcePos file{kSource, 0};
    if (out.groups.size() != static_cast<std::size_t>(kGroups) || !placeGroup)
        ctx.diag.error(file, "exactly nine groups are needed, the last a lugar line");
    else if (out.groups.back()[0] != kPlaceModeLetter)
        ctx.diag.error(file, "the lugar line is the ninth group");
    if (out.lines.size() > static_cast<std::size_t>(kMaxCentreProgramme))
        ctx.diag.error(file, std::to_string(out.lines.size()) +
                                 " lines after the groups; centres name at most 99");
    for (const auto& group : out.groups)
        for (const char c : group.substr(0, kGroupLetters))
            if (c != ' ' && c != kPlaceModeLetter && !out.programmesOfLetter.count(c))
                ctx.diag.error(file, "group letter " + std::string(1, c) + " has no programme");
    return out;
}

// Each centre keeps the programmes it draws lowest, up to ten.
void assign(std::vector<CentreRecord>& centres, const Output& out, Diagnostics& diag) {
    std::vector<fp::OfferCentre> offerCentres;
    for (const auto& centre : centres)
        offerCentres.push_back(
            {centre.zone, centre.line, centre.letter, centre.province, centre.key});
    std::vector<fp::OfferTitle> titles;
    for (const auto& programme : out.programmes)
        titles.push_back({programme.number, programme.key, programme.spread, programme.provinces,
                          programme.pos});
    const auto rows =
        fp::distributeOffer(offerCentres, titles, static_cast<int>(out.lines.size()), diag);
    std::map<std::pair<int, int>, std::vector<const Programme*>> byCentre;
    for (const auto& programme : out.programmes)
        for (int zone = 1; zone <= 4; ++zone)
            for (const int line : rows[static_cast<std::size_t>(zone - 1)]
                                      [static_cast<std::size_t>(programme.number)])
                byCentre[{zone, line}].push_back(&programme);
    std::map<int, int> offered;  // programme number -> centres
    for (auto& centre : centres) {
        auto chosen = byCentre[{centre.zone, centre.line}];
        std::stable_sort(chosen.begin(), chosen.end(), [&](const auto* a, const auto* b) {
            return fp::draw(a->key + "|" + centre.key) < fp::draw(b->key + "|" + centre.key);
        });
        for (const auto* programme : chosen) {
            if (centre.programmes.size() >= kCentreProgrammes) break;
            if (std::find(centre.programmes.begin(), centre.programmes.end(), programme->number) ==
                centre.programmes.end())
                centre.programmes.push_back(programme->number);
        }
        for (const int number : centre.programmes)
            ++offered[number];
    }
    for (const auto& programme : out.programmes)
        if (!offered.count(programme.number))
            diag.error(programme.pos, programme.key + ": no centre keeps it among its ten");
}

}  // namespace

void compileInitialProgrammes(CompileContext& ctx, std::vector<CentreRecord>& centres) {
    Output out = readProgrammes(ctx);
    if (ctx.diag.failed()) return;
    std::vector<std::string> fpip = out.groups;
    fpip.insert(fpip.end(), out.lines.begin(), out.lines.end());
    ctx.output.writeText("fpip", fpip);
    ctx.output.writeText("IPmodulos", out.modules);
    assign(centres, out, ctx.diag);
}

}  // namespace rumbelo::data
