#include "platform/display_mode_rules.h"

#include <algorithm>

namespace rumbelo {

bool needsModeQuestion(const DisplayMode& current) {
    return !(current.width == 800 && current.height == 600 && current.depth >= 16);
}

std::optional<DisplayMode> modeSwitchRequest(const DisplayMode& current,
                                             const std::vector<DisplayMode>& listed) {
    const DisplayMode wanted{800, 600, 16};
    if (std::find(listed.begin(), listed.end(), wanted) == listed.end()) return std::nullopt;
    DisplayMode request{800, 600, current.depth};
    if (current.depth < 16) request.depth = 16;
    return request;
}

std::optional<DisplayMode> restoreTarget(const DisplayMode& remembered,
                                         const std::vector<DisplayMode>& listed) {
    if (std::find(listed.begin(), listed.end(), remembered) == listed.end()) return std::nullopt;
    return remembered;
}

}  // namespace rumbelo
