#pragma once
// Contact sheets: every picture of a theme (or of the common list, or of the guide and the
// static scene) on one page with its name, size and pattern count, for looking the art over.
#include <QString>

#include "forge.h"

namespace rumbelo::art {

// `what`: a theme letter F, C, N, A, P or E, "common", "guide", "icons", "world-X" for theme X's
// building put together at half size, or "static-X" for its static scene. Throws
// std::runtime_error.
void writeContactSheet(const Forge& forge, const QString& what, const QString& pngPath);

}  // namespace rumbelo::art
