#pragma once
// The animated decorations: "antorcha.dxg" (torch, castle flag, swords, clown) and
// "antorchaf.dxg" (the flower theme's butterfly). Each loops through its patterns.
#include <vector>

#include "list_writer.h"

namespace rumbelo::art {

std::vector<ImageEntry> torchList();
std::vector<ImageEntry> butterflyList();

}  // namespace rumbelo::art
