#pragma once
// What the results panel lists: the ranked activities, the professions of the favourite
// phrase, the professions of an activity and the studies of a profession.
#include <string>
#include <vector>

#include "common/texts/interface_texts.h"
#include "professions/data/professions_files.h"

namespace rumbelo::professions {

// Every profession (0-based, file order) suggested by a short phrase, a name already taken
// left out.
std::vector<int> professionsOfPhrase(const ProfessionsData& data, int phraseNumber);
// Every profession (0-based, file order) belonging to an activity code.
std::vector<int> professionsOfActivity(const ProfessionsData& data, const Code& code);

// A profession's study codes in order, up to the first code of no known type.
std::vector<std::string> studiesOf(const Profession& profession);

// The activity rows: a heading, then "1º " and "2º " before the two best activities.
std::vector<std::string> activityRows(const ProfessionsData& data, const InterfaceTexts& texts,
                                      const std::vector<int>& ranked);
// The profession rows: an empty first row, then a bullet and each name.
std::vector<std::string> professionRows(const ProfessionsData& data,
                                        const std::vector<int>& professions);
// The heading and professions of ranked activity `rank` (1 or 2).
std::vector<std::string> activityProfessionRows(const ProfessionsData& data,
                                                const InterfaceTexts& texts, int activity,
                                                int rank);

struct StudyRow {
    bool heading = false;
    std::string text;
};
// The studies of a profession: a heading the first time each type occurs, then the study's
// name.
std::vector<StudyRow> studyRows(const ProfessionsData& data, const InterfaceTexts& texts,
                                const Profession& profession);

}  // namespace rumbelo::professions
