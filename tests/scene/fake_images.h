#pragma once
// Image lists for the scene's core tests: every name the world asks for, with the sizes the
// shipped pictures have, and a canvas that records what is drawn.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "scene/sprites/sprite_canvas.h"
#include "scene/sprites/sprite_image.h"

namespace rumbelo::testing {

class FakeImages : public SpriteImages {
  public:
    FakeImages();
    SpriteImage image(SpriteList list, std::string_view name) const override;
    // The name of a handle, for checking what a sprite shows.
    std::string nameOf(const SpriteImage& image) const;
    // Takes a name out of a list, as a damaged list would lack it.
    void remove(SpriteList list, const std::string& name);

  private:
    void add(SpriteList list, const std::string& name, int w, int h, int patterns = 1);
    std::map<std::pair<SpriteList, std::string>, SpriteImage> items_;
    std::vector<std::string> names_;
};

struct DrawnImage {
    std::string name;
    int pattern;
    int x;
    int y;
};

class RecordingSpriteCanvas : public SpriteCanvas {
  public:
    explicit RecordingSpriteCanvas(const FakeImages& images) : images_(images) {}
    int width() const override { return 800; }
    int height() const override { return 600; }
    void drawImage(const SpriteImage& image, int pattern, int x, int y) override {
        drawn.push_back({images_.nameOf(image), pattern, x, y});
    }
    void tileImage(const SpriteImage& image, int x, int y) override {
        drawn.push_back({"tiled:" + images_.nameOf(image), 0, x, y});
    }
    std::vector<DrawnImage> drawn;

  private:
    const FakeImages& images_;
};

}  // namespace rumbelo::testing
