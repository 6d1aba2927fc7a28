#include "data/fp/hours_check.h"

#include <cctype>

#include "common/text/fixed_text.h"
#include "data/fp/fp_sources.h"

namespace rumbelo::data {
namespace {

constexpr int kHeadingLine = 6;
const std::string kHeading =
    "M\xF3"
    "dulos profesionales (";
const std::string kHoursEnd = " horas):";
// A module line: the name padded to 43 characters, the hours in 4, then " h".
constexpr std::size_t kHoursColumn = 43;
constexpr std::size_t kModuleLineLength = 49;

}  // namespace

std::string blockHoursProblem(const GroupedTable& blocks, int t, bool ownLengths) {
    const std::string heading = TrimRight(blocks.line(t, kHeadingLine));
    if (heading.rfind(kHeading, 0) != 0 || heading.size() <= kHeading.size() + kHoursEnd.size() ||
        heading.compare(heading.size() - kHoursEnd.size(), kHoursEnd.size(), kHoursEnd) != 0)
        return "line 6 does not state the total hours";
    const auto total = parseNumber(
        heading.substr(kHeading.size(), heading.size() - kHeading.size() - kHoursEnd.size()));
    if (!total) return "line 6 does not state the total hours";
    int sum = 0;
    int modules = 0;
    for (int i = kHeadingLine + 1; i <= blocks.groupSize; ++i) {
        const std::string line = TrimRight(blocks.line(t, i));
        if (line.empty()) break;
        const auto hours =
            line.size() == kModuleLineLength && line.substr(kModuleLineLength - 2) == " h"
                ? parseNumber(line.substr(kHoursColumn, 4))
                : std::nullopt;
        if (!hours) return "line " + std::to_string(i) + " is not a module with its hours";
        sum += *hours;
        ++modules;
    }
    if (modules == 0) return "no module under line 6";
    if (sum != *total)
        return "the modules add up to " + std::to_string(sum) + " hours, line 6 says " +
               std::to_string(*total);
    if (!ownLengths && !fp::isLogseTotal(*total))
        return std::to_string(*total) + " hours; a LOGSE cycle lasts 1300, 1400, 1700 or 2000";
    return {};
}

std::vector<int> agesIn(const std::string& text) {
    std::vector<int> ages;
    const std::string years = " a\xF1os";
    for (std::size_t at = text.find(years); at != std::string::npos;
         at = text.find(years, at + 1)) {
        std::size_t begin = at;
        while (begin > 0 && std::isdigit(static_cast<unsigned char>(text[begin - 1])))
            --begin;
        if (begin < at) ages.push_back(std::stoi(text.substr(begin, at - begin)));
    }
    return ages;
}

}  // namespace rumbelo::data
