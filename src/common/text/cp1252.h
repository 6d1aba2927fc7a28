#pragma once
// Windows-1252 is the byte encoding of every data file, saved result and interface text.
// The core keeps those bytes in std::string; these conversions are used where text meets
// something that speaks Unicode.
#include <string>
#include <string_view>

namespace rumbelo {

// The Unicode code point of a Windows-1252 byte. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value.
char32_t cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte for a code point, or 0 when there is none (0 itself maps to 0).
unsigned char codePointToCp1252(char32_t codePoint, bool* mapped = nullptr);

std::string cp1252ToUtf8(std::string_view bytes);

// Unmappable characters and broken UTF-8 sequences become '?'. When `lossless` is given it
// tells whether every character had a Windows-1252 byte.
std::string utf8ToCp1252(std::string_view utf8, bool* lossless = nullptr);

}  // namespace rumbelo
