#include "degrees/pasarela/fp_bridges.h"

#include <algorithm>

#include "common/data/line_order.h"
#include "common/text/fixed_text.h"

namespace rumbelo::degrees {

InverseBridges buildInverseBridges(const FpCatalog& fp) {
    InverseBridges bridges;
    const int degrees = fp.reachableDegrees.count();
    bridges.rows.assign(static_cast<std::size_t>(degrees) + 1, {});
    for (int t = 1; t <= fp.titleCount(); ++t) {
        for (const int r : fp.degreesReached(t)) {
            if (r < 1 || r > degrees) continue;
            auto& row = bridges.rows[static_cast<std::size_t>(r)];
            if (static_cast<int>(row.size()) < kBridgeRowCapacity) {
                row.push_back(t);
            } else if (std::find(bridges.overfull.begin(), bridges.overfull.end(), r) ==
                       bridges.overfull.end()) {
                bridges.overfull.push_back(r);
            }
        }
    }
    return bridges;
}

std::vector<BridgeDegree> bridgeDegrees(const FpCatalog& fp, const InverseBridges& bridges) {
    std::vector<int> listed;
    LineTable names;
    for (std::size_t r = 1; r < bridges.rows.size(); ++r) {
        if (bridges.rows[r].empty()) continue;
        listed.push_back(static_cast<int>(r));
        names.set(static_cast<int>(listed.size()), fp.reachableDegrees[static_cast<int>(r)]);
    }
    const int n = static_cast<int>(listed.size());
    std::vector<int> index;
    SortLineTable(names, index, n);
    std::vector<BridgeDegree> sorted;
    for (int k = 1; k <= n; ++k) {
        const int was = index[static_cast<std::size_t>(k - 1)];
        sorted.push_back({listed[static_cast<std::size_t>(was - 1)], names[k]});
    }
    return sorted;
}

std::vector<std::string> titlesReaching(const FpCatalog& fp, const InverseBridges& bridges,
                                        int degree) {
    std::vector<std::string> lines;
    if (degree < 1 || degree >= static_cast<int>(bridges.rows.size())) return lines;
    std::vector<int> titles = bridges.rows[static_cast<std::size_t>(degree)];
    std::stable_sort(titles.begin(), titles.end());
    for (const int t : titles)
        lines.push_back(fp.titleName(t));
    return lines;
}

std::string overfullMessage(const FpCatalog& fp, int degree) {
    return "El fichero datFPR da acceso a \"" + TrimRight(fp.reachableDegrees[degree]) +
           "\" desde m\xE1s de " + std::to_string(kBridgeRowCapacity) +
           " ciclos; solo se muestran los " + std::to_string(kBridgeRowCapacity) + " primeros.";
}

}  // namespace rumbelo::degrees
