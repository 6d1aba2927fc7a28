#pragma once
// Small degree catalogues written as data files into a temporary folder and read back
// through the program's own loaders, so that each test states only the degrees it needs.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "common/messages.h"
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"
#include "support/numbered_texts.h"
#include "support/temp_folder.h"

namespace rumbelo::testing {

struct CraftedDegree {
    std::string name{};
    std::vector<std::pair<int, int>> places{};  // (place number, mark x 10)
    std::vector<int> requirements{};
    std::vector<int> outlets{};
    std::vector<int> related{};  // lines of "CARRERA", closing lines included
    int difficulty = 3;
    std::vector<std::string> subjects{};  // lines 2.. of the subject block
};

class CraftedCatalogue {
  public:
    CraftedCatalogue();

    // Degree j is the j-th added; returns its number.
    int add(CraftedDegree degree);
    std::vector<std::string> otherStudies{"Arte dram\xE1tico"};
    std::vector<std::vector<std::string>> otherBlocks{{"Escuelas superiores", "de arte"}};

    // Writes the files and loads them; the four closing lines follow the degrees.
    degrees::DegreeCatalog load();
    const InterfaceTexts& texts() const { return texts_; }
    InterfaceTexts& texts() { return texts_; }
    int closingLine(int k) const { return static_cast<int>(degrees_.size()) + k; }
    const TempFolder& folder() const { return folder_; }
    RecordingSink sink;

  private:
    void writeFiles() const;
    TempFolder folder_;
    std::vector<CraftedDegree> degrees_;
    InterfaceTexts texts_;
};

}  // namespace rumbelo::testing
