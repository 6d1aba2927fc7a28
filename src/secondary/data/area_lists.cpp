#include "secondary/data/area_lists.h"

#include "common/data/counted_rows.h"
#include "common/data/readers.h"

namespace rumbelo::secondary {
namespace {

const std::vector<int>& rowOf(const std::array<std::vector<int>, kAreaRows>& rows, int h) {
    static const std::vector<int> kNone;
    if (h < 1 || h > kAreaRows) return kNone;
    return rows[static_cast<std::size_t>(h - 1)];
}

// Whether some row of the record counts more entries than a row holds.
bool overfull(const std::string& record) {
    for (int h = 0; h < kAreaRows; ++h)
        if (static_cast<unsigned char>(record[static_cast<std::size_t>(h) * kAreaRowBytes]) >
            kAreaRowCapacity)
            return true;
    return false;
}

}  // namespace

const std::vector<int>& AreaLists::statementsOf(int h) const {
    return rowOf(statements, h);
}

const std::vector<int>& AreaLists::titlesOf(int h) const {
    return rowOf(titles, h);
}

std::array<std::vector<int>, kAreaRows> decodeAreaRecord(const std::string& record) {
    std::array<std::vector<int>, kAreaRows> rows;
    for (int h = 0; h < kAreaRows; ++h)
        rows[static_cast<std::size_t>(h)] =
            countedRow(record, static_cast<std::size_t>(h) * kAreaRowBytes, kAreaRowBytes);
    return rows;
}

void loadAreaLists(DataFiles& files, AreaLists& areas) {
    const std::string name = "datitine";
    const auto records = ReadBinaryRecords(files, name, kAreaRecordSize, 2);
    if (!records) return;
    if (overfull((*records)[0]) || overfull((*records)[1]))
        files.reportOverCapacity(name, kAreaRowCapacity, "entradas por área");
    areas.statements = decodeAreaRecord((*records)[0]);
    areas.titles = decodeAreaRecord((*records)[1]);
}

}  // namespace rumbelo::secondary
