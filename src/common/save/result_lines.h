#pragma once
// A saved result is the report's lines exactly as stored (Windows-1252 bytes), each ended by
// CR LF, so the file opens alike in any Windows editor a school has.
#include <string>
#include <vector>

namespace rumbelo {

std::string encodeResultLines(const std::vector<std::string>& lines);

}  // namespace rumbelo
