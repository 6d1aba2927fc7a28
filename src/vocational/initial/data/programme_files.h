#pragma once
// "fpip" and "IPmodulos" as the initial-programmes section and the catalogue of
// qualifications keep them: the nine groups, then the programme lines renumbered from 1
// (programme p = line p + 9 of "fpip", sub-headings included) and five module lines per
// programme.
#include <array>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo::initial {

inline constexpr int kGroups = 9;
inline constexpr int kModuleLines = 5;
// Programme numbers are kept in bytes; the sub-heading list has 23 places; a group's
// popup holds 200 rows; centres name programmes with two digits.
inline constexpr int kMaxProgrammes = 255;
inline constexpr int kMaxSubHeadings = 23;
inline constexpr int kMaxPopupRows = 200;
inline constexpr int kMaxCentreProgramme = 99;
// A group code whose first letter is this opens the search by place.
inline constexpr char kPlaceModeLetter = '0';

struct ProgrammeFiles {
    // Lines 1-9 of "fpip": cols 1-4 the group code, 5-60 the name.
    std::array<std::string, kGroups> groups;
    LineTable programmes;          // lines 10 onward of "fpip", renumbered from 1
    std::vector<int> subHeadings;  // numbers of the sub-heading lines, ascending
    LineTable modules;             // "IPmodulos": lines 5p-4..5p belong to programme p

    int count() const { return programmes.count(); }
    // Group g (1..9): its four code letters and its name without trailing blanks.
    std::string groupCode(int g) const;
    std::string groupName(int g) const;
    bool isPlaceModeGroup(int g) const { return groupCode(g)[0] == kPlaceModeLetter; }
    // Column 1 of programme line p: its family letter.
    char category(int p) const;
    bool isSubHeading(int p) const;
    // Columns 2-60 of line p (a sub-heading keeps its "-").
    std::string text(int p) const;
    // The five module lines of programme p, as stored (60 characters each).
    std::array<std::string, kModuleLines> moduleLines(int p) const;
};

// The programme lines a group's popup lists: one pass per letter of the group code, each
// through all lines in file order taking those of that letter (a blank letter takes lines
// whose column 1 is blank). Sub-headings are included.
std::vector<int> groupRows(const ProgrammeFiles& files, int g);

// Reads both files through the language folder. A missing file, more programmes than a
// byte holds or more sub-headings than their list are reported by name and limit and set
// the abort flag; false then.
bool loadProgrammeFiles(DataFiles& files, ProgrammeFiles& out);

// The same from lines already split (tests, the data check): each string one line.
ProgrammeFiles programmeFilesFrom(const std::vector<std::string>& fpip,
                                  const std::vector<std::string>& modules);

}  // namespace rumbelo::initial
