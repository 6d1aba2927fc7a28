#pragma once
// Small professions data built line by line in the files' own columns, for the core tests.
#include <string>

#include "common/text/fixed_text.h"
#include "professions/data/professions_files.h"

namespace rumbelo::professions::testing {

inline std::string longLine(const std::string& text, const std::string& codes) {
    return padTo(text, 115) + codes;
}

inline std::string shortLine(const std::string& main, const std::string& second,
                             const std::string& text) {
    return main + " " + second + " " + text;
}

inline std::string activityLine(const std::string& code, const std::string& name) {
    return code + " " + name;
}

inline std::string professionLine(const std::string& first, const std::string& second,
                                  const std::string& name, const std::string& phrases,
                                  const std::string& studies) {
    return first + " " + second + " " + padTo(name, 40) + phrases + studies;
}

}  // namespace rumbelo::professions::testing
