#include "degrees/data/degree_catalog.h"

#include <algorithm>

#include "common/data/counted_rows.h"
#include "common/data/readers.h"
#include "common/text/fixed_text.h"

namespace rumbelo::degrees {
namespace {

constexpr char kBullet[] = "\x95  ";  // bullet and two blanks

bool contains(std::string_view line, std::string_view text) {
    return line.find(text) != std::string_view::npos;
}

// The text of a block up to its end: before the first of two consecutive lines whose
// first `width` characters are blank.
std::vector<std::string> textUntilBlankPair(const std::vector<std::string>& lines,
                                            std::size_t width) {
    std::vector<std::string> text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool blank = IsBlank(cut(lines[i], width));
        const bool nextBlank = i + 1 < lines.size() && IsBlank(cut(lines[i + 1], width));
        if (blank && nextBlank) break;
        text.push_back(lines[i]);
    }
    return text;
}

}  // namespace

int degreeKind(std::string_view line) {
    if (contains(line, "(D")) return 1;
    if (contains(line, "(L")) return 2;
    if (contains(line, "(2")) return 3;
    if (contains(line, "Inge") || contains(line, "Engi") || contains(line, "Enxe")) return 2;
    if (contains(line, "I T") || contains(line, "E.T") || contains(line, "E T")) return 1;
    if (contains(line, "Arquitectura  ") || contains(line, "Arquitecte") ||
        contains(line, "Arkitektoa  "))
        return 2;
    if (contains(line, "Arquitectura T") || contains(line, "Arkitekto T")) return 1;
    return 0;
}

std::string formatMark(int value) {
    std::string digits = rightAligned(value, 3);
    digits.insert(digits.size() - 1, ",");
    return digits == " 1,0" ? "  - " : digits;
}

int DegreeCatalog::kind(int j) const {
    if (j < 1 || j >= static_cast<int>(kinds.size())) return 0;
    return kinds[static_cast<std::size_t>(j)];
}

int DegreeCatalog::byteAt(int record, int j, std::size_t i) const {
    if (record < 1 || record > kDegreeRecordCount || j < 1 || j > kDegreeRows ||
        i >= kDegreeRowSize)
        return 0;
    const std::string& bytes = records[static_cast<std::size_t>(record - 1)];
    const std::size_t at = static_cast<std::size_t>(j - 1) * kDegreeRowSize + i;
    if (at >= bytes.size()) return 0;
    return static_cast<unsigned char>(bytes[at]);
}

std::vector<int> DegreeCatalog::countedList(int record, int j, std::size_t countByte,
                                            int limit) const {
    if (record < 1 || record > kDegreeRecordCount || j < 1 || j > kDegreeRows) return {};
    // Held to `limit` entries: a larger count would read into the next list or degree.
    const std::size_t row = static_cast<std::size_t>(j - 1) * kDegreeRowSize;
    return countedRow(records[static_cast<std::size_t>(record - 1)], row + countByte,
                      static_cast<std::size_t>(limit) + 1);
}

std::vector<PlaceMark> DegreeCatalog::places(int j) const {
    std::vector<PlaceMark> list;
    const auto numbers = countedList(1, j, 0, 100);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        list.push_back({numbers[i], byteAt(3, j, i + 1)});
    return list;
}

std::vector<int> DegreeCatalog::requirementsOf(int j) const {
    return countedList(2, j, 0, 100);
}

std::vector<int> DegreeCatalog::outletsOf(int j) const {
    return countedList(4, j, 0, 100);
}

std::vector<int> DegreeCatalog::groupsOf(int j) const {
    return countedList(5, j, 0, 9);
}

std::vector<int> DegreeCatalog::relatedOf(int j) const {
    return countedList(5, j, 10, 90);
}

std::vector<int> DegreeCatalog::relatedTo(int j) const {
    const bool technical = name(j).rfind("I T", 0) == 0;
    const int anyTechnical = anyTechnicalEngineeringLine();
    std::vector<int> list;
    for (int i = 1; i <= degreeCount; ++i) {
        for (const int entry : relatedOf(i)) {
            if (entry == j) list.push_back(i);
            if (technical && entry == anyTechnical) list.push_back(i);
        }
    }
    return list;
}

std::vector<std::string> DegreeCatalog::subjectBlock(int j) const {
    std::vector<std::string> lines;
    for (int i = 2; i <= subjects.groupSize; ++i)
        lines.push_back(subjects.line(j, i));
    return lines;
}

std::vector<std::string> DegreeCatalog::subjectRows(int j) const {
    std::vector<std::string> rows;
    for (const auto& line : textUntilBlankPair(subjectBlock(j), 4)) {
        const bool capital = !line.empty() && line[0] >= 'A' && line[0] <= 'Z';
        rows.push_back(capital ? cut(kBullet + line, 60) : line);
    }
    return rows;
}

std::vector<std::string> DegreeCatalog::otherStudyRows(int k) const {
    std::vector<std::string> lines;
    for (int i = 1; i <= otherBlocks.groupSize; ++i)
        lines.push_back(otherBlocks.line(k, i));
    return textUntilBlankPair(lines, 16);
}

void loadDegreeLists(DataFiles& files, DegreeCatalog& catalog) {
    catalog.degreeLines =
        ReadLineTable(files, files.localized("CARRERA"), catalog.degrees, kStandardWidth);
    catalog.degreeCount = std::max(0, catalog.degreeLines - kClosingDegreeLines);
    catalog.otherCount =
        ReadLineTable(files, files.localized("OTROS"), catalog.others, kStandardWidth);
    catalog.requirementCount =
        ReadLineTable(files, files.localized("REQUISIT"), catalog.requirements, kStandardWidth);
    catalog.outletCount =
        ReadLineTable(files, files.localized("SALIDAS"), catalog.outlets, kStandardWidth);
}

void loadSubjectBlocks(DataFiles& files, DegreeCatalog& catalog) {
    ReadGroupedTable(files, files.localized("asignacar"), kSubjectBlocks, catalog.subjects);
}

void loadOtherStudyBlocks(DataFiles& files, DegreeCatalog& catalog) {
    ReadGroupedTable(files, files.localized("asignaot"), kOtherBlocks, catalog.otherBlocks);
}

void finishDegreeLists(DegreeCatalog& catalog, const InterfaceTexts& texts) {
    catalog.degrees.set(0, texts[48]);
    catalog.requirements.set(0, texts[277]);
    catalog.outlets.set(0, texts[278]);
    catalog.kinds.assign(static_cast<std::size_t>(catalog.degreeCount) + 1, 0);
    for (int j = 1; j <= catalog.degreeCount; ++j)
        catalog.kinds[static_cast<std::size_t>(j)] = degreeKind(catalog.degrees[j]);
}

void loadDegreeRecords(DataFiles& files, DegreeCatalog& catalog) {
    const auto records =
        ReadLastRecordGroup(files, "datcar", kDegreeRecordSize, kDegreeRecordCount);
    if (!records) return;
    std::copy(records->begin(), records->end(), catalog.records.begin());
}

bool loadDegreeCatalog(DataFiles& files, const InterfaceTexts& texts, DegreeCatalog& catalog) {
    loadDegreeLists(files, catalog);
    loadSubjectBlocks(files, catalog);
    loadOtherStudyBlocks(files, catalog);
    if (files.aborted()) return false;
    finishDegreeLists(catalog, texts);
    loadDegreeRecords(files, catalog);
    return !files.aborted();
}

}  // namespace rumbelo::degrees
