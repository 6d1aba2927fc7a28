#pragma once
// The professions questionnaire's own files: long phrases ("FRALARGAS"), short phrases
// ("FRACORTAS"), professional activities ("ACTIVIDA"), professions ("profesio"), and its own
// copies of the four study lists a profession's study codes point into.
#include <array>
#include <string>
#include <vector>

#include "common/data/data_files.h"

namespace rumbelo::professions {

inline constexpr int kMaxLongPhrases = 20;
inline constexpr int kMaxShortPhrases = 120;
inline constexpr int kMaxActivities = 30;
inline constexpr int kMaxProfessions = 250;
inline constexpr int kMaxStudyLines = 200;
inline constexpr int kCodesPerLongPhrase = 4;
inline constexpr int kStudiesPerProfession = 7;

inline constexpr std::size_t kCodeWidth = 4;
inline constexpr std::size_t kLongTextWidth = 115;
inline constexpr std::size_t kShortTextWidth = 60;
inline constexpr std::size_t kActivityNameWidth = 60;
inline constexpr std::size_t kProfessionNameWidth = 40;
inline constexpr std::size_t kStudyNameWidth = 60;
// Lines are extended with this many blanks before their columns are cut.
inline constexpr int kLinePadding = 22;
inline constexpr int kStudyLinePadding = 20;

// Four characters compared byte for byte; four blanks is "no code".
using Code = std::string;
bool isNoCode(const Code& code);

struct LongPhrase {
    std::string text;  // 115 characters
    std::array<Code, kCodesPerLongPhrase> codes;
};

struct ShortPhrase {
    int number = 0;  // its line
    Code main;
    Code second;       // four blanks: none
    std::string text;  // 60 characters
};

struct Activity {
    int number = 0;
    Code code;
    std::string name;  // 60 characters
};

struct Profession {
    int number = 0;
    Code first;
    Code second;
    std::string name;                                        // 40 characters
    int firstPhrase = 0;                                     // 0: none
    int secondPhrase = 0;                                    // 0: none
    std::array<std::string, kStudiesPerProfession> studies;  // "Cnnn", "Snnn", "Mnnn", "Onnn"
};

// The four study lists in the order of their type letters.
enum class StudyType { Degree, HigherFp, MediumFp, Other };
// The type of a study code's first character; false for any other character, which ends a
// profession's list of studies.
bool studyTypeOf(char letter, StudyType& type);

struct StudyList {
    // entries[0] the file name, entries[k] the first 60 characters of line k.
    std::vector<std::string> entries{std::string()};
    int count() const { return static_cast<int>(entries.size()) - 1; }
};

struct ProfessionsData {
    std::vector<LongPhrase> longPhrases;
    std::vector<ShortPhrase> shortPhrases;  // shortPhrases[k-1] is number k
    std::vector<Activity> activities;
    std::vector<Profession> professions;
    std::array<StudyList, 4> studyLists;  // indexed by StudyType

    // Short phrase number k, or nullptr outside 1..count.
    const ShortPhrase* shortPhrase(int number) const;
    // The shown name of a study: its line without trailing blanks; "" for a line the list
    // lacks.
    std::string studyName(const std::string& code) const;
};

// Fixed-column reading of one line of each file.
LongPhrase readLongPhrase(const std::string& line);
ShortPhrase readShortPhrase(const std::string& line, int number);
Activity readActivity(const std::string& line, int number);
Profession readProfession(const std::string& line, int number);
// A number field: the digits after leading blanks; 0 when blank or not starting with one.
int leadingNumber(const std::string& field);

// The data from lines already split (tests, the data check), one vector per file in the
// order FRALARGAS, FRACORTAS, ACTIVIDA, profesio; study lists in StudyType order.
struct ProfessionsLines {
    std::vector<std::string> longPhrases, shortPhrases, activities, professions;
    std::array<std::vector<std::string>, 4> studyLists;
};
ProfessionsData professionsDataFrom(const ProfessionsLines& lines);

// Reads the eight files through the language folder, in the order FRACORTAS, FRALARGAS,
// ACTIVIDA, profesio, FP2, FP, CARRERA, OTROS. A missing file, or one with more lines than
// its list holds, is reported by name and the abort flag set; false then.
bool loadProfessionsData(DataFiles& files, ProfessionsData& out);

}  // namespace rumbelo::professions
