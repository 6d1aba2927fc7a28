#pragma once
// The 25-line text blocks of "asignafp" and "asignagm". The program shows lines 1-5 as a
// title's preview and the rest as what is studied, with line 6 set apart as a sub-heading;
// every line is cut at 50 characters when read, so the compiler lays the blocks out within 50.
#include <string>
#include <vector>

#include "data/fp/fp_sources.h"

namespace rumbelo::data::fp {

constexpr int kBlockLines = 25;
constexpr std::size_t kBlockWidth = 50;
constexpr int kSummaryLines = 5;
constexpr std::size_t kModuleNameWidth = 42;

// Greedy word wrap of Windows-1252 text into lines of at most `width` characters; a word
// longer than the width is an error at pos. Continuation lines start with `indent`.
std::vector<std::string> wrap(const std::string& text, std::size_t width, const SourcePos& pos,
                              Diagnostics& diag, const std::string& indent = "");

// The heading of a title's modules, on line 6 of its block.
std::string modulesHeading(int totalHours);

// A title's block. Grado superior: the summary on lines 1-5, on line 6 the modules' heading
// with the total hours, one line per module with its hours, an empty line, then where the
// title leads. Grado medio: where the title leads on lines 1-5 (its jobs page), then the
// modules from line 6 as above.
std::vector<std::string> titleBlock(const Title& title, const Grade& grade, Diagnostics& diag);

// A family header's block: the description on lines 1-5, then the family's titles.
std::vector<std::string> familyBlock(const Family& family, const Grade& grade, Diagnostics& diag);

}  // namespace rumbelo::data::fp
