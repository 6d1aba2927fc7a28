#pragma once
// The Bachillerato routes a pupil picks in place mode, and which titles each route opens.
// Returns route names and yes/no answers. Qt-free.
#include <string>
#include <vector>

#include "common/data/tables.h"

namespace rumbelo::fp_listing {

// Fixed lines of the requirement file ("REQFP").
constexpr int kFirstRouteLine = 8;  // lines 8..11: the four routes
constexpr int kRouteCount = 4;
constexpr int kEveryRouteLine = 12;      // open to every route; the first entry of the list
constexpr int kThirdRouteAlsoLine = 31;  // also opens route 3

// Whether a title with these access requirements (lines of the requirement file) is open
// to route r: 0 = every route, 1..4 = the routes of lines 8..11. Route 3 also takes line 31.
// A title without requirements is open to route 0 only.
bool openToRoute(const std::vector<int>& requirements, int route);

// The route entries: line 12 from column 4, trimmed, then lines 8..11 the same way. Entry
// r of the result is route r.
std::vector<std::string> routeEntries(const LineTable& requirements);

}  // namespace rumbelo::fp_listing
