#pragma once
// The offer to switch the screen to 800x600 and its undoing at exit.
#include <optional>
#include <vector>

namespace rumbelo {

struct DisplayMode {
    int width = 0, height = 0, depth = 0;
    friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// No question when the screen is already 800x600 with at least 16 bits per pixel.
bool needsModeQuestion(const DisplayMode& current);

// After a "Yes": the mode to request, when 800x600 at 16 bits is among the listed modes.
// Only width and height change, and the depth only when the current one is below 16.
std::optional<DisplayMode> modeSwitchRequest(const DisplayMode& current,
                                             const std::vector<DisplayMode>& listed);

// At exit: the listed mode equal to the remembered one, if any.
std::optional<DisplayMode> restoreTarget(const DisplayMode& remembered,
                                         const std::vector<DisplayMode>& listed);

}  // namespace rumbelo
