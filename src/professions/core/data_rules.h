#pragma once
// What makes the professions data usable by the questionnaire beyond its columns: codes that
// name activities, every activity reachable from a long phrase, every profession from a
// short phrase, study codes naming titles, and pages that hold every choice.
#include <string>
#include <vector>

#include "professions/data/professions_files.h"

namespace rumbelo::professions {

struct DataProblem {
    std::string file;  // "FRALARGAS", "FRACORTAS", "ACTIVIDA" or "profesio"
    int line = 0;      // 1-based; 0 for the file as a whole
    std::string text;  // Windows-1252
    // "file line n: text".
    std::string describe() const;
};

std::vector<DataProblem> professionsDataProblems(const ProfessionsData& data);

// The most short phrases any choice of one to three long phrases suggests, and that choice
// (0-based rows).
struct WorstChoice {
    int suggested = 0;
    std::vector<int> rows;
};
WorstChoice worstChoice(const ProfessionsData& data);

}  // namespace rumbelo::professions
