#pragma once
// Errors of the data compiler, each tied to the source line that caused it.
#include <string>
#include <vector>

namespace rumbelo::data {

struct SourcePos {
    std::string file;  // path relative to the source folder
    int line = 0;      // 1-based; 0 when the error concerns the whole file
};

class Diagnostics {
  public:
    void error(const SourcePos& pos, const std::string& message);
    void error(const std::string& message);  // not tied to a line
    bool failed() const { return !errors_.empty(); }
    const std::vector<std::string>& errors() const { return errors_; }

  private:
    std::vector<std::string> errors_;
};

}  // namespace rumbelo::data
