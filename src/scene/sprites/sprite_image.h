#pragma once
// What a sprite shows: one item of an image list, as the drawing side registered it. The
// engine and the scene's rules only need its size and pattern count; the handle lets the
// drawing side find the pictures again.
#include <stdexcept>
#include <string>
#include <string_view>

namespace rumbelo {

struct SpriteImage {
    int id = -1;  // the drawing side's handle; -1 for no image
    int width = 0;
    int height = 0;
    int patterns = 1;
    bool valid() const { return id >= 0; }
    friend bool operator==(const SpriteImage&, const SpriteImage&) = default;
};

// The three image lists of the animated scene.
enum class SpriteList { Common, Theme, Torch };

// A name the list does not hold: a data error of the layer, caught by the scene's start-up.
class MissingSpriteImage : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Looks items up by name, without regard to case.
class SpriteImages {
  public:
    virtual ~SpriteImages() = default;
    // Throws MissingSpriteImage for a name the list does not hold.
    virtual SpriteImage image(SpriteList list, std::string_view name) const = 0;
};

}  // namespace rumbelo
