#pragma once
// The project's own geography sources compiled once into a temporary folder, shared by the
// geography tests.
#include <filesystem>
#include <string>
#include <vector>

#include "data/compile.h"

namespace rumbelo::testing {

struct CompiledGeography {
    std::filesystem::path folder;
    std::vector<std::string> errors;
};

// Compiles data/geography of the source tree (once per test program).
const CompiledGeography& compiledGeography();

// The whole file.
std::string readFile(const std::filesystem::path& path);

// True when some error contains the text.
bool anyErrorContains(const std::vector<std::string>& errors, const std::string& text);

}  // namespace rumbelo::testing
