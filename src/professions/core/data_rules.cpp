#include "professions/core/data_rules.h"

#include <set>

#include "common/text/fixed_text.h"
#include "professions/core/phrase_pages.h"
#include "professions/core/result_lists.h"

namespace rumbelo::professions {
namespace {

constexpr int kPageCapacity = kMaxPages * kSlotsPerPage;
// "CARRERA" ends with four lines that are not degrees.
constexpr int kClosingDegreeLines = 4;

struct Where {
    const char* file;
    std::size_t line;
};

void add(std::vector<DataProblem>& problems, const Where& where, const std::string& text) {
    problems.push_back({where.file, static_cast<int>(where.line), text});
}

std::string quoted(const std::string& text) {
    return "\"" + TrimRight(text) + "\"";
}

void checkCode(const std::set<Code>& activities, const Code& code, const Where& where,
               std::vector<DataProblem>& problems) {
    if (!isNoCode(code) && activities.count(code) == 0)
        add(problems, where, "activity code " + quoted(code) + " is not in ACTIVIDA");
}

void checkStudies(const ProfessionsData& data, const Profession& p, const Where& where,
                  std::vector<DataProblem>& problems) {
    bool ended = false;
    for (const std::string& code : p.studies) {
        StudyType type;
        if (!studyTypeOf(code[0], type)) {
            ended = true;
            if (!IsBlank(code))
                add(problems, where, "study code " + quoted(code) + " has no known type");
            continue;
        }
        if (ended) {
            add(problems, where,
                "study code " + quoted(code) + " after the end of the list is never shown");
            continue;
        }
        const StudyList& list = data.studyLists[static_cast<std::size_t>(type)];
        const auto number = parseNumber(code.substr(1));
        const int last = list.count() - (type == StudyType::Degree ? kClosingDegreeLines : 0);
        if (!number || *number < 1 || *number > last) {
            add(problems, where,
                "study code " + quoted(code) + " names no line of " + list.entries[0]);
            continue;
        }
        const std::string& name = list.entries[static_cast<std::size_t>(*number)];
        if (IsBlank(name) || name[0] == '-')
            add(problems, where,
                "study code " + quoted(code) + " names " +
                    (IsBlank(name) ? "an empty line" : "a family heading") + " of " +
                    list.entries[0]);
    }
}

}  // namespace

std::string DataProblem::describe() const {
    return file + (line > 0 ? " line " + std::to_string(line) : std::string()) + ": " + text;
}

WorstChoice worstChoice(const ProfessionsData& data) {
    WorstChoice worst;
    const int n = static_cast<int>(data.longPhrases.size());
    const auto consider = [&](std::vector<int> rows) {
        const int s = static_cast<int>(suggestedPhrases(data, keptCodes(data, rows)).size());
        if (s > worst.suggested) worst = {s, std::move(rows)};
    };
    for (int a = 0; a < n; ++a) {
        consider({a});
        for (int b = a + 1; b < n; ++b) {
            consider({a, b});
            for (int c = b + 1; c < n; ++c)
                consider({a, b, c});
        }
    }
    return worst;
}

std::vector<DataProblem> professionsDataProblems(const ProfessionsData& data) {
    std::vector<DataProblem> problems;
    std::set<Code> activities, reached;
    for (const Activity& a : data.activities) {
        const Where where{"ACTIVIDA", static_cast<std::size_t>(a.number)};
        if (isNoCode(a.code)) add(problems, where, "no activity code");
        if (!activities.insert(a.code).second)
            add(problems, where, "activity code " + quoted(a.code) + " twice");
        if (IsBlank(a.name)) add(problems, where, "no activity name");
    }
    for (std::size_t i = 0; i < data.longPhrases.size(); ++i) {
        const Where where{"FRALARGAS", i + 1};
        const LongPhrase& phrase = data.longPhrases[i];
        if (IsBlank(phrase.text)) add(problems, where, "no text");
        int codes = 0;
        for (const Code& code : phrase.codes) {
            checkCode(activities, code, where, problems);
            if (!isNoCode(code)) ++codes, reached.insert(code);
        }
        if (codes == 0) add(problems, where, "no activity code");
    }
    for (const Activity& a : data.activities)
        if (!isNoCode(a.code) && reached.count(a.code) == 0)
            add(problems, {"ACTIVIDA", static_cast<std::size_t>(a.number)},
                "no long phrase leads to " + quoted(a.name));
    std::set<int> phrasesUsed;
    for (const Profession& p : data.professions) {
        const Where where{"profesio", static_cast<std::size_t>(p.number)};
        checkCode(activities, p.first, where, problems);
        checkCode(activities, p.second, where, problems);
        if (isNoCode(p.first)) add(problems, where, "no first activity code");
        if (IsBlank(p.name)) add(problems, where, "no profession name");
        int phrases = 0;
        for (int number : {p.firstPhrase, p.secondPhrase}) {
            if (number == 0) continue;
            if (!data.shortPhrase(number))
                add(problems, where,
                    "short phrase " + std::to_string(number) + " is not in FRACORTAS");
            else
                ++phrases, phrasesUsed.insert(number);
        }
        if (phrases == 0) add(problems, where, "no short phrase leads to " + quoted(p.name));
        if (studiesOf(p).empty()) add(problems, where, "no studies for " + quoted(p.name));
        checkStudies(data, p, where, problems);
    }
    for (const ShortPhrase& s : data.shortPhrases) {
        const Where where{"FRACORTAS", static_cast<std::size_t>(s.number)};
        checkCode(activities, s.main, where, problems);
        checkCode(activities, s.second, where, problems);
        if (isNoCode(s.main)) add(problems, where, "no main activity code");
        if (IsBlank(s.text)) add(problems, where, "no text");
        if (phrasesUsed.count(s.number) == 0)
            add(problems, where, "no profession uses " + quoted(s.text));
    }
    const WorstChoice worst = worstChoice(data);
    if (worst.suggested > kPageCapacity) {
        std::string rows;
        for (int r : worst.rows)
            rows += (rows.empty() ? "" : ", ") + std::to_string(r + 1);
        add(problems, {"FRALARGAS", 0},
            "lines " + rows + " together suggest " + std::to_string(worst.suggested) +
                " short phrases; the pages hold " + std::to_string(kPageCapacity));
    }
    return problems;
}

}  // namespace rumbelo::professions
