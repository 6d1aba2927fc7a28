#pragma once
// What each section number opens: the form it shows (by objectName) and how.
#include <optional>
#include <string_view>

namespace rumbelo {

// The leave sign and zone open the certificates section; it has no door number of its own.
inline constexpr int kLeaveSection = 10;

struct SectionTarget {
    std::string_view form;
    bool modal = false;  // the assistant opens over the scene; the others replace it
};

std::optional<SectionTarget> sectionTarget(int section);

}  // namespace rumbelo
