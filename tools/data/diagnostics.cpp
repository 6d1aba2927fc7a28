#include "data/diagnostics.h"

namespace rumbelo::data {

void Diagnostics::error(const SourcePos& pos, const std::string& message) {
    std::string text = pos.file;
    if (pos.line > 0) text += ":" + std::to_string(pos.line);
    errors_.push_back(text + ": " + message);
}

void Diagnostics::error(const std::string& message) {
    errors_.push_back(message);
}

}  // namespace rumbelo::data
