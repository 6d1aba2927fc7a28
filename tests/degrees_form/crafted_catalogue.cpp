#include "crafted_catalogue.h"

#include <array>

#include "common/data/data_files.h"
#include "common/data/readers.h"
#include "support/counted_rows.h"

namespace rumbelo::testing {
namespace {

constexpr std::size_t kRow = degrees::kDegreeRowSize;

void putList(std::string& record, int j, std::size_t countByte, const std::vector<int>& values) {
    putCountedRow(record, static_cast<std::size_t>(j - 1) * kRow + countByte, values);
}

std::vector<std::string> blockLines(const std::vector<std::string>& lines, std::size_t size) {
    std::vector<std::string> block = lines;
    block.resize(size);
    return block;
}

}  // namespace

CraftedCatalogue::CraftedCatalogue() : texts_(numberedTexts()) {}

int CraftedCatalogue::add(CraftedDegree degree) {
    degrees_.push_back(std::move(degree));
    return static_cast<int>(degrees_.size());
}

void CraftedCatalogue::writeFiles() const {
    std::vector<std::string> names;
    for (const auto& d : degrees_)
        names.push_back(d.name);
    for (const char* closing : {"Cualquier diplomatura", "Primer ciclo de cualquier licenciatura",
                                "Cualquier ingenier\xED"
                                "a t\xE9"
                                "cnica",
                                "Conservatorio"})
        names.push_back(closing);
    folder_.writeLines("CARRERA", names);
    std::vector<std::string> requirements;
    for (int k = 1; k <= 25; ++k)
        requirements.push_back("Requisito " + std::to_string(k));
    requirements[12] = "Tipo de carrera";  // line 13: the kind filter's text
    for (int k = 19; k <= 23; ++k)
        requirements[static_cast<std::size_t>(k - 1)] = "Modalidad " + std::to_string(k - 18);
    folder_.writeLines("REQUISIT", requirements);
    folder_.writeLines("SALIDAS", {"Salida 1", "Salida 2", "Salida 3"});
    folder_.writeLines("OTROS", otherStudies);

    std::vector<std::string> subjects;
    for (const auto& d : degrees_) {
        subjects.push_back("-----");
        std::vector<std::string> block{std::to_string(d.difficulty)};
        for (const auto& line : d.subjects)
            block.push_back(line);
        for (auto& line : blockLines(block, 30))
            subjects.push_back(line);
    }
    folder_.writeLines("asignacar", subjects);
    std::vector<std::string> others;
    for (const auto& block : otherBlocks) {
        others.push_back("-----");
        for (auto& line : blockLines(block, 50))
            others.push_back(line);
    }
    folder_.writeLines("asignaot", others);

    std::array<std::string, degrees::kDegreeRecordCount> records;
    for (auto& record : records)
        record.assign(degrees::kDegreeRecordSize, '\0');
    for (std::size_t i = 0; i < degrees_.size(); ++i) {
        const int j = static_cast<int>(i) + 1;
        const auto& d = degrees_[i];
        std::vector<int> places, marks;
        for (const auto& [place, mark] : d.places) {
            places.push_back(place);
            marks.push_back(mark);
        }
        putList(records[0], j, 0, places);
        putList(records[1], j, 0, d.requirements);
        // Record 3 holds the marks at the positions of record 1's places.
        const std::size_t row = static_cast<std::size_t>(j - 1) * kRow;
        for (std::size_t p = 0; p < marks.size(); ++p)
            records[2][row + 1 + p] = static_cast<char>(marks[p]);
        putList(records[3], j, 0, d.outlets);
        putList(records[4], j, 10, d.related);
    }
    folder_.write("datcar", records[0] + records[1] + records[2] + records[3] + records[4]);
}

degrees::DegreeCatalog CraftedCatalogue::load() {
    writeFiles();
    bool abort = false;
    DataFiles files(folder_.path(), sink, abort);
    degrees::DegreeCatalog catalog;
    degrees::loadDegreeLists(files, catalog);
    degrees::loadSubjectBlocks(files, catalog);
    degrees::loadOtherStudyBlocks(files, catalog);
    degrees::finishDegreeLists(catalog, texts_);
    degrees::loadDegreeRecords(files, catalog);
    return catalog;
}

}  // namespace rumbelo::testing
