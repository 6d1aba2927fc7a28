#include "geography/geography_fixture.h"

#include <fstream>
#include <iterator>

#include "data/geography/geography.h"
#include "support/temp_folder.h"

namespace rumbelo::testing {

const CompiledGeography& compiledGeography() {
    static TempFolder out;
    static const CompiledGeography compiled = [] {
        data::CompileContext ctx(std::filesystem::path(RUMBELO_SOURCE_DIR) / "data", out.path());
        data::compileGeography(ctx);
        return CompiledGeography{out.path(), ctx.diag.errors()};
    }();
    return compiled;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace rumbelo::testing
