#pragma once
// The printed report of the professions questionnaire: the title, the professions of the
// favourite phrase with their studies, the two best activities and the professions of the
// best one.
#include <string>
#include <vector>

#include "common/print/report_table.h"
#include "common/texts/interface_texts.h"
#include "professions/data/professions_files.h"

namespace rumbelo::professions {

struct ProfessionsReport {
    ReportTable table;
    BoldLines bold;
    int lastLine = 0;
};

struct ReportInput {
    std::string studentName;
    std::string title;                      // the results title on screen
    std::string professionsHeading;         // the heading over the professions on screen
    std::vector<int> professions;           // those listed on screen (0-based)
    std::vector<std::string> activityRows;  // the activity list as on screen
    int bestActivity = -1;                  // 0-based; -1 when nothing ranked
};

ProfessionsReport professionsReport(const ProfessionsData& data, const InterfaceTexts& texts,
                                    const ReportInput& input);

// The note after a study's name: its kind of title.
std::string studyTypeNote(const InterfaceTexts& texts, char typeLetter);

}  // namespace rumbelo::professions
