#pragma once
// Listing and changing the screen mode. On X11 through XRandR; elsewhere (Wayland, the
// offscreen platform of the tests) only the current mode is listed and nothing changes.
#include <memory>
#include <vector>

#include "platform/display_mode_rules.h"

namespace rumbelo {

class DisplayModes {
  public:
    virtual ~DisplayModes() = default;
    virtual DisplayMode current() const = 0;
    virtual std::vector<DisplayMode> listed() const = 0;
    // Applies width and height (X keeps its depth); true when the screen changed.
    virtual bool apply(const DisplayMode& mode) = 0;
};

// The best layer for the running platform.
std::unique_ptr<DisplayModes> makeDisplayModes();

// A layer that only knows one mode; used where nothing may change.
class FixedDisplayMode : public DisplayModes {
  public:
    explicit FixedDisplayMode(DisplayMode mode) : mode_(mode) {}
    DisplayMode current() const override { return mode_; }
    std::vector<DisplayMode> listed() const override { return {mode_}; }
    bool apply(const DisplayMode&) override { return false; }

  private:
    DisplayMode mode_;
};

}  // namespace rumbelo
