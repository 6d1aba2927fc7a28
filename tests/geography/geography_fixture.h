#pragma once
// The project's own geography sources compiled once into a temporary folder, shared by the
// geography tests.
#include <filesystem>
#include <string>
#include <vector>

#include "data/compile.h"
#include "support/compile_errors.h"

namespace rumbelo::testing {

struct CompiledGeography {
    std::filesystem::path folder;
    std::vector<std::string> errors;
};

// Compiles data/geography of the source tree (once per test program).
const CompiledGeography& compiledGeography();

// The whole file.
std::string readFile(const std::filesystem::path& path);

}  // namespace rumbelo::testing
