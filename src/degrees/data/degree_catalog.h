#pragma once
// The university degrees as the degrees form keeps them: names ("CARRERA"), other studies
// ("OTROS"), requirement and outlet texts ("REQUISIT", "SALIDAS"), subject blocks
// ("asignacar"), other-study blocks ("asignaot") and the degree records ("datcar"), with
// the lookups the degree browser, the consultation and the reports make on them.
// Files refer to one another by line number; degree j is line j of "CARRERA".
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/tables.h"
#include "common/texts/interface_texts.h"

namespace rumbelo::degrees {

// "CARRERA" ends with four lines that are not degrees; they only stand in related-degree
// lists. The second-to-last of them stands for "any technical engineering".
constexpr int kClosingDegreeLines = 4;
// Rows of the degree records: no more degrees than this can have places, marks and lists.
constexpr int kDegreeRows = 200;
constexpr std::size_t kDegreeRowSize = 101;
constexpr std::size_t kDegreeRecordSize = kDegreeRows * kDegreeRowSize;  // 20200
constexpr int kDegreeRecordCount = 5;
// Mark byte meaning "no cut-off mark known".
constexpr int kNoMark = 10;

// Degree kind from a stored 60-character "CARRERA" line: 1 short cycle (diplomaturas,
// technical engineering and architecture), 2 long cycle (licenciaturas, engineering,
// architecture), 3 second cycle only, 0 none of these.
int degreeKind(std::string_view line);

// A mark byte as shown beside a degree or a place: " 6,5", "10,0"; "  - " when no mark is
// known.
std::string formatMark(int value);

struct PlaceMark {
    int place = 0;  // line of "LUGAR"
    int mark = 0;   // cut-off mark x 10; kNoMark when unknown
};

class DegreeCatalog {
  public:
    LineTable degrees;  // "CARRERA"; entry 0 becomes interface text 48
    int degreeLines = 0;
    int degreeCount = 0;  // degreeLines minus the closing lines
    LineTable others;     // "OTROS"
    int otherCount = 0;
    LineTable requirements;  // "REQUISIT"; entry 0 becomes interface text 277
    int requirementCount = 0;
    LineTable outlets;  // "SALIDAS"; entry 0 becomes interface text 278
    int outletCount = 0;
    GroupedTable subjects;     // "asignacar": block j = degree j
    GroupedTable otherBlocks;  // "asignaot": block k = other study k
    std::vector<int> kinds;    // kinds[j] for degrees 1..degreeCount; kinds[0] unused
    // "datcar": five records of 200 rows of 101 bytes; empty until loaded.
    std::array<std::string, kDegreeRecordCount> records;

    bool recordsLoaded() const { return !records[0].empty(); }

    // The stored 60-character line of degree j (or of one of the closing lines).
    const std::string& name(int j) const { return degrees[j]; }
    int kind(int j) const;
    // Line number that stands for "any technical engineering" in related lists.
    int anyTechnicalEngineeringLine() const { return degreeLines - 1; }

    std::vector<PlaceMark> places(int j) const;
    std::vector<int> requirementsOf(int j) const;
    std::vector<int> outletsOf(int j) const;
    std::vector<int> groupsOf(int j) const;
    // Record 5's list: the degrees shown as related to j, in list order.
    std::vector<int> relatedOf(int j) const;
    // The degrees whose related list names j, in degree order, once per matching entry;
    // for a degree whose name begins with "I T" also those whose list names the line for
    // any technical engineering.
    std::vector<int> relatedTo(int j) const;

    // Difficulty 1..7 from the first line of the subject block; 0 when there is none.
    int difficulty(int j) const { return subjects.kind(j); }
    // Lines 2..30 of degree j's subject block, as stored.
    std::vector<std::string> subjectBlock(int j) const;
    // The subject list as shown: the block's text up to its end (two consecutive lines
    // whose first four characters are blank), capitalised lines with a bullet.
    std::vector<std::string> subjectRows(int j) const;
    // Other study k's text up to its end (two consecutive lines whose first sixteen
    // characters are blank).
    std::vector<std::string> otherStudyRows(int k) const;

  private:
    // Byte i of row j of record r (1-based record and row); 0 outside the rows.
    int byteAt(int record, int j, std::size_t i) const;
    std::vector<int> countedList(int record, int j, std::size_t countByte, int limit) const;
};

// Loading, in the order the degrees form reads its files (the form interleaves the files
// of the higher-FP section between these steps). Each missing file is reported by its
// reader and sets the abort flag; loading goes on, so that every missing file is named.
//
// Step 1, first part: "CARRERA", "OTROS", "REQUISIT", "SALIDAS".
void loadDegreeLists(DataFiles& files, DegreeCatalog& catalog);
// Step 1, later: "asignacar".
void loadSubjectBlocks(DataFiles& files, DegreeCatalog& catalog);
// Step 1, last: "asignaot".
void loadOtherStudyBlocks(DataFiles& files, DegreeCatalog& catalog);
// Step 3: entry-0 headings from the interface texts and the degree kinds.
void finishDegreeLists(DegreeCatalog& catalog, const InterfaceTexts& texts);
// Step 4: "datcar", read as groups of five records; the last complete group is kept. A
// missing file or one shorter than a group is reported and sets the abort flag.
void loadDegreeRecords(DataFiles& files, DegreeCatalog& catalog);

// Every step above in order, stopping before the headings when step 1 failed, as the form
// does. False when the abort flag is set.
bool loadDegreeCatalog(DataFiles& files, const InterfaceTexts& texts, DegreeCatalog& catalog);

}  // namespace rumbelo::degrees
