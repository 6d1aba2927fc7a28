#pragma once
// The university degrees a higher-FP title gives access to, turned round: for each degree
// of "carreFP", the titles that lead to it. Qt-free.
#include <string>
#include <vector>

#include "degrees/data/fp_catalog.h"

namespace rumbelo::degrees {

// A degree keeps at most this many titles.
constexpr int kBridgeRowCapacity = 50;

struct InverseBridges {
    // rows[r] = the titles reaching degree r of "carreFP", once per listing, by title number.
    std::vector<std::vector<int>> rows;
    // Degrees more titles reach than a row holds: the titles past the row are left out.
    std::vector<int> overfull;
};

// For each title t = 1.. of "FP", each entry r of its reachable-degrees row, in row order,
// appends t to row r.
InverseBridges buildInverseBridges(const FpCatalog& fp);

struct BridgeDegree {
    int degree = 0;    // line of "carreFP"
    std::string name;  // that line
};
// The degrees some title reaches, sorted by name in byte order (SortLineTable).
std::vector<BridgeDegree> bridgeDegrees(const FpCatalog& fp, const InverseBridges& bridges);

// The "FP" lines of the titles reaching degree r, in ascending title number.
std::vector<std::string> titlesReaching(const FpCatalog& fp, const InverseBridges& bridges,
                                        int degree);

// What the pupil is told about an overfull degree: the file, the degree and the limit.
std::string overfullMessage(const FpCatalog& fp, int degree);

}  // namespace rumbelo::degrees
