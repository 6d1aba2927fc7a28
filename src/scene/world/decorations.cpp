#include "scene/world/decorations.h"

namespace rumbelo {

std::vector<Decoration> decorationsFor(char theme) {
    std::vector<Decoration> list;
    constexpr double kSlow = 1.0 / 150;
    if (theme == 'C') {
        list.push_back({"espada", -520, -930, kSlow});
        list.push_back({"espada", 700, -930, kSlow});
    }
    if (theme == 'N') {
        list.push_back({"payaso", -470, -1050, kSlow});
        list.push_back({"payaso", 760, -1050, kSlow});
    }
    const char* torch = theme == 'C' ? "bandera" : theme == 'F' ? "mariposa" : "antorcha";
    for (const auto& [x, y] :
         {std::pair{-175, 40}, {240, -300}, {26, -800}, {-595, -1350}, {964, -1350}})
        list.push_back({torch, x, y, 0.01});
    return list;
}

}  // namespace rumbelo
