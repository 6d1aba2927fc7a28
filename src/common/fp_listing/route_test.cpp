#include "common/fp_listing/route_test.h"

#include <algorithm>

#include "common/text/fixed_text.h"

namespace rumbelo::fp_listing {

bool openToRoute(const std::vector<int>& requirements, int route) {
    if (route == 0) return true;
    if (route < 1 || route > kRouteCount) return false;
    return std::any_of(requirements.begin(), requirements.end(), [route](int r) {
        return r == kFirstRouteLine - 1 + route || r == kEveryRouteLine ||
               (route == 3 && r == kThirdRouteAlsoLine);
    });
}

std::vector<std::string> routeEntries(const LineTable& requirements) {
    std::vector<std::string> entries{TrimRight(colsFrom(requirements[kEveryRouteLine], 4))};
    for (int line = kFirstRouteLine; line < kFirstRouteLine + kRouteCount; ++line)
        entries.push_back(TrimRight(colsFrom(requirements[line], 4)));
    return entries;
}

}  // namespace rumbelo::fp_listing
