#pragma once
// The two files of the catalogue of qualifications: "familias", the families in list order
// (column 1 the key, then the name), and "indices", whose line r gives the one or two
// family keys of line r of "CARRERA" (cols 1-2), "FP" (cols 3-4) and "FP2" (cols 5-6).
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/data/tables.h"

namespace rumbelo::catalogue {

inline constexpr int kIndexLines = 600;
inline constexpr std::size_t kIndexWidth = 6;
// The family whose higher and intermediate levels stand for the artistic cycles as a whole.
inline constexpr char kArtsFamily = '5';

struct CatalogueFiles {
    LineTable families;                  // "familias", lines as read (not padded)
    std::vector<std::string> index{{}};  // index[r] = "indices" line r, cut to 6

    int familyCount() const { return families.count(); }
    // Family at list position p (from 0): the key in column 1 and the name after it.
    char familyKey(int p) const;
    std::string familyName(int p) const;
    int indexCount() const { return static_cast<int>(index.size()) - 1; }
    // Whether row r of level 1 ("CARRERA"), 2 ("FP") or 3 ("FP2") belongs to family `key`.
    bool belongs(int level, int r, char key) const;
};

// "familias" through the language folder, "indices" under its plain name (one copy for
// every language). A missing file, or an "indices" of more than 600 lines, is reported by
// name and sets the abort flag; false then.
bool loadCatalogueFiles(DataFiles& files, CatalogueFiles& out);

// The same from lines already split (tests).
CatalogueFiles catalogueFilesFrom(const std::vector<std::string>& families,
                                  const std::vector<std::string>& index);

}  // namespace rumbelo::catalogue
