// The activities, long phrases, short phrases and professions of data/professions/ become
// the four fixed-column files. Short phrases are named by key and written as their line
// numbers; studies are named by their catalogue keys ("C:enfermeria", "S:san-laboratorio",
// "M:gm-san-enfermeria", "O:bomberos") and written as type letter + line number.
#include <map>
#include <set>

#include "common/messages.h"
#include "common/text/cp1252.h"
#include "common/text/fixed_text.h"
#include "data/professions/professions_pass.h"
#include "data/source.h"
#include "professions/core/data_rules.h"
#include "professions/data/professions_files.h"

namespace rumbelo::data {
namespace {

using namespace professions;

constexpr char kFolder[] = "professions/";

// The source line of each written line.
using Positions = std::vector<SourcePos>;

std::optional<SourceFile> source(CompileContext& ctx, const std::string& name) {
    return readSource(ctx.src, kFolder + name, ctx.diag);
}

// An activity code as written: exactly four characters, no tab.
Code activityCode(CompileContext& ctx, const std::string& text, const SourcePos& pos,
                  const std::set<Code>& known) {
    if (text.size() != kCodeWidth) {
        ctx.diag.error(pos, "an activity code has four characters: \"" + text + "\"");
        return std::string(kCodeWidth, ' ');
    }
    if (!known.empty() && known.count(text) == 0)
        ctx.diag.error(pos, "activity code \"" + text + "\" is not in actividades.tsv");
    return text;
}

std::string text(CompileContext& ctx, const std::string& utf8, std::size_t width,
                 const SourcePos& pos, const std::string& what) {
    const std::string bytes = toCp1252(utf8, pos, ctx.diag);
    if (IsBlank(bytes)) ctx.diag.error(pos, what + " is empty");
    return fixedField(bytes, width, pos, ctx.diag, what);
}

std::vector<std::string> compileActivities(CompileContext& ctx, std::set<Code>& codes,
                                           Positions& at) {
    std::vector<std::string> lines;
    const auto file = source(ctx, "actividades.tsv");
    if (!file) return lines;
    for (const auto& line : file->lines) {
        at.push_back(line.pos);
        const Code code = activityCode(ctx, line.field(0), line.pos, {});
        if (!codes.insert(code).second)
            ctx.diag.error(line.pos, "activity code \"" + code + "\" twice");
        lines.push_back(TrimRight(
            code + " " + text(ctx, line.field(1), kActivityNameWidth, line.pos, "the name")));
    }
    if (static_cast<int>(lines.size()) > kMaxActivities)
        ctx.diag.error({file->name, 0}, std::to_string(lines.size()) + " activities; at most " +
                                            std::to_string(kMaxActivities));
    return lines;
}

std::vector<std::string> compileLongPhrases(CompileContext& ctx, const std::set<Code>& codes,
                                            Positions& at) {
    std::vector<std::string> lines;
    const auto file = source(ctx, "frases_largas.tsv");
    if (!file) return lines;
    for (const auto& line : file->lines) {
        at.push_back(line.pos);
        std::string out = text(ctx, line.field(0), kLongTextWidth, line.pos, "the phrase");
        const auto words = splitWords(line.field(1));
        if (words.empty() || words.size() > static_cast<std::size_t>(kCodesPerLongPhrase))
            ctx.diag.error(line.pos, "a long phrase points at one to four activities");
        for (int i = 0; i < kCodesPerLongPhrase; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            out += (i ? " " : "") + (k < words.size() ? activityCode(ctx, words[k], line.pos, codes)
                                                      : std::string(kCodeWidth, ' '));
        }
        lines.push_back(TrimRight(out));
    }
    if (static_cast<int>(lines.size()) > kMaxLongPhrases)
        ctx.diag.error({file->name, 0}, std::to_string(lines.size()) + " long phrases; at most " +
                                            std::to_string(kMaxLongPhrases));
    return lines;
}

std::vector<std::string> compileShortPhrases(CompileContext& ctx, const std::set<Code>& codes,
                                             std::map<std::string, int>& keys, Positions& at) {
    std::vector<std::string> lines;
    const auto file = source(ctx, "frases_cortas.tsv");
    if (!file) return lines;
    for (const auto& line : file->lines) {
        at.push_back(line.pos);
        const std::string& key = line.field(0);
        if (key.empty() || !keys.emplace(key, static_cast<int>(lines.size()) + 1).second)
            ctx.diag.error(line.pos, "a short phrase needs a key of its own: \"" + key + "\"");
        const Code main = activityCode(ctx, line.field(1), line.pos, codes);
        const Code second = line.field(2) == "-"
                                ? std::string(kCodeWidth, ' ')
                                : activityCode(ctx, line.field(2), line.pos, codes);
        if (main == second) ctx.diag.error(line.pos, "the second activity repeats the main one");
        lines.push_back(
            TrimRight(main + " " + second + " " +
                      text(ctx, line.field(3), kShortTextWidth, line.pos, "the phrase")));
    }
    if (static_cast<int>(lines.size()) > kMaxShortPhrases)
        ctx.diag.error({file->name, 0}, std::to_string(lines.size()) + " short phrases; at most " +
                                            std::to_string(kMaxShortPhrases));
    return lines;
}

// "C:key" -> "Cnnn".
std::string studyCode(CompileContext& ctx, const std::string& word, const SourcePos& pos) {
    static const std::map<char, std::string> kTables{
        {'C', "CARRERA"}, {'S', "FP"}, {'M', "FP2"}, {'O', "OTROS"}};
    const auto table = word.size() > 2 && word[1] == ':' ? kTables.find(word[0]) : kTables.end();
    if (table == kTables.end()) {
        ctx.diag.error(pos, "a study is C:, S:, M: or O: and a key: \"" + word + "\"");
        return std::string(kCodeWidth, ' ');
    }
    const int line = ctx.keys.resolve(table->second, word.substr(2), pos, ctx.diag);
    if (line > 999) ctx.diag.error(pos, "a study code holds a line number of three digits");
    std::string number = std::to_string(line);
    return std::string(1, word[0]) + std::string(3 - std::min<std::size_t>(3, number.size()), '0') +
           number;
}

std::vector<std::string> compileProfessionLines(CompileContext& ctx, const std::set<Code>& codes,
                                                const std::map<std::string, int>& phrases,
                                                Positions& at) {
    std::vector<std::string> lines;
    const auto file = source(ctx, "profesiones.tsv");
    if (!file) return lines;
    for (const auto& line : file->lines) {
        at.push_back(line.pos);
        const Code first = activityCode(ctx, line.field(0), line.pos, codes);
        const Code second = line.field(1) == "-"
                                ? std::string(kCodeWidth, ' ')
                                : activityCode(ctx, line.field(1), line.pos, codes);
        std::string out = first + " " + second + " " +
                          text(ctx, line.field(2), kProfessionNameWidth, line.pos, "the name");
        const auto keys = splitWords(line.field(3));
        if (keys.empty() || keys.size() > 2)
            ctx.diag.error(line.pos, "a profession is suggested by one or two short phrases");
        for (std::size_t i = 0; i < 2; ++i) {
            int number = 0;
            if (i < keys.size()) {
                const auto found = phrases.find(keys[i]);
                if (found == phrases.end())
                    ctx.diag.error(line.pos, "unknown short phrase \"" + keys[i] + "\"");
                else
                    number = found->second;
            }
            out += numberField(number, 3, line.pos, ctx.diag, "the short phrase number");
        }
        const auto studies = splitWords(line.field(4));
        if (studies.empty() || studies.size() > static_cast<std::size_t>(kStudiesPerProfession))
            ctx.diag.error(line.pos, "a profession lists one to seven studies");
        for (std::size_t i = 0; i < studies.size() && i < kStudiesPerProfession; ++i)
            out += studyCode(ctx, studies[i], line.pos);
        lines.push_back(TrimRight(out));
    }
    if (static_cast<int>(lines.size()) > kMaxProfessions)
        ctx.diag.error({file->name, 0}, std::to_string(lines.size()) + " professions; at most " +
                                            std::to_string(kMaxProfessions));
    return lines;
}

// The questionnaire's rules on the files as written, with the study lists the earlier passes
// wrote beside them; each problem at the source line it comes from.
void reportDataRules(CompileContext& ctx, const std::map<std::string, Positions>& at) {
    RecordingSink sink;
    bool aborted = false;
    DataFiles files(ctx.output.dir(), sink, aborted);
    ProfessionsData data;
    if (!loadProfessionsData(files, data)) {
        for (const auto& message : sink.messages)
            ctx.diag.error(cp1252ToUtf8(message));
        return;
    }
    for (const DataProblem& problem : professionsDataProblems(data)) {
        const auto file = at.find(problem.file);
        const auto line = static_cast<std::size_t>(problem.line);
        const std::string text = cp1252ToUtf8(problem.text);
        if (file != at.end() && line >= 1 && line <= file->second.size())
            ctx.diag.error(file->second[line - 1], text);
        else
            ctx.diag.error(cp1252ToUtf8(problem.describe()));
    }
}

}  // namespace

void compileProfessions(CompileContext& ctx) {
    std::set<Code> codes;
    std::map<std::string, int> phraseKeys;
    std::map<std::string, Positions> at;
    ProfessionsLines lines;
    lines.activities = compileActivities(ctx, codes, at["ACTIVIDA"]);
    lines.longPhrases = compileLongPhrases(ctx, codes, at["FRALARGAS"]);
    lines.shortPhrases = compileShortPhrases(ctx, codes, phraseKeys, at["FRACORTAS"]);
    lines.professions = compileProfessionLines(ctx, codes, phraseKeys, at["profesio"]);
    if (ctx.diag.failed()) return;
    ctx.output.writeText("ACTIVIDA", lines.activities);
    ctx.output.writeText("FRALARGAS", lines.longPhrases);
    ctx.output.writeText("FRACORTAS", lines.shortPhrases);
    ctx.output.writeText("profesio", lines.professions);
    reportDataRules(ctx, at);
}

}  // namespace rumbelo::data
