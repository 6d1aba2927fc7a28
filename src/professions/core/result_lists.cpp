#include "professions/core/result_lists.h"

#include <algorithm>
#include <array>

#include "common/text/fixed_text.h"

namespace rumbelo::professions {
namespace {

const std::string kBullet = "\x95 ";
const std::string kOrdinal = "\xBA";

// Interface texts of the study headings, by StudyType.
constexpr std::array<int, 4> kHeadingTexts{627, 47, 113, 628};

}  // namespace

std::vector<int> professionsOfPhrase(const ProfessionsData& data, int phraseNumber) {
    std::vector<int> taken;
    std::vector<std::string> names;
    if (phraseNumber == 0) return taken;
    for (std::size_t i = 0; i < data.professions.size(); ++i) {
        const Profession& p = data.professions[i];
        if (p.firstPhrase != phraseNumber && p.secondPhrase != phraseNumber) continue;
        if (std::find(names.begin(), names.end(), p.name) != names.end()) continue;
        names.push_back(p.name);
        taken.push_back(static_cast<int>(i));
    }
    return taken;
}

std::vector<int> professionsOfActivity(const ProfessionsData& data, const Code& code) {
    std::vector<int> found;
    for (std::size_t i = 0; i < data.professions.size(); ++i)
        if (data.professions[i].first == code || data.professions[i].second == code)
            found.push_back(static_cast<int>(i));
    return found;
}

std::vector<std::string> studiesOf(const Profession& profession) {
    std::vector<std::string> codes;
    StudyType type;
    for (const std::string& code : profession.studies) {
        if (code.empty() || !studyTypeOf(code[0], type)) break;
        codes.push_back(code);
    }
    return codes;
}

std::vector<std::string> activityRows(const ProfessionsData& data, const InterfaceTexts& texts,
                                      const std::vector<int>& ranked) {
    std::vector<std::string> rows{spaces(9) + texts.trimmed(625)};
    for (std::size_t r = 0; r < ranked.size() && r < 2; ++r)
        rows.push_back(std::to_string(r + 1) + kOrdinal + " " +
                       TrimRight(data.activities[static_cast<std::size_t>(ranked[r])].name));
    return rows;
}

std::vector<std::string> professionRows(const ProfessionsData& data,
                                        const std::vector<int>& professions) {
    std::vector<std::string> rows{std::string()};
    for (int p : professions)
        rows.push_back(kBullet + TrimRight(data.professions[static_cast<std::size_t>(p)].name));
    return rows;
}

std::vector<std::string> activityProfessionRows(const ProfessionsData& data,
                                                const InterfaceTexts& texts, int activity,
                                                int rank) {
    std::vector<std::string> rows{spaces(5) + texts.trimmed(624) + " " + std::to_string(rank) +
                                  kOrdinal};
    if (activity < 0 || activity >= static_cast<int>(data.activities.size())) return rows;
    const Code& code = data.activities[static_cast<std::size_t>(activity)].code;
    for (int p : professionsOfActivity(data, code))
        rows.push_back(kBullet + TrimRight(data.professions[static_cast<std::size_t>(p)].name));
    return rows;
}

std::vector<StudyRow> studyRows(const ProfessionsData& data, const InterfaceTexts& texts,
                                const Profession& profession) {
    std::vector<StudyRow> rows;
    std::array<bool, 4> headed{};
    for (const std::string& code : studiesOf(profession)) {
        StudyType type;
        studyTypeOf(code[0], type);
        const auto t = static_cast<std::size_t>(type);
        if (!headed[t]) {
            headed[t] = true;
            rows.push_back({true, spaces(6) + texts.trimmed(kHeadingTexts[t]) + ":"});
        }
        rows.push_back({false, data.studyName(code)});
    }
    return rows;
}

}  // namespace rumbelo::professions
