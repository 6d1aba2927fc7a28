#include "fake_images.h"

#include <algorithm>
#include <cctype>

#include "scene/rules/walk.h"

namespace rumbelo::testing {
namespace {
std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return out;
}
}  // namespace

FakeImages::FakeImages() {
    using enum SpriteList;
    for (const char* series :
         {"manup", "mandown", "mander", "manizq", "manupder", "manupizq", "mandoder", "mandoizq"})
        for (int n = 1; n <= 10; ++n)
            add(Common, frameName(series, n), 56, 170);
    for (int i = 1; i <= 6; ++i)
        add(Common, "circ" + std::to_string(i), 24, 24);
    add(Common, "puerta2", 165, 269);
    add(Common, "lupa", 46, 46);
    add(Common, "lupa2", 46, 46);
    add(Common, "diana", 8, 8);
    add(Common, "diana2", 8, 8);
    add(Common, "puertaS", 46, 46);
    add(Common, "puertaS2", 46, 46);
    add(Theme, "background", 128, 128);
    add(Theme, "lateral1", 200, 279);
    add(Theme, "lateral2", 200, 185);
    add(Theme, "lateralPaso", 200, 185);
    add(Theme, "pared", 936, 269);
    add(Theme, "paredUp", 936, 131);
    add(Theme, "paredUp2", 257, 131);
    add(Theme, "paredEx", 257, 400);
    add(Theme, "rotulo1", 160, 56);
    add(Theme, "rotulo2", 160, 56);
    add(Theme, "rotulos", 290, 66);
    add(Theme, "puertaB", 165, 269);
    add(Theme, "puer3", 165, 269);
    add(Theme, "faraon1", 90, 145);
    add(Theme, "faraon2", 90, 145);
    add(Theme, "pedestal", 141, 140);
    add(Theme, "tabla1", 235, 50);
    add(Theme, "bocadillo", 250, 100);
    add(Theme, "zoom", 806, 600);
    add(Theme, "zoomC", 110, 91);
    add(Torch, "antorcha", 40, 88, 4);
    add(Torch, "bandera", 48, 96, 4);
    add(Torch, "espada", 72, 88, 2);
    add(Torch, "payaso", 60, 110, 2);
    add(Torch, "mariposa", 48, 40, 4);
}

void FakeImages::add(SpriteList list, const std::string& name, int w, int h, int patterns) {
    const int id = static_cast<int>(names_.size());
    names_.push_back(name);
    items_[{list, lower(name)}] = SpriteImage{id, w, h, patterns};
}

void FakeImages::remove(SpriteList list, const std::string& name) {
    items_.erase({list, lower(name)});
}

SpriteImage FakeImages::image(SpriteList list, std::string_view name) const {
    const auto it = items_.find({list, lower(name)});
    if (it == items_.end()) throw MissingSpriteImage("no image " + std::string(name));
    return it->second;
}

std::string FakeImages::nameOf(const SpriteImage& image) const {
    return image.id >= 0 && image.id < static_cast<int>(names_.size()) ? names_[image.id] : "";
}

}  // namespace rumbelo::testing
