#pragma once
// Reading the readable sources under data/: UTF-8 text, '#' comment lines, tab-separated
// fields. Every line keeps its number so errors can point at it.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "data/diagnostics.h"

namespace rumbelo::data {

struct SourceLine {
    SourcePos pos;
    std::string text;                 // the line as written (UTF-8, no line end)
    std::vector<std::string> fields;  // text split at tabs
    // Field i, or "" when the line has fewer fields.
    const std::string& field(std::size_t i) const;
};

struct SourceFile {
    std::string name;  // relative to the source folder
    std::vector<SourceLine> lines;
};

// Reads a source file. Lines starting with '#' are comments; with skipBlank, lines that
// are empty or blank are dropped too. A missing file is reported and gives nothing.
std::optional<SourceFile> readSource(const std::filesystem::path& root, const std::string& name,
                                     Diagnostics& diag, bool skipBlank = true);

// Tab-separated fields, each trimmed of surrounding blanks.
std::vector<std::string> splitFields(const std::string& text);
// The words of a text, separated by blanks or tabs.
std::vector<std::string> splitWords(const std::string& text);

}  // namespace rumbelo::data
