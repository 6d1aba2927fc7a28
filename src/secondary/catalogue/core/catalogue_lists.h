#pragma once
// The five level lists of a family and each qualification's detail panel, as lines.
#include <array>
#include <string>
#include <vector>

#include "secondary/catalogue/core/catalogue_sources.h"

namespace rumbelo::catalogue {

struct Entry {
    std::string text;  // the row as stored (Windows-1252)
    int row = 0;       // its line in the level's table (programmes and certificates from 1)
};

struct FamilyLevels {
    char key = ' ';
    std::array<std::vector<Entry>, kLevels> levels;  // levels[l-1]
    const std::vector<Entry>& of(int level) const {
        return levels[static_cast<std::size_t>(level - 1)];
    }
    bool empty() const;
};

// The qualifications of family `key`: levels 1-3 the rows "indices" gives the key, in row
// order (key 5: one stand-in line for each FP level); levels 4-5 the programme and
// certificate lines of that letter that are not sub-headings.
FamilyLevels familyLevels(const CatalogueSources& sources, char key);

struct DetailLine {
    std::string text;
    bool heading = false;  // shown larger and green
};

// The detail panel of row `row` of `level` for the family `key`.
std::vector<DetailLine> detailLines(const CatalogueSources& sources, int level, int row, char key);

// The label of a level (interface texts 299, 47, 113, 229, 580).
std::string levelLabel(const InterfaceTexts& texts, int level);

// Windows-1252 text in capitals (accented letters included).
std::string upperCase(std::string text);

}  // namespace rumbelo::catalogue
