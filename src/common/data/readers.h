#pragma once
// The shared readers of the data files. Each takes the name as opened (the caller adds the
// language folder with DataFiles::localized where the file is language-dependent). A reader
// with a missing-file check reports "Faltan ficheros (name). ..." and sets the abort flag;
// a file beyond the capacity of its table is reported by name and limit, and nothing past
// the limit is stored.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo {

// The standard line width the sections pass to the readers.
constexpr int kStandardWidth = 60;

// Entry k = line k after the padding rule with width w, cut to 60. Returns the count.
int ReadLineTable(DataFiles& files, const std::string& name, LineTable& table, int w);
// As ReadLineTable, entries of up to 75 characters.
int ReadTextTable(DataFiles& files, const std::string& name, TextTable& table, int w);
// Entry k = the first 60 characters of line k, neither padded nor trimmed.
int ReadRawTable(DataFiles& files, const std::string& name, LineTable& table);
// Entry k = the first 90 characters of line k, neither padded nor trimmed.
int ReadWideTable(DataFiles& files, const std::string& name, WideTable& table);

// The lines beginning with "-": entry i = the rest of the line padded to w (cut to 60),
// index[i-1] = that line's number in the file. Returns the number of such lines.
int ReadDashIndex(DataFiles& files, const std::string& name, LineTable& table,
                  std::vector<int>& index, int w);

// Block files: a separator line, then g stored lines, repeated.
struct GroupedShape {
    int groupSize;
    int groupCapacity;
    int lineLimit;
    bool readKinds;
};
constexpr GroupedShape kSubjectBlocks{30, 200, 5000, true};   // "asignacar"
constexpr GroupedShape kTitleBlocks{25, 130, 5000, false};    // "asignafp"
constexpr GroupedShape kMediumBlocks{25, 1000, 5000, false};  // "asignagm"
constexpr GroupedShape kOtherBlocks{50, 50, 2500, false};     // "asignaot"

int ReadGroupedTable(DataFiles& files, const std::string& name, const GroupedShape& shape,
                     GroupedTable& table);

// "LUGAR": universities and campuses.
struct PlaceList {
    std::vector<int> codes{0};   // codes[k] = community number of place k
    FixedTable names{35, 1000};  // entry 0 = the name as opened
    LineTable descriptions;      // web address without "http://www.", trimmed
    int count() const { return names.count(); }
    int code(int k) const;
};
int ReadPlaceList(DataFiles& files, const std::string& name, PlaceList& places);

// "COMUINT": entry k = cols 15-114 of line k, trimmed, cut to 60.
int ReadCommunityInfo(DataFiles& files, const std::string& name, LineTable& table);

// "LU1".."LU4": one training centre per line, with up to ten programme codes.
struct CentreCodes {
    std::uint8_t count = 0;
    std::array<std::uint8_t, 10> codes{};  // codes[j-1] = code j; 0 when not a number
};
struct ZoneTable {
    LineTable lines;                                // entry k = cols 1-55 of line k
    std::vector<CentreCodes> codes{CentreCodes{}};  // codes[k] for line k
    int count() const { return lines.count(); }
};
int ReadZoneFile(DataFiles& files, const std::string& name, ZoneTable& zone);

// "dobles": universities (groups) and their double degrees (members).
struct DoubleDegreeMember {
    int kind = 0;  // the digit of column 4
    int a = 0;     // degree numbers of the two degrees
    int b = 0;
};
struct DoubleDegreeGroup {
    int code = 0;      // community number
    std::string name;  // cols 3-37
    std::vector<DoubleDegreeMember> members;
};
struct DoubleDegrees {
    std::string heading;
    // groups[0] gathers members that come before the first group line.
    std::vector<DoubleDegreeGroup> groups{DoubleDegreeGroup{}};
    int count() const { return static_cast<int>(groups.size()) - 1; }
    static constexpr int kGroupCapacity = 199;
    static constexpr int kMemberCapacity = 25;
};
int ReadDoubleDegrees(DataFiles& files, const std::string& name, DoubleDegrees& doubles);

// "comarcas": 41 coded districts, then further districts numbered by their line.
struct Districts {
    static constexpr int kCoded = 41;
    static constexpr int kCapacity = 60;
    std::array<std::string, kCapacity + 1> keys{};  // by code (1..41) or line (42..)
    std::array<std::string, kCapacity + 1> names{};
    std::array<int, kCoded + 1> codeOfLine{};  // code found on lines 1..41
    int count = 0;                             // unchanged when a code is bad
};
int ReadDistricts(DataFiles& files, const std::string& name, int w, Districts& districts);

// "comarcasm": lines grouped by code 1..28, at most three lines a code.
struct DistrictGroups {
    static constexpr int kCapacity = 100;
    static constexpr int kGroups = 28;
    std::vector<std::string> keys{std::string()};  // by line, from 1
    std::vector<std::string> names{std::string()};
    std::vector<int> codes{0};
    std::array<std::vector<int>, kGroups + 1> linesOfGroup{};  // at most 3 each
    int count = 0;
};
int ReadDistrictGroups(DataFiles& files, const std::string& name, int w, DistrictGroups& groups);

// Binary files of fixed records. `count` records of `recordSize` bytes; a missing file is
// reported with the missing-file message, a short one as incomplete.
std::optional<std::vector<std::string>> ReadBinaryRecords(DataFiles& files, const std::string& name,
                                                          std::size_t recordSize, int count);
// Files written as whole groups of `count` records of `recordSize` bytes, of which the last
// complete group is kept; reported as ReadBinaryRecords when missing or shorter than a group.
std::optional<std::vector<std::string>> ReadLastRecordGroup(DataFiles& files,
                                                            const std::string& name,
                                                            std::size_t recordSize, int count);
// "datFPL2": four records of 84760 bytes.
constexpr std::size_t kOfferRecordSize = 84760;
std::optional<std::vector<std::string>> ReadRecords(DataFiles& files, const std::string& name);

// "textos": entry k = line k trimmed of trailing blanks and cut to 75.
void ReadTextsFile(DataFiles& files, const std::string& name, TextTable& table);

}  // namespace rumbelo
