#pragma once
// Looking through the error messages of a compile.
#include <string>
#include <vector>

namespace rumbelo::testing {

// True when some error contains the text.
inline bool anyErrorContains(const std::vector<std::string>& errors, const std::string& text) {
    for (const auto& error : errors)
        if (error.find(text) != std::string::npos) return true;
    return false;
}

// Every error, a line each: the message of a failed assertion.
inline std::string allErrors(const std::vector<std::string>& errors) {
    std::string text;
    for (const auto& error : errors)
        text += error + "\n";
    return text;
}

}  // namespace rumbelo::testing
