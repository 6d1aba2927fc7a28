#pragma once
// How long a RIFF WAVE sound plays, read from its header.
#include <optional>
#include <string_view>

namespace rumbelo {

// Milliseconds of sound in the "data" chunk at the "fmt " chunk's byte rate; nothing for
// bytes that are not a readable WAVE file.
std::optional<int> waveDurationMs(std::string_view bytes);

}  // namespace rumbelo
