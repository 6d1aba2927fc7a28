#include "professions/data/professions_files.h"

#include "common/data/text_lines.h"
#include "common/text/fixed_text.h"

namespace rumbelo::professions {
namespace {

// The columns a..b of a line extended with `padding` blanks, always b-a+1 characters long:
// a field past the end of the extended line reads as blanks as well.
std::string field(const std::string& line, std::size_t a, std::size_t b,
                  int padding = kLinePadding) {
    const std::string extended = line + spaces(static_cast<std::size_t>(padding));
    std::string text = cols(extended, a, b);
    text.resize(b - a + 1, ' ');
    return text;
}

constexpr std::array<const char*, 4> kStudyFiles{"CARRERA", "FP", "FP2", "OTROS"};

struct FileSpec {
    const char* name;
    int capacity;
};

// Lines of a file, or nothing (reported, abort flag set) when it is missing or too long.
std::optional<std::vector<std::string>> linesOf(DataFiles& files, const FileSpec& spec) {
    const std::string name = files.localized(spec.name);
    const auto bytes = files.read(name);
    if (!bytes) {
        files.reportMissing(name);
        return std::nullopt;
    }
    auto lines = splitLines(*bytes);
    if (static_cast<int>(lines.size()) > spec.capacity) {
        files.reportOverCapacity(name, spec.capacity, "líneas");
        return std::nullopt;
    }
    return lines;
}

}  // namespace

bool isNoCode(const Code& code) {
    return code == std::string(kCodeWidth, ' ');
}

bool studyTypeOf(char letter, StudyType& type) {
    switch (letter) {
        case 'C':
            type = StudyType::Degree;
            return true;
        case 'S':
            type = StudyType::HigherFp;
            return true;
        case 'M':
            type = StudyType::MediumFp;
            return true;
        case 'O':
            type = StudyType::Other;
            return true;
        default:
            return false;
    }
}

int leadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    int value = 0;
    bool any = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && value < 100000; ++i) {
        value = value * 10 + (text[i] - '0');
        any = true;
    }
    return any ? value : 0;
}

LongPhrase readLongPhrase(const std::string& line) {
    LongPhrase phrase;
    phrase.text = field(line, 1, 115);
    for (std::size_t i = 0; i < phrase.codes.size(); ++i)
        phrase.codes[i] = field(line, 116 + 5 * i, 119 + 5 * i);
    return phrase;
}

ShortPhrase readShortPhrase(const std::string& line, int number) {
    return {number, field(line, 1, 4), field(line, 6, 9), field(line, 11, 70)};
}

Activity readActivity(const std::string& line, int number) {
    return {number, field(line, 1, 4), field(line, 6, 65)};
}

Profession readProfession(const std::string& line, int number) {
    Profession p;
    p.number = number;
    p.first = field(line, 1, 4);
    p.second = field(line, 6, 9);
    p.name = field(line, 11, 50);
    p.firstPhrase = leadingNumber(field(line, 51, 53));
    p.secondPhrase = leadingNumber(field(line, 54, 56));
    for (std::size_t i = 0; i < p.studies.size(); ++i)
        p.studies[i] = field(line, 57 + 4 * i, 60 + 4 * i);
    return p;
}

const ShortPhrase* ProfessionsData::shortPhrase(int number) const {
    if (number < 1 || number > static_cast<int>(shortPhrases.size())) return nullptr;
    return &shortPhrases[static_cast<std::size_t>(number - 1)];
}

std::string ProfessionsData::studyName(const std::string& code) const {
    StudyType type;
    if (code.empty() || !studyTypeOf(code[0], type)) return {};
    const StudyList& list = studyLists[static_cast<std::size_t>(type)];
    const int line = leadingNumber(code.substr(1));
    if (line < 1 || line > list.count()) return {};
    return TrimRight(list.entries[static_cast<std::size_t>(line)]);
}

ProfessionsData professionsDataFrom(const ProfessionsLines& lines) {
    ProfessionsData data;
    for (const auto& line : lines.longPhrases)
        data.longPhrases.push_back(readLongPhrase(line));
    int k = 0;
    for (const auto& line : lines.shortPhrases)
        data.shortPhrases.push_back(readShortPhrase(line, ++k));
    k = 0;
    for (const auto& line : lines.activities)
        data.activities.push_back(readActivity(line, ++k));
    k = 0;
    for (const auto& line : lines.professions)
        data.professions.push_back(readProfession(line, ++k));
    for (std::size_t t = 0; t < data.studyLists.size(); ++t) {
        StudyList& list = data.studyLists[t];
        list.entries.assign(1, kStudyFiles[t]);
        for (const auto& line : lines.studyLists[t])
            list.entries.push_back(field(line, 1, kStudyNameWidth, kStudyLinePadding));
    }
    return data;
}

bool loadProfessionsData(DataFiles& files, ProfessionsData& out) {
    ProfessionsLines lines;
    const std::array<std::pair<FileSpec, std::vector<std::string>*>, 8> order{{
        {{"FRACORTAS", kMaxShortPhrases}, &lines.shortPhrases},
        {{"FRALARGAS", kMaxLongPhrases}, &lines.longPhrases},
        {{"ACTIVIDA", kMaxActivities}, &lines.activities},
        {{"profesio", kMaxProfessions}, &lines.professions},
        {{"FP2", kMaxStudyLines}, &lines.studyLists[2]},
        {{"FP", kMaxStudyLines}, &lines.studyLists[1]},
        {{"CARRERA", kMaxStudyLines}, &lines.studyLists[0]},
        {{"OTROS", kMaxStudyLines}, &lines.studyLists[3]},
    }};
    for (const auto& [spec, target] : order) {
        auto read = linesOf(files, spec);
        if (!read) return false;
        *target = std::move(*read);
    }
    out = professionsDataFrom(lines);
    for (std::size_t t = 0; t < out.studyLists.size(); ++t)
        out.studyLists[t].entries[0] = files.localized(kStudyFiles[t]);
    return true;
}

}  // namespace rumbelo::professions
