#pragma once
#include <string>
#include <vector>

namespace rumbelo::data {
// `rumbelo-data profile --name N --language L --theme T --animation A FILE`; returns the
// process exit code and explains bad arguments on `error`.
int writeProfileCommand(const std::vector<std::string>& args, std::string& error);
}  // namespace rumbelo::data
