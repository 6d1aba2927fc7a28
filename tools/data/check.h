#pragma once
// `rumbelo-data check DIR`: loads a built folder through the program's own readers and
// reports what is inconsistent.
#include <filesystem>
#include <string>
#include <vector>

#include "common/data/data_files.h"
#include "common/messages.h"

namespace rumbelo::data {

struct CheckContext {
    explicit CheckContext(const std::filesystem::path& dir) : files(dir, sink, aborted) {}
    RecordingSink sink;  // what the readers would have shown the pupil
    bool aborted = false;
    DataFiles files;
    std::vector<std::string> problems;
    void problem(const std::string& text) { problems.push_back(text); }
};

// Runs every check; the problems found, including every reader message.
std::vector<std::string> checkFolder(const std::filesystem::path& dir);

// The checks.
void checkTextos(CheckContext& ctx);

}  // namespace rumbelo::data
