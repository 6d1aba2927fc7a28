// `rumbelo-data check` on the geography of a built folder, sound and damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "data/check.h"
#include "data/geography/geography_check.h"
#include "geography/geography_fixture.h"
#include "support/temp_folder.h"

namespace rumbelo::data {
namespace {

std::vector<std::string> checkCopy(const testing::TempFolder& copy) {
    CheckContext ctx(copy.path());
    checkGeography(ctx);
    std::vector<std::string> problems = ctx.problems;
    problems.insert(problems.end(), ctx.sink.messages.begin(), ctx.sink.messages.end());
    return problems;
}

bool has(const std::vector<std::string>& problems, const std::string& text) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

TEST(GeographyCheck, ATruncatedMapPictureIsReportedNotRead) {
    const auto& built = testing::compiledGeography();
    ASSERT_TRUE(built.errors.empty());
    testing::TempFolder copy;
    std::filesystem::copy(built.folder, copy.path(), std::filesystem::copy_options::recursive);
    EXPECT_FALSE(has(checkCopy(copy), "mapa"));
    // The header still says 286x214, 24-bit; the pixel rows stop after a few hundred bytes.
    const std::string mapa = testing::readFile(copy.path() / "mapa");
    ASSERT_GT(mapa.size(), 600u);
    copy.write("mapa", mapa.substr(0, 600));
    copy.write("mapam", testing::readFile(copy.path() / "mapam").substr(0, 54));
    const auto problems = checkCopy(copy);
    EXPECT_TRUE(has(problems, "mapa: 600 bytes; its 286x214 pixels need 184094")) << problems[0];
    EXPECT_TRUE(has(problems, "mapam: 54 bytes"));
    EXPECT_FALSE(has(problems, "mapac"));
}

}  // namespace
}  // namespace rumbelo::data
