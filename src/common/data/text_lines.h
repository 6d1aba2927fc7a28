#pragma once
// Splitting a text file into lines the way every reader of the program does.
#include <string>
#include <string_view>
#include <vector>

namespace rumbelo {

// Lines end with CR LF or LF; a Ctrl-Z byte ends the file; the last line needs no line end.
// No line is produced for the empty text after a final line end.
std::vector<std::string> splitLines(std::string_view bytes);

}  // namespace rumbelo
