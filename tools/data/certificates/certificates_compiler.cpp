// The groups, the requirement lines and the families with their certificates become the two
// files: lines 1-9 of "certifica" the groups and of "certificaH" the requirements; from line
// 10 on, line k of "certificaH" describes line k of "certifica" (a family heading gets a
// blank partner line).
#include <map>
#include <set>

#include "common/text/cp1252.h"
#include "data/certificates/certificates_pass.h"
#include "data/source.h"
#include "data/wording.h"
#include "vocational/certificates/data/certificate_files.h"

namespace rumbelo::data {
namespace {

using namespace certificates;

constexpr std::size_t kLineWidth = 60;
constexpr std::size_t kGroupLetters = 8;
// The panel shows 28 characters of a requirement, the printout 25.
constexpr std::size_t kRequirementWidth = 25;
constexpr std::size_t kCodes = 3;
constexpr int kMaxHours = 999;
constexpr int kPrintedRequirements = 3;
// The printout shows 60 characters of a description.
constexpr std::size_t kDescriptionWidth = 60;
// "certificaH" is read into a table of 250 lines.
constexpr int kMaxDetailLines = 250;

struct Output {
    std::vector<std::string> lines;    // "certifica"
    std::vector<std::string> details;  // "certificaH"
};

std::string cp(const std::string& utf8, const SourcePos& pos, Diagnostics& diag) {
    return toCp1252(utf8, pos, diag);
}

// Code -> how many requirement lines it gives.
std::map<char, int> compileRequirements(CompileContext& ctx, Output& out) {
    std::map<char, int> codes;
    const std::string name = "certificates/requisitos.tsv";
    const auto source = readSource(ctx.src, name, ctx.diag);
    if (!source) return codes;
    for (const auto& line : source->lines) {
        const std::string& code = line.field(0);
        if (code.size() != 1 || code[0] == ' ' || code[0] == '-') {
            ctx.diag.error(line.pos, "a requirement code is one letter or digit");
            continue;
        }
        const std::string text = cp(line.field(1), line.pos, ctx.diag);
        if (text.empty()) ctx.diag.error(line.pos, "a requirement needs a text");
        if (text.size() > kRequirementWidth)
            ctx.diag.error(line.pos, "a requirement text holds at most 25 characters");
        ++codes[code[0]];
        out.details.push_back(code + text);
    }
    if (out.details.size() != static_cast<std::size_t>(kRequirementLines))
        ctx.diag.error({name, 0}, "exactly nine requirement lines are needed, not " +
                                      std::to_string(out.details.size()));
    out.details.resize(kRequirementLines);
    return codes;
}

struct Group {
    SourcePos pos;
    std::string letters;
    std::string name;
};

std::vector<Group> readGroups(CompileContext& ctx) {
    std::vector<Group> groups;
    const std::string name = "certificates/grupos.tsv";
    const auto source = readSource(ctx.src, name, ctx.diag);
    if (!source) return groups;
    for (const auto& line : source->lines) {
        Group group{line.pos, line.field(0), cp(line.field(1), line.pos, ctx.diag)};
        if (group.letters.empty() || group.letters.size() > kGroupLetters)
            ctx.diag.error(line.pos, "a group has one to eight family letters");
        if (group.name.empty()) ctx.diag.error(line.pos, "a group needs a name");
        if (group.name.size() > kLineWidth - kGroupLetters)
            ctx.diag.error(line.pos, "a group name holds at most 52 characters");
        groups.push_back(std::move(group));
    }
    if (groups.size() != static_cast<std::size_t>(kGroups))
        ctx.diag.error({name, 0},
                       "exactly nine groups are needed, not " + std::to_string(groups.size()));
    return groups;
}

void compileCertificateLines(CompileContext& ctx, const std::map<char, int>& codes,
                             std::set<char>& families, Output& out) {
    const std::string name = "certificates/certificados.tsv";
    const auto source = readSource(ctx.src, name, ctx.diag);
    if (!source) return;
    char family = 0;
    SourcePos familyPos;
    int inFamily = 0;
    const auto closeFamily = [&] {
        if (family && inFamily == 0) ctx.diag.error(familyPos, "the family has no certificates");
        if (inFamily > kMaxPerFamily)
            ctx.diag.error(familyPos, "the family has " + std::to_string(inFamily) +
                                          " certificates; a family prints at most 15");
    };
    for (const auto& line : source->lines) {
        if (line.field(0) == "familia") {
            closeFamily();
            const std::string& letter = line.field(1);
            const std::string heading = cp(line.field(2), line.pos, ctx.diag);
            if (letter.size() != 1 || letter[0] == ' ' || letter[0] == '-') {
                ctx.diag.error(line.pos, "a family letter is one letter");
                family = 0;
                continue;
            }
            if (!families.insert(letter[0]).second)
                ctx.diag.error(line.pos, "family letter " + letter + " is used twice");
            if (heading.empty() || heading.size() > kLineWidth - 2)
                ctx.diag.error(line.pos, "a family name holds 1 to 58 characters");
            family = letter[0];
            familyPos = line.pos;
            inFamily = 0;
            out.lines.push_back(letter + "-" + heading);
            out.details.emplace_back();
            continue;
        }
        if (!family) {
            ctx.diag.error(line.pos, "a certificate must follow a \"familia\" line");
            continue;
        }
        ++inFamily;
        const std::string title = cp(line.field(0), line.pos, ctx.diag);
        const std::string& requirementCodes = line.field(1);
        const std::string& hours = line.field(2);
        const std::string description = cp(line.field(3), line.pos, ctx.diag);
        if (line.fields.size() != 4)
            ctx.diag.error(line.pos,
                           "a certificate has four fields: name, codes, hours, description");
        if (title.empty() || title.size() > kLineWidth - 1 || title[0] == '-')
            ctx.diag.error(line.pos,
                           "a certificate name holds 1 to 59 characters, not first \"-\"");
        std::string codeField = requirementCodes == "-" ? "" : requirementCodes;
        if (codeField.size() > kCodes)
            ctx.diag.error(line.pos, "a certificate has at most three requirement codes");
        int requirementLines = 0;
        for (char c : codeField) {
            const auto code = codes.find(c);
            if (code == codes.end())
                ctx.diag.error(line.pos, std::string("requirement code ") + c +
                                             " names no line of certificates/requisitos.tsv");
            else
                requirementLines += code->second;
        }
        if (requirementLines > kPrintedRequirements)
            ctx.diag.error(line.pos, "the codes give " + std::to_string(requirementLines) +
                                         " requirement lines; the printout shows three");
        const auto number =
            hours.find_first_not_of("0123456789") == std::string::npos && !hours.empty()
                ? std::stoi(hours)
                : -1;
        if (number < 1 || number > kMaxHours)
            ctx.diag.error(line.pos, "hours are a number from 1 to 999");
        checkWording(line.field(3), line.pos, ctx.diag);
        if (description.empty() || description.size() > kDescriptionWidth)
            ctx.diag.error(line.pos, "a description holds 1 to 60 characters");
        out.lines.push_back(std::string(1, family) + title);
        codeField.resize(kCodes, ' ');
        std::string hoursField = number > 0 ? std::to_string(number) : "";
        hoursField.insert(0, hoursField.size() < 3 ? 3 - hoursField.size() : 0, ' ');
        out.details.push_back(codeField + hoursField.substr(0, 3) + " " + description);
    }
    closeFamily();
    const int renumbered = static_cast<int>(out.lines.size()) - kGroups;
    if (renumbered > kMaxLines)
        ctx.diag.error({name, 0}, "at most 255 family and certificate lines, not " +
                                      std::to_string(renumbered));
    if (static_cast<int>(out.details.size()) > kMaxDetailLines)
        ctx.diag.error({name, 0}, "certificaH would hold " + std::to_string(out.details.size()) +
                                      " lines; it is read into 250");
}

}  // namespace

void compileCertificates(CompileContext& ctx) {
    Output out;
    const auto codes = compileRequirements(ctx, out);
    const auto groups = readGroups(ctx);
    for (const auto& group : groups) {
        std::string letters = group.letters;
        letters.resize(kGroupLetters, ' ');
        out.lines.push_back(letters + group.name);
    }
    out.lines.resize(kGroups);
    std::set<char> families;
    compileCertificateLines(ctx, codes, families, out);
    for (const auto& group : groups)
        for (char letter : group.letters)
            if (!families.count(letter))
                ctx.diag.error(group.pos, std::string("family letter ") + letter +
                                              " names no family of certificates/certificados.tsv");
    ctx.output.writeText("certifica", out.lines);
    ctx.output.writeText("certificaH", out.details);
}

}  // namespace rumbelo::data
